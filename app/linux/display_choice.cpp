#include "display_choice.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace hexling {
namespace {

// What the platforms said while they failed, one line each: their own
// reasons, and the loader's, which only say that a platform did not start.
QStringList reasons, loaderReasons;

void OnStartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QString line = message.section(u'\n', 0, 0);
  if (type != QtFatalMsg) {
    (qstrcmp(context.category, "qt.qpa.plugin") == 0 ? loaderReasons : reasons) << line;
    return;
  }
  const QStringList& said = !reasons.isEmpty() ? reasons : !loaderReasons.isEmpty() ? loaderReasons : QStringList{line};
  std::fprintf(stderr, "hexling: cannot open the window: %s\n", qPrintable(said.join(QStringLiteral("; "))));
  std::_Exit(1);  // from inside the toolkit's start: nothing of it to end
}

}  // namespace

void ChooseDisplay() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  qInstallMessageHandler(OnStartUpMessage);
}

void DisplayOpened() {
  qInstallMessageHandler(nullptr);  // what the platforms that did not start said is of no use now
  if (QGuiApplication::platformName() == QLatin1String("wayland")) {
    std::fprintf(stderr, "hexling: this Wayland session lets no window keep itself on top; "
                         "Hexling's window can go behind others\n");
  }
}

}  // namespace hexling
