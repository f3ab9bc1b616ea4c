#include "win32_widgets.h"

#include <chrono>
#include <string>

#include "win32_text.h"

namespace hexling {
namespace {

// The text of entry `index` of a combo box or list box, read with the given
// pair of messages; empty for an index outside the list, where either
// message answers CB_ERR or LB_ERR (both -1).
std::string TextOf(HWND control, UINT lengthMessage, UINT textMessage, int index) {
  if (index < 0) return {};
  const LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
  if (copied < 0) return {};
  wide.resize(static_cast<std::size_t>(copied));
  return Narrow(wide);
}

int Int(LRESULT result) { return static_cast<int>(result); }

}  // namespace

void Win32PickList::Append(const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
  }
}

int Win32PickList::Count() const { return Int(SendMessageW(combo_, CB_GETCOUNT, 0, 0)); }

std::string Win32PickList::EntryAt(int index) const { return TextOf(combo_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }

std::string Win32PickList::Text() const { return EntryAt(CurrentIndex()); }

int Win32PickList::CurrentIndex() const { return Int(SendMessageW(combo_, CB_GETCURSEL, 0, 0)); }

bool Win32PickList::IsOpen() const { return SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0; }

// Compared here, since CB_FINDSTRINGEXACT ignores case.
void Win32PickList::SelectEntry(std::string_view text) {
  const int count = Count();
  int found = 0;
  while (found < count && EntryAt(found) != text) ++found;
  if (found == count) found = CB_ERR;
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
  picked_ = found;  // the caller reports the pick
}

void Win32PickList::Notified(WORD code) {
  switch (code) {
    case CBN_DROPDOWN:
      shownWhenOpened_ = CurrentIndex();
      break;
    case CBN_SELCHANGE:
      if (!shownWhenOpened_) PickCurrent(false);
      break;
    case CBN_SELENDOK:
      PickCurrent(shownWhenOpened_.has_value());  // from the open list, the shown entry too
      shownWhenOpened_.reset();
      break;
    case CBN_SELENDCANCEL:
      if (shownWhenOpened_) SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(*shownWhenOpened_), 0);
      shownWhenOpened_.reset();
      break;
  }
}

// CB_SETCURSEL notifies nothing: on the closed list, a pick is reported
// here, and a screen reader is told of the new entry as of one an arrow key
// moves to.
void Win32PickList::Typed(char character, DWORD time) {
  const int current = CurrentIndex();
  const int index = typeAhead_.Typed(*this, current, character, std::chrono::milliseconds(time));
  if (index == current) return;
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, combo_, OBJID_CLIENT, CHILDID_SELF);
  if (!IsOpen()) PickCurrent(true);
}

void Win32PickList::PickCurrent(bool always) {
  const int current = CurrentIndex();
  if (!always && current == picked_) return;
  picked_ = current;
  picked.Raise();
}

LRESULT Win32PickList::OnMessage(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  // Printable characters are typing; the control's own search matches the
  // first letter only under Wine.
  if (message == WM_CHAR && wParam >= 0x20 && wParam < 0x7F) {
    Typed(static_cast<char>(wParam), static_cast<DWORD>(GetMessageTime()));
    return 0;
  }
  // Shift+F10 to DefWindowProc, which makes WM_CONTEXTMENU of it as
  // documented; Wine's drop-down list would keep it.
  if (message == WM_SYSKEYDOWN && wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
    return DefWindowProcW(combo, message, wParam, lParam);
  }
  return DefSubclassProc(combo, message, wParam, lParam);
}

void Win32ItemList::Clear() { SendMessageW(list_, LB_RESETCONTENT, 0, 0); }

void Win32ItemList::Append(std::string_view item) {
  SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
}

int Win32ItemList::Count() const { return Int(SendMessageW(list_, LB_GETCOUNT, 0, 0)); }

std::string Win32ItemList::ItemAt(int index) const { return TextOf(list_, LB_GETTEXTLEN, LB_GETTEXT, index); }

int Win32ItemList::SelectedIndex() const { return Int(SendMessageW(list_, LB_GETCURSEL, 0, 0)); }

// An index outside the list (-1 among them) leaves nothing selected.
void Win32ItemList::Select(int index) {
  SendMessageW(list_, LB_SETCURSEL, index >= 0 && index < Count() ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

void Win32TextPane::SetText(std::string_view text) { SetWindowTextW(edit_, Wide(text).c_str()); }

LRESULT Win32TextPane::OnMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
  if (message == WM_GETDLGCODE) {
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB) result &= ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
  }
  return result;
}

}  // namespace hexling
