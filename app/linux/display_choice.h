// Which display the window opens on, decided before the toolkit starts.
#pragma once

namespace hexling {

// Unless the user chose a platform, X11 first, Wayland where there is no X:
// Wayland lets no window keep itself on top, XWayland does. Where no display
// can be had, the toolkit's fatal message becomes one line naming what failed,
// and the program exits with status 1 instead of aborting. Call before the
// QApplication is made, and DisplayOpened() once it is.
void ChooseDisplay();

// Says once on a Wayland display that the window can go behind others, and
// gives Qt's messages back their usual handler.
void DisplayOpened();

}  // namespace hexling
