// Drives a loaded in-memory window with what a user can do, and checks after
// every action what the window promises. The random-walk test and the fuzzer
// choose the actions.
#pragma once

#include <string>

#include "catalogue/opcode_table.h"
#include "tests/memory_widgets.h"
#include "tests/window_consistency.h"

namespace hexling::testing {

class UserWalk {
 public:
  UserWalk() { window.form.OnFormLoad(); }

  // Performs action `kind` (taken modulo 5) on the entry or item that
  // `choice` names (taken modulo the count). Returns what went wrong, or
  // the empty text.
  std::string Step(unsigned kind, unsigned choice) {
    auto& list = window.allHexValuesList;
    const auto pick = [&](int count) { return static_cast<int>(choice % static_cast<unsigned>(count)); };
    std::string expectedLine;
    int expectedSelection = -1;
    switch (kind % 5) {
      case 0:
        window.hexCombo.UserPicks(pick(window.hexCombo.Count()));
        hexSideAgrees_ = true;
        break;
      case 1:
        window.translationCombo.UserPicks(pick(window.translationCombo.Count()));
        hexSideAgrees_ = MnemonicOf(window.hexCombo.Text()) == window.translationCombo.Text();
        break;
      case 2:  // a single click changes the selection and nothing else
        list.Select(pick(list.Count()));
        break;
      case 3:
        expectedSelection = pick(list.Count());
        expectedLine = HexToAsmCommand(list.ItemAt(expectedSelection));
        list.UserDoubleClicks(expectedSelection);
        hexSideAgrees_ = true;
        break;
      case 4:  // ctrl-click on the selected item leaves nothing selected
        list.Select(-1);
        if (choice % 2 == 0) {
          list.DoubleClicked();
          expectedLine = "00  BRK  Stack/Interrupt";
          hexSideAgrees_ = true;
        }
        break;
    }
    if (list.selected == -1) return {};  // the one state that no reaction leaves behind
    if (auto fault = Inconsistency(window, hexSideAgrees_); !fault.empty()) return fault;
    if (!expectedLine.empty() && window.hexCombo.Text() != expectedLine) {
      return "the hex line is \"" + window.hexCombo.Text() + "\", not \"" + expectedLine + "\"";
    }
    if (expectedSelection >= 0 && list.selected != expectedSelection) return "the double-clicked code lost its selection";
    return {};
  }

  MemoryWindow window;

 private:
  bool hexSideAgrees_ = true;
};

}  // namespace hexling::testing
