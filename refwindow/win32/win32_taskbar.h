#pragma once

#include <windows.h>

#include "win32_com.h"

namespace hexling {

// Takes the window's button off the taskbar with ITaskbarList::DeleteTab, as
// Microsoft documents for a window that must have none. The shell makes one
// for every shown window that has no owner, and makes them all again when it
// restarts: call it once the window is shown, and on the message that
// TaskbarCreatedMessage() names. Where the taskbar cannot be reached, it does
// nothing.
void RemoveTaskbarButton(const Com& com, HWND window);

// The message the shell broadcasts when it has made the taskbar again.
UINT TaskbarCreatedMessage();

}  // namespace hexling
