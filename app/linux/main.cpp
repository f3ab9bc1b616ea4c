#include <malloc.h>

#include <QApplication>

#include "default_font.h"
#include "desktop_session.h"
#include "font_warm_up.h"
#include "qt_form1_window.h"
#include "quit_on_signals.h"
#include "wayland_plugin.h"

int main(int argc, char* argv[]) {
  if (!hexling::PrepareDesktopSession(argc, argv, hexling::HasWaylandPlatformPlugin)) return 1;
  // One heap for the whole process: the font configuration is read on a
  // second thread and used on the main one, and an arena of that thread's own
  // would stay behind, mostly empty, in the resident memory.
  mallopt(M_ARENA_MAX, 1);
  hexling::FontWarmUp fonts(hexling::Form1Layout.fontFace);
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral("org.hexling.Hexling"));
  hexling::QuitOnTerminationSignals();
  const QString face = QString::fromStdString(fonts.InstalledFace());
  hexling::NameTheDefaultFontByItsInstalledFamily();
  hexling::QtForm1Window window(face);
  window.show();
  return app.exec();
}
