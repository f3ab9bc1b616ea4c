#include "desktop_session.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace hexling {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The value of the toolkit's option `name` ("-display"), in either of the
// spellings it takes; nullptr when it is not given.
const char* Option(int argc, char* argv[], std::string_view name) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == name || (argument.starts_with("--") && argument.substr(1) == name)) {
      return i + 1 < argc ? argv[i + 1] : "";
    }
  }
  return nullptr;
}

// The X display as the user named it, and where: by -display, or by DISPLAY.
struct X11Display {
  std::string name;
  const char* namedBy;
};

X11Display X11DisplayOf(int argc, char* argv[]) {
  if (const char* option = Option(argc, argv, "-display")) return {option, "-display"};
  return {Variable("DISPLAY"), "DISPLAY"};
}

// The toolkit aborts when it cannot connect; asked first, the program can say
// why. A connection of its own, at once closed: only the X library knows every
// way a display name leads to a server.
int X11ConnectionError(const std::string& display) {
  xcb_connection_t* const connection = xcb_connect(display.c_str(), nullptr);
  const int error = xcb_connection_has_error(connection);
  xcb_disconnect(connection);
  return error;
}

// Where the compositor listens: WAYLAND_DISPLAY, under XDG_RUNTIME_DIR unless
// it is a path of its own. Empty where it is relative and XDG_RUNTIME_DIR is
// not set, so there is no such place.
std::string WaylandSocket() {
  const std::string display = Variable("WAYLAND_DISPLAY");
  if (display.front() == '/') return display;
  const std::string runtime = Variable("XDG_RUNTIME_DIR");
  return runtime.empty() ? "" : runtime + '/' + display;
}

bool WaylandAnswers() {
  const std::string path = WaylandSocket();
  sockaddr_un address{};
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, path.size());
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket < 0) return false;
  const bool answers = connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(socket);
  return answers;
}

void SayX11Away(const X11Display& display, int error) {
  if (error == XCB_CONN_CLOSED_PARSE_ERR) {
    std::fprintf(stderr, "hexling: cannot open the window: %s \"%s\" names no X display\n", display.namedBy,
                 display.name.c_str());
  } else {
    std::fprintf(stderr, "hexling: cannot open the window: no X server answers at display %s (from %s)\n",
                 display.name.c_str(), display.namedBy);
  }
}

void SayWaylandAway() {
  const std::string display = Variable("WAYLAND_DISPLAY");
  const std::string socket = WaylandSocket();
  if (socket.empty()) {
    std::fprintf(stderr, "hexling: cannot open the window: WAYLAND_DISPLAY is \"%s\", but XDG_RUNTIME_DIR, "
                         "the folder of its socket, is not set\n", display.c_str());
  } else if (socket == display) {
    std::fprintf(stderr, "hexling: cannot open the window: no Wayland compositor answers at %s (WAYLAND_DISPLAY)\n",
                 display.c_str());
  } else {
    std::fprintf(stderr, "hexling: cannot open the window: no Wayland compositor answers at WAYLAND_DISPLAY "
                         "\"%s\", that is %s\n", display.c_str(), socket.c_str());
  }
}

}  // namespace

DesktopPlatform ChooseDesktopPlatform(const DesktopSession& session) {
  if (session.platformChosen) return DesktopPlatform::AsChosen;
  if (session.hasX11Display && session.x11Answers) {
    return session.hasWaylandDisplay ? DesktopPlatform::X11 : DesktopPlatform::AsChosen;
  }
  if (!session.hasWaylandDisplay) return session.hasX11Display ? DesktopPlatform::X11Away : DesktopPlatform::None;
  if (!session.hasWaylandPlugin) return DesktopPlatform::WaylandMissing;
  return session.waylandAnswers ? DesktopPlatform::Wayland : DesktopPlatform::WaylandAway;
}

bool PrepareDesktopSession(int argc, char* argv[], bool (*hasWaylandPlugin)()) {
  const bool chosen = !Variable("QT_QPA_PLATFORM").empty() || Option(argc, argv, "-platform");
  const X11Display x11 = X11DisplayOf(argc, argv);
  const bool hasX11 = !x11.name.empty();
  const int x11Error = !chosen && hasX11 ? X11ConnectionError(x11.name) : 0;
  const bool wayland = !Variable("WAYLAND_DISPLAY").empty();
  const bool waylandAlone = !chosen && !(hasX11 && x11Error == 0) && wayland;
  const DesktopSession session{chosen,
                               hasX11,
                               x11Error == 0,
                               wayland,
                               waylandAlone && hasWaylandPlugin(),
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
    case DesktopPlatform::X11Away:
      SayX11Away(x11, x11Error);
      return false;
    case DesktopPlatform::WaylandAway:
      if (hasX11) SayX11Away(x11, x11Error);  // both were named, and neither can be had
      SayWaylandAway();
      return false;
    case DesktopPlatform::WaylandMissing:
      if (hasX11) SayX11Away(x11, x11Error);
      std::fprintf(stderr, "hexling: this Wayland session needs Qt's Wayland plugin: install the qt6-wayland package\n");
      return false;
    case DesktopPlatform::None:
      std::fprintf(stderr, "hexling: needs a desktop session, but neither DISPLAY nor WAYLAND_DISPLAY is set\n");
      return false;
  }
  return true;
}

}  // namespace hexling
