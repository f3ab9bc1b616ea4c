#include "desktop_session.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#ifdef __linux__
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

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

// Where the compositor listens: WAYLAND_DISPLAY, under XDG_RUNTIME_DIR unless
// it is a path of its own.
std::string WaylandSocket() {
  const std::string display = std::getenv("WAYLAND_DISPLAY");
  if (display.front() == '/') return display;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return std::string(runtime ? runtime : "") + '/' + display;
}

// The toolkit aborts when it cannot connect; asked first, the program can say why.
bool WaylandAnswers() {
  const std::string path = WaylandSocket();
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, path.size());
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket < 0) return false;
  const bool answers = connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(socket);
  return answers;
}

}  // namespace
#endif

DesktopPlatform ChooseDesktopPlatform(const DesktopSession& session) {
  if (session.platformChosen) return DesktopPlatform::AsChosen;
  if (session.hasX11Display) return session.hasWaylandDisplay ? DesktopPlatform::X11 : DesktopPlatform::AsChosen;
  if (!session.hasWaylandDisplay) return DesktopPlatform::None;
  if (!session.hasWaylandPlugin) return DesktopPlatform::WaylandMissing;
  return session.waylandAnswers ? DesktopPlatform::Wayland : DesktopPlatform::WaylandAway;
}

bool PrepareDesktopSession(int argc, char* argv[], bool (*hasWaylandPlugin)()) {
#ifdef __linux__
  const bool chosen = IsSet("QT_QPA_PLATFORM") || HasPlatformArgument(argc, argv);
  const bool x11 = IsSet("DISPLAY");
  const bool wayland = IsSet("WAYLAND_DISPLAY");
  const bool waylandAlone = !chosen && !x11 && wayland;
  const DesktopSession session{chosen, x11, wayland, waylandAlone && hasWaylandPlugin(),
                               waylandAlone && WaylandAnswers()};
  switch (ChooseDesktopPlatform(session)) {
    case DesktopPlatform::AsChosen:
      return true;
    case DesktopPlatform::X11:
      setenv("QT_QPA_PLATFORM", "xcb", 1);
      return true;
    case DesktopPlatform::Wayland:
      // Without XDG_SESSION_TYPE=wayland the toolkit would try X11 first, and abort.
      setenv("QT_QPA_PLATFORM", "wayland", 1);
      std::fprintf(stderr, "hexling: this Wayland session lets no window keep itself on top; "
                           "Hexling's window can go behind others\n");
      return true;
    case DesktopPlatform::WaylandAway:
      std::fprintf(stderr, "hexling: no Wayland compositor answers at %s\n", WaylandSocket().c_str());
      return false;
    case DesktopPlatform::WaylandMissing:
      std::fprintf(stderr, "hexling: this Wayland session needs Qt's Wayland plugin: install the qt6-wayland package\n");
      return false;
    case DesktopPlatform::None:
      std::fprintf(stderr, "hexling: needs a desktop session, but neither DISPLAY nor WAYLAND_DISPLAY is set\n");
      return false;
  }
#else
  (void)argc;
  (void)argv;
  (void)hasWaylandPlugin;
#endif
  return true;
}

}  // namespace hexling
