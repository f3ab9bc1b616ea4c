#pragma once

#include <string>
#include <string_view>
#include <thread>

namespace hexling {

// Loads the font configuration on another core while the toolkit starts up,
// and finds there the installed family that shows the window's face. The
// window needs its fonts before it is first shown, and reading the
// configuration and the font cache is the longest single step of start-up;
// done alongside, it mostly costs no time. Ask for the family before the
// first font is used, so that the toolkit finds the configuration loaded
// instead of loading it again.
class FontWarmUp {
 public:
  // `face` is fixed-pitch, as the window's is.
  explicit FontWarmUp(std::string_view face);
  ~FontWarmUp() { Wait(); }
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

  // Waits for the work; `face` where no font stands in for it.
  const std::string& InstalledFace() {
    Wait();
    return installedFace_;
  }

 private:
  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

  std::string installedFace_;
  std::thread thread_;  // last: it writes installedFace_
};

}  // namespace hexling
