// The floor of a user32 program's start-up, against which Hexling's is
// measured: a fixed dialog frame, topmost, with a 458 x 172 client area at 96
// DPI and the same manifest, and one static text instead of the controls and
// data.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
  };
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"Bare";
  RegisterClassExW(&windowClass);

  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, 458, 172};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const HWND window = CreateWindowExW(0, L"Bare", L"Bare", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"Hexling", WS_CHILD | WS_VISIBLE, 8, 8, 200, 20, window, nullptr, instance, nullptr);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(window, showCommand);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
