// How the user32 binding shows Form1Layout: the frame of the window with its
// icons, and the controls user32 makes, in focus order, with their places and
// fonts at a DPI. What the window shows before any data: the window uses it, and so
// does the start-up benchmark's program of the same controls, empty.
#pragma once

#include <windows.h>

#include <array>

#include "form1_layout.h"
#include "win32_handles.h"

namespace hexling {

// A dialog window, as the dialog manager makes one: a pop-up with a caption,
// the icon and a close box, and no sizing border, no minimise or maximise
// box. It is owned by a hidden window (CreateForm1Owner), so that it has no
// taskbar button.
inline constexpr DWORD Form1FrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD Form1FrameExStyle = WS_EX_CONTROLPARENT;

// The window's owner, never shown, placed where the system places a new
// window: "The Taskbar" gives an owned window no button, and the window opens
// at its owner's place, as a pop-up must be told where (CW_USEDEFAULT is for
// overlapped windows only). Throws std::system_error when user32 refuses it.
UniqueWindow CreateForm1Owner(HINSTANCE instance);

// Creates the window of class `windowClass` with the frame's styles, hidden,
// owned by `owner` and at its place; `parameters` go to WM_NCCREATE. Null
// when the window is not made.
HWND CreateForm1Frame(HWND owner, const wchar_t* windowClass, HINSTANCE instance, void* parameters);

// The controls' ids, in focus order from here: clear of IDOK and IDCANCEL,
// which the dialog keys send.
inline constexpr int Form1FirstControlId = 101;

using Form1ControlWindows = std::array<HWND, Form1Layout.controls.size()>;
using Form1Fonts = std::array<UniqueFont, Form1Layout.controls.size()>;

// Makes the controls of Form1Layout in the window, in focus order (the order
// the dialog keys go round), each just after a hidden label with its tooltip:
// what a screen reader takes for the name of a control without text. Throws
// std::system_error when user32 refuses one.
Form1ControlWindows CreateForm1Controls(HWND window, HINSTANCE instance);

// Places the controls and gives them their fonts at `dpi`; returns the fonts,
// which must outlive their use: the caller lets the ones before go then.
Form1Fonts LayOutForm1Controls(const Form1ControlWindows& controls, UINT dpi);

// The window's size, frame included, for the layout's client area at `dpi`.
SIZE Form1FrameSize(UINT dpi);

struct Form1Icons {
  UniqueIcon large;  // the task switcher's
  UniqueIcon small;  // the caption's
};

// Gives the window the program's icon at the sizes the system asks at `dpi`;
// returns them, which must outlive their use: the caller lets the ones before go then.
Form1Icons SetForm1Icons(HWND window, HINSTANCE instance, UINT dpi);

}  // namespace hexling
