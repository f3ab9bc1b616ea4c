// The reference window on screen with user32: a fixed-size, topmost dialog
// frame around the four standard controls, running the window logic of Form1.
#pragma once

#include <windows.h>

#include <memory>

#include "form1.h"
#include "win32_form1_layout.h"
#include "win32_handles.h"
#include "win32_widgets.h"

namespace hexling {

class Win32Form1Window final : private WindowFrame {
 public:
  // Creates the window, hidden, with its controls at the window's DPI, and
  // loads it; Show() it next. Throws what making it threw (std::system_error
  // where user32 refuses a window); nothing of it is left then.
  explicit Win32Form1Window(HINSTANCE instance);
  Win32Form1Window(const Win32Form1Window&) = delete;
  Win32Form1Window& operator=(const Win32Form1Window&) = delete;

  // Shows the window normal, at its one size, whatever show command the
  // program was started with: the keyboard is in HexCombo1.
  void Show();

  // Takes what the window handles from the event loop before it is
  // dispatched: the copy keys, and the dialog keys (Tab, Shift+Tab, Return).
  bool PreTranslateMessage(MSG& message) const;

  HWND Handle() const { return window_; }
  Form1& Model() { return *form_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void MakeControls();
  void Command(HWND control, WORD code, WORD id);
  void CopyFrom(HWND control);
  const Event* CopyAskedOf(HWND list) const;  // null for any other control
  bool ShowCopyMenu(HWND control, LPARAM at);
  void AddTooltips();
  void MakeTopmost() override;
  void CopyToClipboard(std::string_view text) override;

  HINSTANCE instance_;
  UniqueAcceleratorTable copyKeys_;
  // Fonts and icons outlive the window that uses them.
  Form1Fonts fonts_;  // each control's, in focus order
  Form1Icons icons_;
  HWND window_ = nullptr;            // from WM_NCCREATE to WM_NCDESTROY
  Form1ControlWindows controls_{};  // the window's children, in focus order
  SIZE size_{};                     // the window's one size, frame included
  HWND lastFocus_ = nullptr;        // the control that had the keyboard when the window lost it
  std::unique_ptr<Win32PickList> hexCombo_;
  std::unique_ptr<Win32PickList> translationCombo_;
  std::unique_ptr<Win32TextPane> translationText_;
  std::unique_ptr<Win32ItemList> allHexValuesList_;
  std::unique_ptr<Form1> form_;
  // The window's owner, never shown: an owned window gets no taskbar button.
  // Last, so gone first, and the window with it, while everything its
  // messages reach is still here.
  UniqueWindow owner_;
};

// The event loop: runs until the window is gone and returns the status that
// its going posts, with the keyboard handled as in a dialog (Tab, Shift+Tab).
int RunEventLoop(const Win32Form1Window& window);

// The program: makes the window, shows it and runs the event loop. Where
// something failed, in making the window or in any of its procedures, it
// says what in a message box once the loop has ended, and returns 1.
int RunForm1Program(HINSTANCE instance);

}  // namespace hexling
