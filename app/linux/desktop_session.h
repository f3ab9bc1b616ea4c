// Choosing the windowing platform before the toolkit starts.
#pragma once

namespace hexling {

enum class DesktopPlatform {
  AsChosen,        // the user's or the toolkit's own choice
  X11,             // XWayland: Wayland lets no window stay on top, X11 does
  X11Away,         // an X display is named, and no X server answers there
  Wayland,         // Wayland alone: the window runs, but cannot stay on top
  WaylandMissing,  // Wayland alone, and the toolkit's Wayland plugin is not installed
  WaylandAway,     // Wayland alone, and no compositor answers at WAYLAND_DISPLAY
  None,            // no desktop session to show a window in
};

// What the process finds before the toolkit starts.
struct DesktopSession {
  bool platformChosen;     // a -platform argument or QT_QPA_PLATFORM
  bool hasX11Display;      // DISPLAY, set and not empty, or a -display argument
  bool x11Answers;         // an X server accepts a connection at that display
  bool hasWaylandDisplay;  // WAYLAND_DISPLAY, set and not empty
  bool hasWaylandPlugin;   // the toolkit's Wayland platform plugin is installed
  bool waylandAnswers;     // a compositor accepts a connection at WAYLAND_DISPLAY
};

// Where both are named, an X display that answers wins, for the sake of
// staying on top; Wayland is tried where it does not.
DesktopPlatform ChooseDesktopPlatform(const DesktopSession& session);

// Applies the choice to this process before the QApplication is created, and
// says in one line on standard error what the user should know: that a
// Wayland session cannot keep the window on top, or why the window cannot
// open, naming the display as the user gave it. Returns false where the
// window cannot open; the program then exits with status 1. The toolkit
// itself would abort there, with several lines of its own. Asks
// `hasWaylandPlugin` only in a session of Wayland alone.
bool PrepareDesktopSession(int argc, char* argv[], bool (*hasWaylandPlugin)());

}  // namespace hexling
