#pragma once

#include <windows.h>

#include <objbase.h>

namespace hexling {

// COM on this thread, in a single-threaded apartment as the window's thread
// needs it, with ole32 loaded for it here rather than with the program:
// linked in, ole32 and the libraries it brings cost every start, and COM is
// wanted only once the window is on screen (under Wine, a twentieth of the
// start-up). Ends the apartment, if it began it, and unloads ole32 with the
// object. Where ole32 cannot be had, it creates nothing.
class Com {
 public:
  Com();
  ~Com();
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;

  // CoCreateInstance of an in-process server; false where that fails.
  bool CreateInstance(REFCLSID what, REFIID as, void** object) const;

 private:
  HMODULE ole32_;
  decltype(&CoCreateInstance) createInstance_ = nullptr;
  decltype(&CoUninitialize) uninitialize_ = nullptr;
  bool started_ = false;
};

}  // namespace hexling
