// The reference window's logic, free of any toolkit: its controls, the opcode
// list of the picked mnemonic, and the reactions that link them to each other
// and to the catalogue.
#pragma once

#include <string>

#include "widgets.h"

namespace hexling {

// The window's controls, created by the binding (or a test) and named with
// designated initializers so that the two pick lists cannot be swapped.
struct Form1Controls {
  PickList& HexCombo1;
  PickList& TranslationCombo1;
  TextPane& TranslationText1;
  ItemList& AllHexValuesList1;
};

// Only Return in the code list and the copy keys and menu in the lists have
// reactions. Escape never closes the window or clears a control, which each
// binding keeps its toolkit from doing; in an open list it only closes it.
class Form1 {
 public:
  // Fills TranslationCombo1 with the pickable mnemonics and wires each
  // control's event to its reaction. The controls must outlive the Form1.
  Form1(WindowFrame& frame, const Form1Controls& controls);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Runs once, before the window is first shown: makes it topmost, fills
  // HexCombo1 with the 256 opcode lines and picks line 00.
  void OnFormLoad();
  // An opcode line was picked: pick its mnemonic.
  void OnHexPicked();
  // A mnemonic was picked: show its description and codes, keeping the
  // selected position in the code list.
  void OnAsmCommandPicked();
  // A code was double-clicked: pick its opcode line.
  void OnHexValueDoubleClicked();
  // Return was pressed in the code list: jump as a double-click does, but
  // only from a selected code (a double-click always lands on one).
  void OnHexValueReturnPressed();
  // Copy was asked for in a list: the opcode line or the mnemonic it shows
  // (the highlighted one in an open list), or the selected code. Nothing
  // changes in the window.
  void OnHexCopy();
  void OnAsmCommandCopy();
  void OnHexValueCopy();

  PickList& HexCombo1;          // the 256 opcode lines, in byte order
  PickList& TranslationCombo1;  // the mnemonics, in ascending order
  TextPane& TranslationText1;   // the picked mnemonic's description
  ItemList& AllHexValuesList1;  // the picked mnemonic's codes
  std::string AllHexValues;     // its opcode list and one blank

 private:
  void CopyIfAny(const std::string& text);

  WindowFrame& frame_;
};

}  // namespace hexling
