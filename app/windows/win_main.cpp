// The program on Windows: create the window, run the loop.
#include <windows.h>

#include <exception>

#include "win32_form1_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    hexling::Win32Form1Window window(instance);
    window.Show();
    return hexling::RunEventLoop(window);
  } catch (const std::exception& error) {
    MessageBoxA(nullptr, error.what(), "Hexling", MB_ICONERROR | MB_OK);
    return 1;
  }
}
