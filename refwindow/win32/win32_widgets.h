// The window logic's controls over user32's standard controls.
#pragma once

#include <windows.h>

#include "widgets.h"

namespace hexling {

// A COMBOBOX with CBS_DROPDOWNLIST. The window hands it the notifications that
// the control sends (WM_COMMAND); it tells the user's picks from them and
// reports each. Selections made by message send none.
class Win32PickList final : public PickList {
 public:
  explicit Win32PickList(HWND combo) : combo_(combo) {}

  void Append(std::string_view entry) override;
  void AppendAll(const std::vector<std::string>& entries) override;
  int Count() const override;
  std::string EntryAt(int index) const override;
  std::string Text() const override;

  // A CBN_ notification from the control.
  void Notified(WORD code);

  HWND Handle() const { return combo_; }

 protected:
  void SelectEntry(std::string_view text) override;

 private:
  int CurrentIndex() const;

  HWND combo_;
  int reported_ = CB_ERR;  // the entry the window logic last saw picked
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

// A multi-line EDIT.
class Win32TextPane final : public TextPane {
 public:
  explicit Win32TextPane(HWND edit) : edit_(edit) {}
  void SetText(std::string_view text) override;

  HWND Handle() const { return edit_; }

 private:
  HWND edit_;
};

}  // namespace hexling
