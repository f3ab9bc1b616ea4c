#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32_com.h"

struct IAccPropServices;

namespace hexling {

// Names controls for screen readers by Dynamic Annotation: the accessible
// name of each control is set with IAccPropServices::SetHwndPropStr
// (PROPID_ACC_NAME), and cleared again before the controls go (Clear), as
// Microsoft asks. Where the system offers no annotation (Wine says E_NOTIMPL), it does
// nothing: the hidden label before each control still names it.
class AccessibleNames {
 public:
  AccessibleNames() = default;
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  void Name(const Com& com, HWND control, const std::wstring& name);
  // Takes the names off again, while the controls are still there.
  void Clear();

 private:
  IAccPropServices* services_ = nullptr;
  bool tried_ = false;
  std::vector<HWND> named_;
};

}  // namespace hexling
