#include "asm_command_table.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "ascii.h"
#include "fingerprint.h"
#include "line_mnemonics.h"
#include "opcode_table.h"

namespace hexling {
namespace {

constexpr bool KeysAreThreeCapitals() {
  return std::all_of(AsmCommandTable.begin(), AsmCommandTable.end(), [](const AsmCommandRow& row) {
    return row.mnemonic.size() == 3 && std::all_of(row.mnemonic.begin(), row.mnemonic.end(), IsUppercaseLetter);
  });
}

constexpr bool KeysAreDistinct() {
  for (std::size_t i = 0; i < AsmCommandTable.size(); ++i) {
    for (std::size_t j = i + 1; j < AsmCommandTable.size(); ++j) {
      if (AsmCommandTable[i].mnemonic == AsmCommandTable[j].mnemonic) return false;
    }
  }
  return true;
}

constexpr bool EveryRowIsDescribed() {
  return std::none_of(AsmCommandTable.begin(), AsmCommandTable.end(),
                      [](const AsmCommandRow& row) { return row.description.empty(); });
}

// With the keys distinct, 256 codes that each name a line of their row's
// mnemonic are each listed once, under the mnemonic their line carries.
constexpr bool ListsAreTheCodesOfTheirLines() {
  std::size_t listed = 0;
  for (const AsmCommandRow& row : AsmCommandTable) {
    const std::string_view list = row.hexValues;
    if (!list.empty() && list.size() % 3 != 2) return false;  // a stray blank or character
    int previous = -1;
    for (std::size_t at = 0; at < list.size(); at += 3, ++listed) {
      const int code = OpcodeByte(list.substr(at, 2));
      if (code <= previous || (at > 0 && list[at - 1] != ' ')) return false;
      if (MnemonicOf(OpcodeTable[static_cast<std::size_t>(code)]) != row.mnemonic) return false;
      previous = code;
    }
  }
  return listed == OpcodeTable.size();
}

constexpr bool OnlyJmlAndJslHaveNoCodes() {
  return std::all_of(AsmCommandTable.begin(), AsmCommandTable.end(), [](const AsmCommandRow& row) {
    return row.hexValues.empty() == (row.mnemonic == "JML" || row.mnemonic == "JSL");
  });
}

static_assert(KeysAreThreeCapitals(), "a mnemonic is three uppercase letters");
static_assert(KeysAreDistinct(), "a mnemonic has one row");
static_assert(EveryRowIsDescribed(), "every mnemonic has a description");
static_assert(ListsAreTheCodesOfTheirLines(),
              "an opcode list is the codes of the lines that carry its mnemonic, ascending, one blank apart");
static_assert(OnlyJmlAndJslHaveNoCodes(), "JML and JSL carry no line; every other mnemonic does");
static_assert(LineMnemonics.size() == AsmCommandTable.size() - 2,
              "the pickable mnemonics are the rows less JML and JSL");

constexpr std::uint64_t TableFingerprint() {
  Fingerprint fingerprint;
  for (const AsmCommandRow& row : AsmCommandTable) fingerprint.Add(row.mnemonic).Add(row.description).Add(row.hexValues);
  return fingerprint.Value();
}

// The descriptions are shown exactly as written, odd wording included; no
// structural check can tell a changed letter, this can.
static_assert(TableFingerprint() == 0xb32da996d72ba8d7ULL,
              "the mnemonic rows differ from their checked text: if the change is meant, "
              "update this fingerprint in the same commit");

}  // namespace

std::string DescribeAsmCommand(std::string_view mnemonic, std::string& hexValues) {
  const auto row = std::find_if(AsmCommandTable.begin(), AsmCommandTable.end(),
                                [mnemonic](const AsmCommandRow& each) { return each.mnemonic == mnemonic; });
  if (row == AsmCommandTable.end()) {
    hexValues.assign(FallbackText);
    return std::string(FallbackText);
  }
  hexValues.assign(row->hexValues);
  return std::string(row->description);
}

}  // namespace hexling
