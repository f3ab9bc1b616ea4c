// Choosing the windowing platform before the toolkit starts.
#pragma once

namespace hexling {

enum class DesktopPlatform {
  AsChosen,  // the user's or the toolkit's own choice
  X11,       // XWayland: Wayland lets no window stay on top, X11 does
  None,      // no desktop session to show a window in
};

// `platformChosen`: a -platform argument or QT_QPA_PLATFORM. The displays are
// the DISPLAY and WAYLAND_DISPLAY variables, set and not empty.
DesktopPlatform ChooseDesktopPlatform(bool platformChosen, bool hasX11Display, bool hasWaylandDisplay);

// Applies the choice to this process before the QApplication is created. On
// Linux without any display, prints one line saying so and returns false.
bool PrepareDesktopSession(int argc, char* argv[]);

}  // namespace hexling
