// What the reference window is, whatever draws it: the frame, and the four
// controls in keyboard focus order with their kinds, places, fonts and
// tooltips. A binding makes each kind of control with its toolkit and applies
// this table in one loop. Lengths are in twips, 1440 to the inch.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace hexling {

enum class ControlKind {
  PickList,  // a drop-down list the user can only pick from, one line high, that opens below
  TextPane,  // a multi-line text box that wraps, has no scroll bars and may be typed in
  ItemList,  // a single-selection list box
};

struct TwipsRect {
  int left, top, width, height;
};

struct ControlLayout {
  std::string_view name;  // the control's name in the window logic
  ControlKind kind;
  TwipsRect place;  // from the top left corner of the client area
  double points;    // the font's size
  std::string_view tooltip;  // also what a screen reader calls the control
};

struct WindowLayout {
  std::string_view title;
  int clientWidth, clientHeight;  // twips; the window cannot be resized
  std::string_view fontFace;      // regular weight, fixed pitch: a fixed-pitch stand-in where it is missing
  int openListRows;               // the entries an open drop-down list shows at once
  std::string_view copyCommand;   // the entry of each list's menu, its access key after the &
  std::array<ControlLayout, 4> controls;  // in keyboard focus order, which starts at the first
};

// clang-format off
inline constexpr WindowLayout Form1Layout{
    .title = "Hexling",
    .clientWidth = 6870,
    .clientHeight = 2580,
    .fontFace = "Courier New",
    .openListRows = 12,
    .copyCommand = "&Copy",
    .controls = {{
        {"HexCombo1",         ControlKind::PickList, {   0,   0, 6855,  390}, 12,   "Hex to ASM Command"},
        {"TranslationCombo1", ControlKind::PickList, {   0, 390, 1215,  390}, 12,   "ASM Command List"},
        {"TranslationText1",  ControlKind::TextPane, {1200, 390, 5655, 1235}, 12,   "ASM Command Description"},
        {"AllHexValuesList1", ControlKind::ItemList, {   0, 840, 1180,  780}, 9.75, "All existing values."},
    }},
};
// clang-format on

// The place of the control called `name` in Form1Layout.controls; a name
// that is not there stops the build.
consteval std::size_t ControlIndex(std::string_view name) {
  for (std::size_t i = 0; i < Form1Layout.controls.size(); ++i) {
    if (Form1Layout.controls[i].name == name) return i;
  }
  throw "Form1Layout has no control of that name";
}

inline constexpr int TwipsPerInch = 1440;

// A length in twips as device pixels at `dpi` dots per inch, to the nearest
// pixel: 15 twips to a pixel at 96 DPI, 10 at 144.
constexpr int Pixels(int twips, int dpi) { return (twips * dpi + TwipsPerInch / 2) / TwipsPerInch; }

}  // namespace hexling
