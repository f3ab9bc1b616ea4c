#pragma once

namespace hexling {

// Whether Qt's Wayland platform plugin is installed where Qt will look for
// it. Callable before the QApplication exists.
bool HasWaylandPlatformPlugin();

}  // namespace hexling
