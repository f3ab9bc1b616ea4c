// The window logic's controls over user32's standard controls.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "type_ahead.h"
#include "widgets.h"
#include "win32_subclass.h"

namespace hexling {

// A COMBOBOX with CBS_DROPDOWNLIST. The window hands it the notifications that
// the control sends (WM_COMMAND), and it reads them as Microsoft documents
// them: CBN_SELENDOK is the user's pick, by mouse or keys, the shown entry's
// included; on the closed list the arrow keys, the wheel, Home, End and the
// page keys change the selection with CBN_SELCHANGE, which is a pick there
// too, once per entry. CBN_SELENDCANCEL closes the open list without one
// (Escape, a click outside, the focus moving on), and the list then shows
// again what it showed when it opened (CBN_DROPDOWN); until then CBN_SELCHANGE
// only moves the highlight. Selections made by message send none.
//
// Typing is the window's own TypeAhead, the blank too, with characters four
// double-click times apart at most in one group: no Microsoft page documents
// a drop-down list's own search, and Wine's matches the first letter only.
// On the closed list that is a pick; in the open one it moves the selection,
// as the arrow keys do.
class Win32PickList final : public PickList {
 public:
  explicit Win32PickList(HWND combo)
      : combo_(combo), typeAhead_(std::chrono::milliseconds(4 * GetDoubleClickTime())) {}

  void Append(const std::vector<std::string>& entries) override;
  int Count() const override;
  std::string EntryAt(int index) const override;
  std::string Text() const override;

  // A CBN_ notification from the control.
  void Notified(WORD code);
  // Typing is the binding's own from here on. Call it once the list is
  // filled: a subclassed control's every message costs a look-up, under
  // Wine a call to its server.
  void HandleTyping() { subclass_.Install(combo_, *this); }

  HWND Handle() const { return combo_; }

 protected:
  void SelectEntry(std::string_view text) override;

 private:
  friend Subclass<Win32PickList>;
  LRESULT OnMessage(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);
  void Typed(char character, DWORD time);
  // Reports the current entry as picked: always, or only where it was not the last picked.
  void PickCurrent(bool always);
  int CurrentIndex() const;
  bool IsOpen() const;

  HWND combo_;
  Subclass<Win32PickList> subclass_;
  std::optional<int> shownWhenOpened_;  // while the list is open
  int picked_ = -1;                     // the entry last picked
  TypeAhead typeAhead_;
};

// A single-selection LISTBOX with LBS_NOTIFY; the window reports LBN_DBLCLK.
class Win32ItemList final : public ItemList {
 public:
  explicit Win32ItemList(HWND list) : list_(list) {}

  void Clear() override;
  void Append(std::string_view item) override;
  int Count() const override;
  std::string ItemAt(int index) const override;
  int SelectedIndex() const override;
  void Select(int index) override;

  HWND Handle() const { return list_; }

 private:
  HWND list_;
};

// A multi-line EDIT in a window that runs IsDialogMessage. Such a box wants
// every key, Tab among them: this one lets Tab move on to the next control.
// And Escape does nothing: the box would close its window on Escape, and a
// note typed in it would be lost.
class Win32TextPane final : public TextPane {
 public:
  explicit Win32TextPane(HWND edit) : edit_(edit) {}
  void SetText(std::string_view text) override;
  // Tab and Escape as above from here on.
  void HandleKeys() { subclass_.Install(edit_, *this); }

  HWND Handle() const { return edit_; }

 private:
  friend Subclass<Win32TextPane>;
  LRESULT OnMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

  HWND edit_;
  Subclass<Win32TextPane> subclass_;
};

}  // namespace hexling
