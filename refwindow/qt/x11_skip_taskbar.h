#pragma once

class QWidget;

namespace hexling {

// Keeps a top-level window out of the taskbar on X11 by giving it
// _NET_WM_STATE_SKIP_TASKBAR before its first mapping. Creates the native
// window; call it once the window flags are final. Does nothing without an X
// connection (other platforms, Wayland, offscreen).
void SkipTaskbar(QWidget& window);

}  // namespace hexling
