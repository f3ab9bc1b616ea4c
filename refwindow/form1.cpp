#include "form1.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "asm_command_table.h"
#include "line_mnemonics.h"
#include "hex_values.h"
#include "opcode_table.h"

namespace hexling {

Form1::Form1(WindowFrame& frame, const Form1Controls& controls)
    : HexCombo1(controls.HexCombo1),
      TranslationCombo1(controls.TranslationCombo1),
      TranslationText1(controls.TranslationText1),
      AllHexValuesList1(controls.AllHexValuesList1),
      frame_(frame) {
  TranslationCombo1.Append({LineMnemonics.begin(), LineMnemonics.end()});
  HexCombo1.picked.Connect([this] { OnHexPicked(); });
  TranslationCombo1.picked.Connect([this] { OnAsmCommandPicked(); });
  AllHexValuesList1.doubleClicked.Connect([this] { OnHexValueDoubleClicked(); });
  AllHexValuesList1.returnPressed.Connect([this] { OnHexValueReturnPressed(); });
  HexCombo1.copyAsked.Connect([this] { OnHexCopy(); });
  TranslationCombo1.copyAsked.Connect([this] { OnAsmCommandCopy(); });
  AllHexValuesList1.copyAsked.Connect([this] { OnHexValueCopy(); });
}

void Form1::OnFormLoad() {
  frame_.MakeTopmost();
  std::vector<std::string> lines;
  for (int byte = 0; byte < 256; ++byte) {
    const auto code = OpcodeText(static_cast<std::uint8_t>(byte));
    lines.push_back(HexToAsmCommand(std::string_view(code.data(), code.size())));
  }
  HexCombo1.Append(lines);
  HexCombo1.SetText(HexCombo1.EntryAt(0));
}

void Form1::OnHexPicked() { TranslationCombo1.SetText(MnemonicOf(HexCombo1.Text())); }

void Form1::OnAsmCommandPicked() {
  TranslationText1.SetText(DescribeAsmCommand(TranslationCombo1.Text(), AllHexValues));
  AllHexValues += ' ';

  const int kept = AllHexValuesList1.SelectedIndex();
  AllHexValuesList1.Clear();
  for (const std::string& code : SplitHexValues(AllHexValues)) AllHexValuesList1.Append(code);
  // The list is never empty here: the slot holds at least the blank just added.
  AllHexValuesList1.Select(std::clamp(kept, 0, AllHexValuesList1.Count() - 1));
}

void Form1::OnHexValueDoubleClicked() {
  const auto byte = HexValue(AllHexValuesList1.SelectedText());
  // Codes are at most two digits; anything larger picks no line.
  HexCombo1.SetText(HexCombo1.EntryAt(byte < 256 ? static_cast<int>(byte) : -1));
}

void Form1::OnHexValueReturnPressed() {
  if (AllHexValuesList1.SelectedIndex() >= 0) OnHexValueDoubleClicked();
}

void Form1::OnHexCopy() { CopyIfAny(HexCombo1.HighlightedText()); }

void Form1::OnAsmCommandCopy() { CopyIfAny(TranslationCombo1.HighlightedText()); }

void Form1::OnHexValueCopy() { CopyIfAny(AllHexValuesList1.SelectedText()); }

// An empty text would only empty the clipboard.
void Form1::CopyIfAny(const std::string& text) {
  if (!text.empty()) frame_.CopyToClipboard(text);
}

}  // namespace hexling
