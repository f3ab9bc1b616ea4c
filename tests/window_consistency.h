// What every reaction promises to leave behind, checked from the outside:
// shared by the random-walk test and the fuzzer.
#pragma once

#include <string>

#include "catalogue/asm_command_table.h"
#include "catalogue/opcode_table.h"
#include "tests/memory_widgets.h"

namespace hexling::testing {

// Empty when the mnemonic side shows the picked mnemonic throughout: its
// description, its codes (each a line carrying it) with one selected, and its
// list plus one blank in the slot. With `hexSideAgrees`, the hex line must
// carry that mnemonic too. Otherwise says what is wrong.
inline std::string Inconsistency(const MemoryWindow& window, bool hexSideAgrees) {
  const std::string mnemonic = window.translationCombo.Text();
  std::string list;
  const std::string description = DescribeAsmCommand(mnemonic, list);
  if (mnemonic.empty()) return "no mnemonic is picked";
  if (window.translationText.text != description) return "the text shows \"" + window.translationText.text + "\"";
  if (window.form.AllHexValues != list + ' ') return "the slot holds \"" + window.form.AllHexValues + "\"";

  std::string shown;
  for (const std::string& item : window.allHexValuesList.items) {
    if (MnemonicOf(HexToAsmCommand(item)) != mnemonic) return "the code " + item + " is not " + mnemonic;
    shown += shown.empty() ? item : ' ' + item;
  }
  if (shown != list) return "the list shows \"" + shown + "\" for " + mnemonic;
  if (!InRange(window.allHexValuesList.selected, window.allHexValuesList.items.size())) return "no code is selected";
  if (hexSideAgrees && MnemonicOf(window.hexCombo.Text()) != mnemonic) {
    return "the hex line \"" + window.hexCombo.Text() + "\" is not " + mnemonic;
  }
  return {};
}

}  // namespace hexling::testing
