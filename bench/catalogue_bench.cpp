#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "asm_command_table.h"
#include "opcode_table.h"
#include "memory_widgets.h"

namespace hexling {
namespace {

// Each iteration looks up one code, cycling through all 256.
void HexToAsmCommandOverTheKeys(benchmark::State& state) {
  std::vector<std::string> codes;
  for (int byte = 0; byte < 256; ++byte) {
    const auto code = OpcodeText(static_cast<std::uint8_t>(byte));
    codes.emplace_back(code.begin(), code.end());
  }
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HexToAsmCommand(codes[next]));
    next = (next + 1) & 0xFF;
  }
}
BENCHMARK(HexToAsmCommandOverTheKeys);

void HexToAsmCommandOverNonKeys(benchmark::State& state) {
  const std::array<std::string, 8> codes = {"a9", "G0", "", "9", " A9", "A9 ", "0x", "FFF"};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HexToAsmCommand(codes[next]));
    next = (next + 1) % codes.size();
  }
}
BENCHMARK(HexToAsmCommandOverNonKeys);

// The slot is reused as the window reuses its own.
void DescribeAsmCommandOverTheKeys(benchmark::State& state) {
  std::vector<std::string> mnemonics;
  for (const AsmCommandRow& row : AsmCommandTable) mnemonics.emplace_back(row.mnemonic);
  std::string hexValues;
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DescribeAsmCommand(mnemonics[next], hexValues));
    next = (next + 1) % mnemonics.size();
  }
}
BENCHMARK(DescribeAsmCommandOverTheKeys);

// Creating the window and loading it: 90 mnemonics, 256 lines, the BRK chain.
void StartUpOnMemoryWidgets(benchmark::State& state) {
  for (auto _ : state) {
    testing::MemoryWindow window;
    window.form.OnFormLoad();
    benchmark::DoNotOptimize(window.allHexValuesList.selected);
  }
}
BENCHMARK(StartUpOnMemoryWidgets)->Unit(benchmark::kMicrosecond);

// A user's pick of a mnemonic, alternating between two with long code lists.
void MnemonicPickOnMemoryWidgets(benchmark::State& state) {
  testing::MemoryWindow window;
  window.form.OnFormLoad();
  const auto& entries = window.translationCombo.entries;
  const int lda = static_cast<int>(std::find(entries.begin(), entries.end(), "LDA") - entries.begin());
  const int sta = static_cast<int>(std::find(entries.begin(), entries.end(), "STA") - entries.begin());
  bool flip = false;
  for (auto _ : state) {
    window.translationCombo.UserPicks((flip = !flip) ? lda : sta);
    benchmark::DoNotOptimize(window.allHexValuesList.selected);
  }
}
BENCHMARK(MnemonicPickOnMemoryWidgets);

}  // namespace
}  // namespace hexling

BENCHMARK_MAIN();
