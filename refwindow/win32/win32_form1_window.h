// The reference window on screen with user32: a fixed-size, topmost dialog
// frame around the four standard controls, running the window logic of Form1.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "form1.h"
#include "form1_layout.h"
#include "win32_accessible_names.h"
#include "win32_com.h"
#include "win32_form1_layout.h"
#include "win32_handles.h"
#include "win32_widgets.h"

namespace hexling {

class Win32Form1Window final : private WindowFrame {
 public:
  // Creates the window and its controls at the window's DPI and loads it;
  // Show() it next. Throws std::system_error when user32 refuses a window;
  // what was made by then is released.
  explicit Win32Form1Window(HINSTANCE instance);
  ~Win32Form1Window() override;
  Win32Form1Window(const Win32Form1Window&) = delete;
  Win32Form1Window& operator=(const Win32Form1Window&) = delete;

  // Shows the window normal, at its one size, whatever show command the
  // program was started with, off the taskbar, and takes the foreground, as
  // a newly started program may: the keyboard is in HexCombo1. Tooltips and
  // the names for screen readers follow once the window is on screen.
  void Show();

  HWND Handle() const { return window_.get(); }
  Form1& Model() { return *form_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Command(HWND control, WORD code, WORD id);
  void Layout(UINT dpi);
  void Resize(SIZE size);
  void WhenOnScreen();
  void MakeTopmost() override;

  HINSTANCE instance_;
  std::optional<Com> com_;  // from the first Show on
  // Fonts and icons outlive the window that uses them.
  Form1Fonts fonts_;  // each control's, in focus order
  Form1Icons icons_;
  UniqueWindow window_;
  Form1ControlWindows controls_{};  // the window's children, in focus order
  SIZE size_{};                                  // the window's one size, frame included
  HWND tooltips_ = nullptr;                      // the window's, gone with it
  HWND lastFocus_ = nullptr;
  AccessibleNames names_;
  std::unique_ptr<Win32PickList> hexCombo_;
  std::unique_ptr<Win32PickList> translationCombo_;
  std::unique_ptr<Win32TextPane> translationText_;
  std::unique_ptr<Win32ItemList> allHexValuesList_;
  std::unique_ptr<Form1> form_;
};

// The event loop: runs until the window is gone and returns the status that
// its going posts, with the keyboard handled as in a dialog (Tab, Shift+Tab).
int RunEventLoop(const Win32Form1Window& window);

}  // namespace hexling
