// Drives a loaded in-memory window with what a user can do, and checks after
// every action all that the window promises: the line, the mnemonic, its
// description and codes, and the selected code. The random-walk test and the
// fuzzer choose the actions.
#pragma once

#include <cstddef>
#include <string>

#include "opcode_table.h"
#include "memory_widgets.h"
#include "window_consistency.h"

namespace hexling::testing {

class UserWalk {
 public:
  UserWalk() {
    window.form.OnFormLoad();
    startFault_ = LoadFault();
  }

  // Performs action `kind` (taken modulo 5) on the entry or item that
  // `choice` names (taken modulo the count). Returns what went wrong, or
  // the empty text.
  std::string Step(unsigned kind, unsigned choice) {
    if (!startFault_.empty()) return "after loading: " + startFault_;
    auto& list = window.allHexValuesList;
    const auto pick = [&](std::size_t count) { return static_cast<int>(choice % (count == 0 ? 1 : count)); };
    Promise promise{window.hexCombo.Text(), window.translationCombo.Text(), list.selected};
    switch (kind % 5) {
      case 0: {
        const int line = pick(window.hexCombo.entries.size());
        promise.hexLine = OpcodeTable[static_cast<std::size_t>(line)];
        promise.mnemonic = MnemonicOf(promise.hexLine);
        promise.selected = AnyCode;
        window.hexCombo.UserPicks(line);
        break;
      }
      case 1: {  // the opcode line stays as it was
        const int entry = pick(window.translationCombo.entries.size());
        promise.mnemonic = window.translationCombo.entries[static_cast<std::size_t>(entry)];
        promise.selected = AnyCode;
        window.translationCombo.UserPicks(entry);
        break;
      }
      case 2:  // a single click changes the selection and nothing else
        promise.selected = pick(list.items.size());
        list.Select(promise.selected);
        break;
      case 3: {  // the code's line, the same mnemonic, the code still selected
        promise.selected = pick(list.items.size());
        promise.hexLine = HexToAsmCommand(list.items[static_cast<std::size_t>(promise.selected)]);
        list.UserDoubleClicks(promise.selected);
        break;
      }
      case 4:  // ctrl-click on the selected item leaves nothing selected
        list.Select(-1);
        promise.selected = -1;
        if (choice % 2 == 0) {  // and a double-click then falls back to line 00
          promise = {std::string(OpcodeTable[0]), "BRK", 0};
          list.doubleClicked.Raise();
        }
        break;
    }
    return Broken(window, promise);
  }

  MemoryWindow window;

 private:
  // Loaded: topmost, the 256 lines in byte order, line 00 and BRK shown.
  std::string LoadFault() const {
    if (!window.frame.topmost) return "the window is not topmost";
    if (window.hexCombo.entries != std::vector<std::string>(OpcodeTable.begin(), OpcodeTable.end())) {
      return "the opcode list does not hold the 256 lines in byte order";
    }
    return Broken(window, {std::string(OpcodeTable[0]), "BRK", 0});
  }

  std::string startFault_;
};

}  // namespace hexling::testing
