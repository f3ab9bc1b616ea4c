#pragma once

#include <thread>

namespace hexling {

// Loads the font configuration on another core while the toolkit starts up.
// The window needs its fonts before it is first shown, and reading the
// configuration and the font cache is the longest single step of start-up;
// done alongside, it mostly costs no time. Wait() before the first font is
// used, so that the toolkit finds it loaded instead of loading it again.
class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp() { Wait(); }
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

}  // namespace hexling
