// The window's controls kept in memory: they hold state and call back like the
// real ones, so the whole window logic runs without a screen.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "form1.h"
#include "widgets.h"

namespace hexling::testing {

inline bool InRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

class MemoryPickList final : public PickList {
 public:
  void Append(const std::vector<std::string>& added) override { entries.insert(entries.end(), added.begin(), added.end()); }
  int Count() const override { return static_cast<int>(entries.size()); }
  std::string EntryAt(int index) const override {
    return InRange(index, entries.size()) ? entries[static_cast<std::size_t>(index)] : std::string();
  }
  std::string Text() const override { return EntryAt(selected); }

  // What a user's pick does: select, then report the pick.
  void UserPicks(int index) {
    selected = InRange(index, entries.size()) ? index : -1;
    picked.Raise();
  }

  std::vector<std::string> entries;
  int selected = -1;

 protected:
  void SelectEntry(std::string_view text) override {
    const auto found = std::find(entries.begin(), entries.end(), text);
    selected = found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
  }
};

class MemoryItemList final : public ItemList {
 public:
  void Clear() override {
    items.clear();
    selected = -1;
  }
  void Append(std::string_view item) override { items.emplace_back(item); }
  int Count() const override { return static_cast<int>(items.size()); }
  std::string ItemAt(int index) const override {
    return InRange(index, items.size()) ? items[static_cast<std::size_t>(index)] : std::string();
  }
  int SelectedIndex() const override { return selected; }
  void Select(int index) override { selected = InRange(index, items.size()) ? index : -1; }

  // A double-click selects the item under the pointer, then reports itself.
  void UserDoubleClicks(int index) {
    Select(index);
    doubleClicked.Raise();
  }

  std::vector<std::string> items;
  int selected = -1;
};

class MemoryTextPane final : public TextPane {
 public:
  void SetText(std::string_view newText) override { text = newText; }
  std::string text;
};

class MemoryFrame final : public WindowFrame {
 public:
  void MakeTopmost() override { topmost = true; }
  void CopyToClipboard(std::string_view text) override { clipboard.emplace_back(text); }
  bool topmost = false;
  std::vector<std::string> clipboard;  // every text copied, in order
};

// A whole window in memory, created but not yet loaded.
struct MemoryWindow {
  MemoryFrame frame;
  MemoryPickList hexCombo;
  MemoryPickList translationCombo;
  MemoryTextPane translationText;
  MemoryItemList allHexValuesList;
  Form1 form{frame,
             {.HexCombo1 = hexCombo,
              .TranslationCombo1 = translationCombo,
              .TranslationText1 = translationText,
              .AllHexValuesList1 = allHexValuesList}};
};

}  // namespace hexling::testing
