#include <QApplication>

#include "app/desktop_session.h"
#include "app/font_warm_up.h"
#include "app/quit_on_signals.h"
#include "app/wayland_plugin.h"
#include "refwindow/qt/form1_window.h"

int main(int argc, char* argv[]) {
  if (!hexling::PrepareDesktopSession(argc, argv, hexling::HasWaylandPlatformPlugin)) return 1;
  hexling::FontWarmUp fonts;
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral("org.hexling.Hexling"));
  hexling::QuitOnTerminationSignals();
  fonts.Wait();
  hexling::Form1Window window;
  window.show();
  return app.exec();
}
