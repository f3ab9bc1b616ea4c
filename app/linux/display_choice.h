// Which display the window opens on, decided before the toolkit starts.
#pragma once

namespace hexling {

// Unless the user chose a platform (-platform or QT_QPA_PLATFORM), X11
// first, then Wayland where a compositor can be reached at all: Wayland lets
// no window keep itself on top, XWayland does. Where no display can be had,
// the program says why in one line and exits with status 1 instead of
// aborting: that no display is named, where none is, or else what the
// platforms said. Call before the QApplication is made, with its arguments,
// and DisplayOpened() once it is.
void ChooseDisplay(int argc, char** argv);

// Says once on a Wayland display that the window can go behind others, and
// gives Qt's messages back their usual handler.
void DisplayOpened();

}  // namespace hexling
