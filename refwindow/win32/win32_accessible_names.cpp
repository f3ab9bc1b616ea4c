#include "win32_accessible_names.h"

#include <oleacc.h>

namespace hexling {

AccessibleNames::~AccessibleNames() {
  Clear();
  if (services_) services_->Release();
}

void AccessibleNames::Clear() {
  const MSAAPROPID name = PROPID_ACC_NAME;
  for (const HWND control : named_) services_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, &name, 1);
  named_.clear();
}

void AccessibleNames::Name(const Com& com, HWND control, const std::wstring& name) {
  if (!tried_) {
    tried_ = true;
    com.CreateInstance(CLSID_AccPropServices, IID_IAccPropServices, reinterpret_cast<void**>(&services_));
  }
  if (services_ &&
      SUCCEEDED(services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, name.c_str()))) {
    named_.push_back(control);
  }
}

}  // namespace hexling
