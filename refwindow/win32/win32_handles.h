// Owning handles for what user32 and GDI give out, so that whatever is
// made is released once, also when making the window fails part-way.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace hexling {

template <class Handle, auto Release>
struct Releaser {
  void operator()(Handle handle) const { Release(handle); }
};

template <class Handle, auto Release>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<Handle, Release>>;

using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;
using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu>;
using UniqueAcceleratorTable = UniqueHandle<HACCEL, DestroyAcceleratorTable>;

}  // namespace hexling
