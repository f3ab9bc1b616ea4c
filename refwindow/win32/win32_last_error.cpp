#include "win32_last_error.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "win32_text.h"

namespace hexling {
namespace {

class Win32ErrorCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "win32"; }

  // In the user's language; without the line break that ends it.
  std::string message(int code) const override {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring_view message(text, length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.remove_suffix(1);
    std::string result = message.empty() ? "error " + std::to_string(code) : Narrow(message);
    LocalFree(text);
    return result;
  }
};

const std::error_category& Win32Category() {
  static const Win32ErrorCategory category;
  return category;
}

}  // namespace

void ThrowLastError(const char* what) { throw std::system_error(static_cast<int>(GetLastError()), Win32Category(), what); }

}  // namespace hexling
