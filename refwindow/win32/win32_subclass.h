// A control's messages seen first by its binding object, by comctl32's
// subclassing as Microsoft documents it for controls (SetWindowSubclass):
// Owner::OnMessage handles what it wants and passes the rest on with
// DefSubclassProc. The subclass goes with the control (WM_NCDESTROY) or with
// the object, whichever goes first.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "win32_kept_failure.h"

namespace hexling {

template <class Owner>
class Subclass {
 public:
  Subclass() = default;
  ~Subclass() {
    if (control_) RemoveWindowSubclass(control_, &Procedure, 0);
  }
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  void Install(HWND control, Owner& owner) {
    control_ = control;
    SetWindowSubclass(control, &Procedure, 0, reinterpret_cast<DWORD_PTR>(&owner));
  }

 private:
  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR owner) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(control, &Procedure, 0);
    return Guarded([&] { return reinterpret_cast<Owner*>(owner)->OnMessage(control, message, wParam, lParam); });
  }

  HWND control_ = nullptr;
};

}  // namespace hexling
