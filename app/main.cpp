#include <QApplication>

#include "desktop_session.h"
#include "font_warm_up.h"
#include "quit_on_signals.h"
#include "wayland_plugin.h"
#include "form1_window.h"

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
