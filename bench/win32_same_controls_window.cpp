// Hexling's start-up without its data and logic: the same frame (a dialog
// window with its hidden owner), icon and manifest, topmost, and the same
// four controls, made, placed and given their fonts as the window does, and
// empty. What any user32 program with these controls pays.
#include <windows.h>

#include <commctrl.h>

#include "win32_form1_layout.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
  };
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"SameControls";
  RegisterClassExW(&windowClass);

  const hexling::UniqueWindow owner = hexling::CreateForm1Owner(instance);
  const HWND window = hexling::CreateForm1Frame(owner.get(), L"SameControls", instance, nullptr);
  const hexling::Form1ControlWindows controls = hexling::CreateForm1Controls(window, instance);
  const UINT dpi = GetDpiForWindow(window);
  const hexling::Form1Fonts fonts = hexling::LayOutForm1Controls(controls, dpi);
  const hexling::Form1Icons icons = hexling::SetForm1Icons(window, instance, dpi);
  const SIZE size = hexling::Form1FrameSize(dpi);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOACTIVATE);
  ShowWindow(window, SW_SHOWNORMAL);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
