// Owning handles for what user32 and GDI give out, so that whatever is
// made is released once, also when making the window fails part-way.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace hexling {

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDestroyer {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuDestroyer {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct AcceleratorTableDestroyer {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};

using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;
using UniqueAcceleratorTable = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorTableDestroyer>;

}  // namespace hexling
