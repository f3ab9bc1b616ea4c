#include "display_choice.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace hexling {
namespace {

// What the platform plugins said while they failed, one line each: their own
// reasons, and the loader's, which only say that a platform did not start.
// Any other message goes to the handler it had.
QStringList reasons, loaderReasons;
bool displayNamed = false;
QtMessageHandler usualHandler = nullptr;

[[noreturn]] void CannotOpen(const QString& why) {
  std::fprintf(stderr, "hexling: cannot open the window: %s\n", qPrintable(why));
  std::_Exit(1);  // also from inside the toolkit's start: nothing of it to end
}

void OnStartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QString line = message.section(u'\n', 0, 0).trimmed();
  if (type == QtFatalMsg) {
    if (!reasons.isEmpty() && !displayNamed) CannotOpen(QStringLiteral("no display is named (DISPLAY or WAYLAND_DISPLAY)"));
    CannotOpen((!reasons.isEmpty() ? reasons : !loaderReasons.isEmpty() ? loaderReasons : QStringList{line})
                   .join(QStringLiteral("; ")));
  }
  // The platforms' own categories, and the default one, in which the Wayland plugin reports.
  const QByteArrayView category(context.category);
  if (!category.startsWith("qt.qpa.") && !category.isEmpty() && category != "default") {
    usualHandler(type, context, message);
  } else {
    (category == "qt.qpa.plugin" ? loaderReasons : reasons) << line;
  }
}

// Where libwayland looks for a compositor; without any of these it says on a
// line of its own that it has nowhere to look.
bool WaylandCanBeThere() {
  return qEnvironmentVariableIsSet("WAYLAND_SOCKET") || qgetenv("WAYLAND_DISPLAY").startsWith('/') ||
         qgetenv("XDG_RUNTIME_DIR").startsWith('/');
}

// What follows `option` among the arguments, as Qt reads them; empty where it is not given.
QByteArray Argument(int argc, char** argv, const char* option) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (qstrcmp(argv[i], option) == 0 || (argv[i][0] == '-' && qstrcmp(argv[i] + 1, option) == 0)) return argv[i + 1];
  }
  return {};
}

}  // namespace

void ChooseDisplay(int argc, char** argv) {
  usualHandler = qInstallMessageHandler(OnStartUpMessage);
  displayNamed = !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                 qEnvironmentVariableIsSet("WAYLAND_SOCKET") || !Argument(argc, argv, "-display").isEmpty();
  QByteArray chosen = Argument(argc, argv, "-platform");
  if (chosen.isEmpty()) chosen = qgetenv("QT_QPA_PLATFORM");
  if (chosen.isEmpty()) {
    qputenv("QT_QPA_PLATFORM", WaylandCanBeThere() ? "xcb;wayland" : "xcb");
    return;
  }
  const QList<QByteArray> platforms = chosen.split(';');
  if (!WaylandCanBeThere() &&
      std::all_of(platforms.begin(), platforms.end(), [](const QByteArray& each) { return each.startsWith("wayland"); })) {
    CannotOpen(QStringLiteral("no Wayland display can be reached: XDG_RUNTIME_DIR is not set to a full path"));
  }
}

void DisplayOpened() {
  qInstallMessageHandler(nullptr);  // what the platforms that did not start said is of no use now
  if (QGuiApplication::platformName() == QLatin1String("wayland")) {
    std::fprintf(stderr, "hexling: this Wayland session lets no window keep itself on top; "
                         "Hexling's window can go behind others\n");
  }
}

}  // namespace hexling
