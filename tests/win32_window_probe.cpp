// Prints what the reference window shows, read from outside its process as
// another program may read it: its state (normal, zoomed or iconic), then a
// line per control, in focus order, the one with the keyboard marked with
// "*". For the tests that drive the program as a user does, with the
// keyboard of the X server.
#include <windows.h>

#include <cstdio>

int wmain() {
  const HWND window = FindWindowW(L"HexlingForm1", nullptr);
  if (!window) return 1;
  std::printf("%s\n", IsZoomed(window) ? "zoomed" : IsIconic(window) ? "iconic" : "normal");
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;  // the labels for screen readers
    wchar_t text[256]{};
    SendMessageW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    std::printf("%s%ls\n", child == thread.hwndFocus ? "*" : "", text);
  }
  return 0;
}
