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

// The byte of the two hex digits at `at`, or -1 when they are none.
constexpr int CodeAt(std::string_view list, std::size_t at) {
  return at + 2 > list.size() ? -1 : OpcodeByte(list.substr(at, 2));
}

constexpr bool ListsAreAscendingCodesOneBlankApart() {
  return std::all_of(AsmCommandTable.begin(), AsmCommandTable.end(), [](const AsmCommandRow& row) {
    const std::string_view list = row.hexValues;
    if (list.empty()) return true;
    if (list.size() % 3 != 2) return false;
    for (std::size_t at = 0; at < list.size(); at += 3) {
      if (CodeAt(list, at) < 0 || (at > 0 && (list[at - 1] != ' ' || CodeAt(list, at - 3) >= CodeAt(list, at)))) {
        return false;
      }
    }
    return true;
  });
}

// The row whose list names each code; -1 where none does, -2 where several do.
constexpr std::array<int, 256> RowOfEachCode() {
  std::array<int, 256> rowOf{};
  rowOf.fill(-1);
  for (std::size_t row = 0; row < AsmCommandTable.size(); ++row) {
    const std::string_view list = AsmCommandTable[row].hexValues;
    for (std::size_t at = 0; at < list.size(); at += 3) {
      const int code = CodeAt(list, at);
      if (code < 0) continue;
      rowOf[static_cast<std::size_t>(code)] = rowOf[static_cast<std::size_t>(code)] == -1 ? static_cast<int>(row) : -2;
    }
  }
  return rowOf;
}

// With the keys distinct, this makes each list exactly the codes of the lines
// that carry its mnemonic.
constexpr bool EachCodeIsListedOnceUnderItsLinesMnemonic() {
  const auto rowOf = RowOfEachCode();
  for (std::size_t byte = 0; byte < OpcodeTable.size(); ++byte) {
    if (rowOf[byte] < 0) return false;
    if (AsmCommandTable[static_cast<std::size_t>(rowOf[byte])].mnemonic != MnemonicOf(OpcodeTable[byte])) return false;
  }
  return true;
}

constexpr bool OnlyJmlAndJslHaveNoCodes() {
  return std::all_of(AsmCommandTable.begin(), AsmCommandTable.end(), [](const AsmCommandRow& row) {
    return row.hexValues.empty() == (row.mnemonic == "JML" || row.mnemonic == "JSL");
  });
}

static_assert(KeysAreThreeCapitals(), "a mnemonic is three uppercase letters");
static_assert(KeysAreDistinct(), "a mnemonic has one row");
static_assert(EveryRowIsDescribed(), "every mnemonic has a description");
static_assert(ListsAreAscendingCodesOneBlankApart(), "an opcode list is ascending codes, one blank apart");
static_assert(EachCodeIsListedOnceUnderItsLinesMnemonic(),
              "each of the 256 codes stands in exactly one list, that of the mnemonic its line carries");
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
