#include "win32_clipboard.h"

#include <cstring>
#include <string>

#include "win32_text.h"

namespace hexling {

bool PutOnClipboard(HWND owner, std::string_view text) {
  const std::wstring wide = Wide(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  // Ready before the clipboard is emptied, so that nothing fails after that.
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  void* const copy = GlobalLock(memory);
  if (copy) {
    std::memcpy(copy, wide.c_str(), bytes);
    GlobalUnlock(memory);
  }
  if (!copy || !OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the clipboard owns it from here
  CloseClipboard();
  if (!taken) GlobalFree(memory);
  return taken;
}

}  // namespace hexling
