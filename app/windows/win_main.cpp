// The program on Windows: the window and its event loop.
#include <windows.h>

#include "win32_form1_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return hexling::RunForm1Program(instance); }
