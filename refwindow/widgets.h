// The controls of the reference window as the window logic sees them. A
// toolkit binding implements them over real widgets; tests implement them in
// memory. Entries and items are numbered from 0.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hexling {

using Reaction = std::function<void()>;

// Something the user did to a control: the window logic connects its
// reaction, and the binding raises it.
class Event {
 public:
  void Connect(Reaction reaction) { reaction_ = std::move(reaction); }
  void Raise() const {
    if (reaction_) reaction_();
  }

 private:
  Reaction reaction_;
};

// A drop-down list the user can only pick from.
class PickList {
 public:
  virtual ~PickList() = default;

  // Appends the entries in order, in one call that a toolkit can make
  // cheaper than one for each.
  virtual void Append(const std::vector<std::string>& entries) = 0;
  virtual int Count() const = 0;
  // The empty text for an index outside the list.
  virtual std::string EntryAt(int index) const = 0;
  // The picked entry's text; empty before the first pick.
  virtual std::string Text() const = 0;
  // The entry the user has before them: while the list is open, the
  // highlighted one; otherwise the picked one.
  virtual std::string HighlightedText() const { return Text(); }

  // Selects the entry equal to `text` (none, if no entry is) and runs the
  // pick reaction before returning: also when that entry was already picked,
  // and exactly once whatever the toolkit reports on its own.
  void SetText(std::string_view text) {
    SelectEntry(text);
    picked.Raise();
  }

  Event picked;     // the user picked an entry, the shown one included
  Event copyAsked;  // by a key or a menu

 protected:
  // Changes the selection only: must not report a pick of its own.
  virtual void SelectEntry(std::string_view text) = 0;
};

// A single-selection list box. Selecting an item runs no reaction.
class ItemList {
 public:
  virtual ~ItemList() = default;

  virtual void Clear() = 0;
  virtual void Append(std::string_view item) = 0;
  virtual int Count() const = 0;
  // The empty text for an index outside the list.
  virtual std::string ItemAt(int index) const = 0;
  // -1 when nothing is selected.
  virtual int SelectedIndex() const = 0;
  virtual void Select(int index) = 0;

  // The selected item's text; empty when nothing is selected.
  std::string SelectedText() const { return ItemAt(SelectedIndex()); }

  Event doubleClicked;  // an item
  Event returnPressed;  // Return, or Enter on the keypad
  Event copyAsked;      // by a key or a menu
};

// A multi-line text box that the program writes and never reads back.
class TextPane {
 public:
  virtual ~TextPane() = default;
  virtual void SetText(std::string_view text) = 0;
};

// What the window logic asks of the platform's window around the controls.
class WindowFrame {
 public:
  virtual ~WindowFrame() = default;
  // Keeps the window above all windows that are not topmost, without moving
  // or resizing it.
  virtual void MakeTopmost() = 0;
  // Puts the text on the clipboard. Where the clipboard cannot be had, it
  // keeps what it held.
  virtual void CopyToClipboard(std::string_view text) = 0;
};

}  // namespace hexling
