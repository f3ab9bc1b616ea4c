#pragma once

namespace hexling {

// Windows: keeps the window `hwnd` (an HWND) above all windows that are not
// topmost, without moving or resizing it. Needs no Qt.
void SetTopmost(void* hwnd);

}  // namespace hexling
