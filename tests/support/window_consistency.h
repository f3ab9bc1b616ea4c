// What the window promises to show after a user's action, checked from the
// outside: shared by the model tests, the random walk and the fuzzer.
#pragma once

#include <string>

#include "asm_command_table.h"
#include "memory_widgets.h"

namespace hexling::testing {

// A selected position: one of the codes, whichever.
inline constexpr int AnyCode = -2;

struct Promise {
  std::string hexLine;   // the line HexCombo1 shows
  std::string mnemonic;  // the mnemonic TranslationCombo1 shows
  int selected;          // the position of the selected code, -1 for none, or AnyCode
};

// Empty when the window keeps the promise throughout: the two lists show the
// promised line and mnemonic, the text box the mnemonic's description, the
// code list its codes in order with the promised one selected (the bound to
// the new list is the directed tests'), and the slot
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
  const int selected = window.allHexValuesList.selected;
  if (promise.selected == AnyCode ? selected < 0 || selected >= window.allHexValuesList.Count()
                                  : selected != promise.selected) {
    return "code " + std::to_string(selected) + " is selected, not " + std::to_string(promise.selected);
  }
  return {};
}

}  // namespace hexling::testing
