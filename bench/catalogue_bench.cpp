// The lookups and the window logic under Google Benchmark. Each lookup is
// measured beside its floor, in the same run: the copy of the same result
// texts from a prepared array, which any lookup that returns a new string
// pays (the allocation and the copy). Their ratio, unlike nanoseconds,
// carries from one machine to another; the program ends by saying each
// ratio, for information: a lookup runs once per click.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "asm_command_table.h"
#include "memory_widgets.h"
#include "opcode_table.h"

namespace hexling {
namespace {

std::vector<std::string> Codes() {
  std::vector<std::string> codes;
  for (int byte = 0; byte < 256; ++byte) {
    const auto code = OpcodeText(static_cast<std::uint8_t>(byte));
    codes.emplace_back(code.begin(), code.end());
  }
  return codes;
}

// Each iteration looks up one code, cycling through all 256.
void LookUpOpcodeLines(benchmark::State& state) {
  const std::vector<std::string> codes = Codes();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HexToAsmCommand(codes[next]));
    next = (next + 1) & 0xFF;
  }
}
BENCHMARK(LookUpOpcodeLines)->Name("HexToAsmCommand");

// The same lines, copied from the table in the same order.
void CopyOpcodeLines(benchmark::State& state) {
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::string(OpcodeTable[next]));
    next = (next + 1) & 0xFF;
  }
}
BENCHMARK(CopyOpcodeLines)->Name("HexToAsmCommandFloor");

void LookUpNonCodes(benchmark::State& state) {
  const std::array<std::string, 8> codes = {"a9", "G0", "", "9", " A9", "A9 ", "0x", "FFF"};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HexToAsmCommand(codes[next]));
    next = (next + 1) % codes.size();
  }
}
BENCHMARK(LookUpNonCodes)->Name("HexToAsmCommandOverNonCodes");

// Each iteration describes one mnemonic, cycling through the table's rows;
// the slot is reused as the window reuses its own.
void LookUpDescriptions(benchmark::State& state) {
  std::vector<std::string> mnemonics;
  for (const AsmCommandRow& row : AsmCommandTable) mnemonics.emplace_back(row.mnemonic);
  std::string hexValues;
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DescribeAsmCommand(mnemonics[next], hexValues));
    next = (next + 1) % mnemonics.size();
  }
}
BENCHMARK(LookUpDescriptions)->Name("DescribeAsmCommand");

// The same descriptions and code lists, copied from the table in the same order.
void CopyDescriptions(benchmark::State& state) {
  std::string hexValues;
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::string(AsmCommandTable[next].description));
    hexValues.assign(AsmCommandTable[next].hexValues);
    benchmark::DoNotOptimize(hexValues);
    next = (next + 1) % AsmCommandTable.size();
  }
}
BENCHMARK(CopyDescriptions)->Name("DescribeAsmCommandFloor");

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

// Prints as the console does, and keeps each benchmark's time per iteration:
// the median where runs are repeated, the one run's otherwise.
class KeepingReporter final : public benchmark::ConsoleReporter {
 public:
  // In colour only on a terminal.
  KeepingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration ? run.repetitions <= 1 : run.aggregate_name == "median") {
        times[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::map<std::string, double> times;
};

}  // namespace
}  // namespace hexling

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  hexling::KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  // Each lookup as a ratio to its floor.
  for (const char* lookup : {"HexToAsmCommand", "DescribeAsmCommand"}) {
    const auto time = reporter.times.find(lookup);
    const auto floor = reporter.times.find(std::string(lookup) + "Floor");
    if (time == reporter.times.end() || floor == reporter.times.end()) continue;  // filtered out
    const double ratio = time->second / floor->second;
    std::printf("%s: %.2f x its floor\n", lookup, ratio);
  }
  return 0;
}
