#include "refwindow/win32_topmost.h"

#include <windows.h>

namespace hexling {

void SetTopmost(void* hwnd) {
  // The result is not needed: a window that cannot be raised stays usable.
  SetWindowPos(static_cast<HWND>(hwnd), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace hexling
