#include "app/desktop_session.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace hexling {
#ifdef __linux__
namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

// The toolkit's own option, in either of the spellings it takes.
bool HasPlatformArgument(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return false;
}

}  // namespace
#endif

DesktopPlatform ChooseDesktopPlatform(bool platformChosen, bool hasX11Display, bool hasWaylandDisplay) {
  if (platformChosen) return DesktopPlatform::AsChosen;
  if (hasWaylandDisplay && hasX11Display) return DesktopPlatform::X11;
  if (!hasWaylandDisplay && !hasX11Display) return DesktopPlatform::None;
  return DesktopPlatform::AsChosen;
}

bool PrepareDesktopSession(int argc, char* argv[]) {
#ifdef __linux__
  const bool platformChosen = IsSet("QT_QPA_PLATFORM") || HasPlatformArgument(argc, argv);
  switch (ChooseDesktopPlatform(platformChosen, IsSet("DISPLAY"), IsSet("WAYLAND_DISPLAY"))) {
    case DesktopPlatform::AsChosen:
      return true;
    case DesktopPlatform::X11:
      setenv("QT_QPA_PLATFORM", "xcb", 1);
      return true;
    case DesktopPlatform::None:
      std::fprintf(stderr, "hexling: needs a desktop session, but neither DISPLAY nor WAYLAND_DISPLAY is set\n");
      return false;
  }
#else
  (void)argc;
  (void)argv;
#endif
  return true;
}

}  // namespace hexling
