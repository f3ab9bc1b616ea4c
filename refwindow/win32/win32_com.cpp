#include "win32_com.h"

namespace hexling {
namespace {

template <class Function>
Function Find(HMODULE library, const char* name) {
  return library ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace

Com::Com() : ole32_(LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
  const auto initialize = Find<decltype(&CoInitializeEx)>(ole32_, "CoInitializeEx");
  createInstance_ = Find<decltype(&CoCreateInstance)>(ole32_, "CoCreateInstance");
  uninitialize_ = Find<decltype(&CoUninitialize)>(ole32_, "CoUninitialize");
  started_ = initialize && uninitialize_ && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
}

Com::~Com() {
  if (started_) uninitialize_();
  if (ole32_) FreeLibrary(ole32_);
}

bool Com::CreateInstance(REFCLSID what, REFIID as, void** object) const {
  *object = nullptr;
  return createInstance_ && SUCCEEDED(createInstance_(what, nullptr, CLSCTX_INPROC_SERVER, as, object));
}

}  // namespace hexling
