// How the Qt binding shows Form1Layout: the frame of the window, and the
// controls made with Qt's widgets, placed, named, with their fonts and
// tooltips. What the window shows before any data: the window uses it, and
// so does the start-up benchmark's program of the same controls, empty.
#pragma once

#include <QWidget>

#include <array>

#include "form1_layout.h"

namespace hexling {

// A frame with a caption and a close box, and neither a minimise nor a
// maximise button. On a plain QWidget: a QDialog would close on Escape. A
// window of its own, not of Qt's dialog type: Qt makes a dialog transient
// for a window of its own that is never mapped, and GNOME's window manager
// then shows a dialog in the taskbar whatever the window asks, having no
// real parent for it.
inline constexpr Qt::WindowFlags Form1FrameFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Names the window and gives it its title, icon and one size, at its logical DPI.
void SetUpForm1Frame(QWidget& window);

using Form1Widgets = std::array<QWidget*, Form1Layout.controls.size()>;

// Makes the controls of Form1Layout in the window, in focus order: each named,
// placed at the window's logical DPI, with its font and tooltip, under the
// window's touches to the style.
Form1Widgets NewForm1Controls(QWidget& window);

}  // namespace hexling
