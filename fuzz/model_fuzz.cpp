// libFuzzer entry: the lookups and text helpers on arbitrary text, and the
// window on arbitrary sequences of user actions.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "asm_command_table.h"
#include "opcode_table.h"
#include "hex_values.h"
#include "user_walk.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

void FuzzTexts(const std::string& text) {
  using namespace hexling;
  const std::string line = HexToAsmCommand(text);
  Require(line.empty() || (line.substr(0, 2) == text && MnemonicOf(line).size() == 3), "a line starts with its code");

  std::string hexValues = "left over";
  const std::string description = DescribeAsmCommand(text, hexValues);
  Require((description == "???") == (hexValues == "???"), "the fallback gives ??? for both");

  const auto items = SplitHexValues(text);
  Require(items.size() == (text.size() + 2) / 3, "one item per three characters");
  for (std::size_t i = 0; i < items.size(); ++i) Require(items[i] == text.substr(i * 3, 2), "items are cut in place");

  (void)HexValue(text);  // must not overflow or read past the text
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    FuzzTexts(input.ConsumeRemainingBytesAsString());
    return 0;
  }
  hexling::testing::UserWalk walk;
  while (input.remaining_bytes() > 0) {
    const auto kind = input.ConsumeIntegral<std::uint8_t>();
    const std::string fault = walk.Step(kind, input.ConsumeIntegral<std::uint16_t>());
    if (!fault.empty()) std::fprintf(stderr, "after action %u: %s\n", kind % 5u, fault.c_str());
    Require(fault.empty(), "the window stays consistent");
  }
  return 0;
}
