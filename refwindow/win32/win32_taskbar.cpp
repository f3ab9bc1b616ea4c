#include "win32_taskbar.h"

#include <shobjidl.h>

namespace hexling {

void RemoveTaskbarButton(const Com& com, HWND window) {
  ITaskbarList* taskbar = nullptr;
  if (!com.CreateInstance(CLSID_TaskbarList, IID_ITaskbarList, reinterpret_cast<void**>(&taskbar))) return;
  if (SUCCEEDED(taskbar->HrInit())) taskbar->DeleteTab(window);
  taskbar->Release();
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace hexling
