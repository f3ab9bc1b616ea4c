// How the Qt binding shows Form1Layout: the frame of the window, and the
// controls as Qt's widgets, placed, named, with their fonts and tooltips. What the window shows before any data: the window uses it, and
// so does the start-up benchmark's program of the same controls, empty.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

#include <array>

#include "form1_layout.h"

namespace hexling {

// A caption and a close box, and neither a minimise nor a maximise button.
// Not a QDialog, which closes on Escape, nor of Qt's dialog type, which GNOME
// shows in the taskbar whatever the window asks.
inline constexpr Qt::WindowFlags Form1FrameFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Names the window and gives it its title, icon and one size, at its logical DPI.
void SetUpForm1Frame(QWidget& window);

// The controls of Form1Layout, children of the window, typed as their kinds
// are: each named, placed at the window's logical DPI, with its font and
// tooltip, in focus order, under the window's one style.
class QtForm1Controls {
 public:
  explicit QtForm1Controls(QWidget& window);
  QtForm1Controls(const QtForm1Controls&) = delete;
  QtForm1Controls& operator=(const QtForm1Controls&) = delete;

  // The window's touches over the application's style as it is now.
  void Restyle();

  QComboBox hexCombo;
  QComboBox translationCombo;
  QPlainTextEdit translationText;
  QListWidget allHexValuesList;

 private:
  std::array<QWidget*, Form1Layout.controls.size()> InFocusOrder() {
    return {&hexCombo, &translationCombo, &translationText, &allHexValuesList};
  }

  QWidget& window_;
  QStyle* style_ = nullptr;  // the window's, which owns it
};

// The members above are the layout's controls, in its focus order and of its kinds.
consteval bool IsControl(std::size_t index, std::string_view name, ControlKind kind) {
  return ControlIndex(name) == index && Form1Layout.controls[index].kind == kind;
}
static_assert(IsControl(0, "HexCombo1", ControlKind::PickList) && IsControl(1, "TranslationCombo1", ControlKind::PickList) &&
              IsControl(2, "TranslationText1", ControlKind::TextPane) &&
              IsControl(3, "AllHexValuesList1", ControlKind::ItemList));

}  // namespace hexling
