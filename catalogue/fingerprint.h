// A 64-bit FNV-1a hash over texts, computed at compile time. The tables pin
// theirs so that no character of them changes without the build noticing.
#pragma once

#include <cstdint>
#include <string_view>

namespace hexling {

class Fingerprint {
 public:
  constexpr Fingerprint& Add(std::string_view text) {
    for (const char c : text) Mix(static_cast<unsigned char>(c));
    Mix(0);  // so that "AB" + "C" and "A" + "BC" differ
    return *this;
  }
  constexpr std::uint64_t Value() const { return hash_; }

 private:
  constexpr void Mix(unsigned char byte) { hash_ = (hash_ ^ byte) * 0x100000001b3ULL; }
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace hexling
