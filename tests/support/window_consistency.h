// What the window promises to show after a user's action, checked from the
// outside: shared by the model tests, the random walk and the fuzzer.
#pragma once

#include <algorithm>
#include <string>

#include "asm_command_table.h"
#include "memory_widgets.h"

namespace hexling::testing {

struct Promise {
  std::string hexLine;   // the line HexCombo1 shows
  std::string mnemonic;  // the mnemonic TranslationCombo1 shows
  int selected;          // the position of the selected code, -1 for none
};

// The number of codes the mnemonic's list shows.
inline int CodeCount(const std::string& mnemonic) {
  std::string list;
  DescribeAsmCommand(mnemonic, list);
  return static_cast<int>(list.size() + 1) / 3;
}

// Where a pick of `mnemonic` leaves the selection that was at `previous`:
// the same position, bounded to the new list (the first code for none).
inline int KeptPosition(int previous, const std::string& mnemonic) {
  return std::clamp(previous, 0, CodeCount(mnemonic) - 1);
}

// Empty when the window keeps the promise throughout: the two lists show the
// promised line and mnemonic, the text box the mnemonic's description, the
// code list its codes in order with the promised one selected, and the slot
// its opcode list and one blank. Otherwise says what differs.
inline std::string Broken(const MemoryWindow& window, const Promise& promise) {
  const auto differs = [](const char* what, const std::string& shown, const std::string& promised) {
    return std::string(what) + " shows \"" + shown + "\", not \"" + promised + "\"";
  };
  if (window.hexCombo.Text() != promise.hexLine) return differs("the opcode list", window.hexCombo.Text(), promise.hexLine);
  if (window.translationCombo.Text() != promise.mnemonic) {
    return differs("the mnemonic list", window.translationCombo.Text(), promise.mnemonic);
  }
  std::string list;
  const std::string description = DescribeAsmCommand(promise.mnemonic, list);
  if (window.translationText.text != description) return differs("the text box", window.translationText.text, description);
  if (window.form.AllHexValues != list + ' ') return differs("the slot", window.form.AllHexValues, list + ' ');
  std::string shown;
  for (const std::string& item : window.allHexValuesList.items) shown += shown.empty() ? item : ' ' + item;
  if (shown != list) return differs("the code list", shown, list);
  if (window.allHexValuesList.selected != promise.selected) {
    return "code " + std::to_string(window.allHexValuesList.selected) + " is selected, not " +
           std::to_string(promise.selected);
  }
  return {};
}

}  // namespace hexling::testing
