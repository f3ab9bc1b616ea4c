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

// A COMBOBOX with CBS_DROPDOWNLIST, read by its notifications as Microsoft
// documents them. A pick is CBN_SELENDOK, and on the closed list also
// CBN_SELCHANGE, once per entry; in the open list CBN_SELCHANGE only moves the
// highlight, and CBN_SELENDCANCEL puts back what the list showed when it opened.
// Typing is the window's own TypeAhead, since no Microsoft page documents the
// list's own search (Wine's matches the first letter only).
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

// A multi-line EDIT that lets Tab move on, as IsDialogMessage would not, and
// ignores Escape, which would close the window and lose a note typed in it.
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
