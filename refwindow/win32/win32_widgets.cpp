#include "win32_widgets.h"

#include <string>

namespace hexling {
namespace {

std::wstring Wide(std::string_view text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  std::string text(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
  return text;
}

// The text of entry `index` of a combo box or list box, read with the given
// pair of messages; empty for an index outside the list.
std::string TextOf(HWND control, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
  if (index < 0 || length < 0) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  wide.resize(static_cast<std::size_t>(
      SendMessageW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()))));
  return Narrow(wide);
}

int Int(LRESULT result) { return static_cast<int>(result); }

}  // namespace

void Win32PickList::Append(std::string_view entry) {
  SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

// All entries with one reservation of the control's storage and one redraw.
void Win32PickList::AppendAll(const std::vector<std::string>& entries) {
  std::size_t characters = 0;
  for (const std::string& entry : entries) characters += entry.size() + 1;
  SendMessageW(combo_, CB_INITSTORAGE, entries.size(), characters * sizeof(wchar_t));
  SendMessageW(combo_, WM_SETREDRAW, FALSE, 0);
  for (const std::string& entry : entries) Append(entry);
  SendMessageW(combo_, WM_SETREDRAW, TRUE, 0);
}

int Win32PickList::Count() const { return Int(SendMessageW(combo_, CB_GETCOUNT, 0, 0)); }

std::string Win32PickList::EntryAt(int index) const { return TextOf(combo_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }

std::string Win32PickList::Text() const { return EntryAt(CurrentIndex()); }

int Win32PickList::CurrentIndex() const { return Int(SendMessageW(combo_, CB_GETCURSEL, 0, 0)); }

// CB_FINDSTRINGEXACT ignores case; entries are compared here exactly.
void Win32PickList::SelectEntry(std::string_view text) {
  int found = CB_ERR;
  for (int index = 0, count = Count(); index < count && found == CB_ERR; ++index) {
    if (EntryAt(index) == text) found = index;
  }
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
  reported_ = found;
}

// The control reports a pick by mouse or keys as CBN_SELENDOK, also when the
// shown entry is picked again, and follows it with CBN_SELCHANGE when the
// entry changed. A CBN_SELCHANGE of its own, on a closed list, is a pick by
// keys; in the open list it only moves the highlight. A list that closes
// without a pick may still show another entry than before: that counts too.
void Win32PickList::Notified(WORD code) {
  const int shown = CurrentIndex();
  switch (code) {
    case CBN_SELENDOK:
      break;
    case CBN_SELCHANGE:
      if (shown == reported_ || SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0)) return;
      break;
    case CBN_CLOSEUP:
      if (shown == reported_) return;
      break;
    default:
      return;
  }
  reported_ = shown;
  Picked();
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

}  // namespace hexling
