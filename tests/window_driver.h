// What a user does to the window on screen and what they see there, in
// terms that fit every binding. Each binding's tests implement it over real
// controls, acting by real input (its toolkit's test events, or the messages
// that input delivers) and reading the window back; the behaviour table runs
// against it.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "form1_layout.h"

namespace hexling::testing {

// The controls by their place in Form1Layout.controls, which is focus order.
inline constexpr std::size_t HexCombo = ControlIndex("HexCombo1");
inline constexpr std::size_t MnemonicCombo = ControlIndex("TranslationCombo1");
inline constexpr std::size_t Description = ControlIndex("TranslationText1");
inline constexpr std::size_t CodeList = ControlIndex("AllHexValuesList1");
inline constexpr std::size_t NoControl = Form1Layout.controls.size();

enum class Key { Down, Return, KeypadEnter, Escape, Tab, ShiftTab, End, CtrlA, CtrlC, CtrlInsert, Space };

// How a control's menu is opened.
enum class MenuBy { RightButton, ShiftF10, MenuKey };

// A menu as it opened: its entries, without access keys or shortcuts; the
// entry active at once, empty for none; and where its top left corner is:
// "below the control", "below code XX", or elsewhere.
struct MenuShown {
  std::vector<std::string> entries;
  std::string active;
  std::string place;
};

struct PixelRect {
  int left, top, width, height;
  bool operator==(const PixelRect&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const PixelRect& at) {
    return out << at.left << ',' << at.top << ' ' << at.width << 'x' << at.height;
  }
};

// A control's font as drawn: its em height, and whether it is fixed-pitch
// (i as wide as W) and regular (weight 400, not italic).
struct FontShown {
  int pixels;
  bool fixedPitch, regular;
  bool operator==(const FontShown&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const FontShown& font) {
    return out << font.pixels << " px" << (font.fixedPitch ? "" : ", proportional") << (font.regular ? "" : ", not regular");
  }
};

// Where each control sits at 96 DPI, in focus order, and its font's em height.
inline constexpr PixelRect PlacesAt96Dpi[] = {{0, 0, 457, 26}, {0, 26, 81, 26}, {80, 26, 377, 82}, {0, 56, 79, 52}};
inline constexpr int FontPixelsAt96Dpi[] = {16, 16, 16, 13};

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  // Acting. The keyboard goes to `control` first, as a click or Tab would
  // give it; in an open list, keys and characters go to the list.
  virtual void Press(std::size_t control, Key key) = 0;
  virtual void Type(std::size_t control, std::string_view characters) = 0;  // keys a keyboard gives, one by one
  virtual void OpenList(std::size_t combo) = 0;                              // with Alt+Down
  virtual void ClickEntry(std::size_t combo, std::string_view entry) = 0;   // opens the list, clicks the entry
  virtual void ClickCode(std::string_view code, int clicks, bool withCtrl) = 0;  // 1, or 2 for a double-click
  // Opens the control's menu (by the right button on `code` in the code
  // list, on the control otherwise) and chooses Copy in it: by Return where
  // it is active, by its access key otherwise.
  virtual MenuShown CopyByMenu(std::size_t control, MenuBy by, std::string_view code) = 0;
  // Scrolls the code list to its end, as its scroll bar does, leaving the selection.
  virtual void ScrollCodesToEnd() = 0;

  // What the window shows.
  virtual bool IsShown() = 0;
  virtual std::string Text(std::size_t control) = 0;  // a drop-down list's shown entry, the description's text
  virtual std::vector<std::string> Codes() = 0;
  virtual std::string SelectedCode() = 0;                   // empty with none
  virtual std::string Highlighted(std::size_t combo) = 0;  // in its open list; empty while closed
  virtual std::size_t Focus() = 0;                          // NoControl when none has the keyboard
  virtual bool ShowsFocus(std::size_t control) = 0;         // the control with the keyboard says so on screen
  virtual std::string Clipboard() = 0;
  virtual void SetClipboard(std::string_view text) = 0;

  // What each control is, as shown at 96 DPI.
  virtual PixelRect Place(std::size_t control) = 0;  // in the client area
  virtual std::string Tooltip(std::size_t control) = 0;
  virtual FontShown Font(std::size_t control) = 0;
  virtual bool ShowsWholeDescription() = 0;  // every line of it, on more than one line
};

// The window of the binding under test, loaded and on screen, at 96 DPI.
std::unique_ptr<WindowDriver> NewWindowDriver();

// The binding's name in test names ("Qt", "Win32"), for a row it cannot show.
extern const char* const BindingName;

}  // namespace hexling::testing
