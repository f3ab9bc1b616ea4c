// The reference window on screen with user32: a fixed-size, topmost dialog
// frame around the four standard controls, running the window logic of Form1.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "form1.h"
#include "form1_layout.h"
#include "win32_widgets.h"

namespace hexling {

class Win32Form1Window final : private WindowFrame {
 public:
  // Creates the window and its controls at the window's DPI and loads it;
  // Show() it next. Throws std::system_error when user32 refuses a window.
  explicit Win32Form1Window(HINSTANCE instance);
  ~Win32Form1Window() override;
  Win32Form1Window(const Win32Form1Window&) = delete;
  Win32Form1Window& operator=(const Win32Form1Window&) = delete;

  // Shows the window the first time. Once the event loop runs, the window
  // takes the keyboard, for HexCombo1, and gets its tooltips.
  void Show(int showCommand);

  HWND Handle() const { return window_; }
  Form1& Model() { return *form_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Command(HWND control, WORD code, WORD id);
  void Layout(UINT dpi);
  void AddTooltips();
  void MakeTopmost() override;

  HINSTANCE instance_;
  HWND owner_ = nullptr;   // hidden: an owned window gets no taskbar button
  HWND window_ = nullptr;
  std::array<HFONT, Form1Layout.controls.size()> fonts_{};  // each control's, in focus order
  HWND tooltips_ = nullptr;
  HWND lastFocus_ = nullptr;
  std::unique_ptr<Win32PickList> hexCombo_;
  std::unique_ptr<Win32PickList> translationCombo_;
  std::unique_ptr<Win32TextPane> translationText_;
  std::unique_ptr<Win32ItemList> allHexValuesList_;
  std::unique_ptr<Form1> form_;
};

// The event loop: runs until the window is closed and returns the status that
// closing it posts, with the keyboard handled as in a dialog (Tab, Shift+Tab).
int RunEventLoop(const Win32Form1Window& window);

}  // namespace hexling
