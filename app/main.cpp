#include <QApplication>

#include "app/desktop_session.h"
#include "refwindow/qt/form1_window.h"

int main(int argc, char* argv[]) {
  if (!hexling::PrepareDesktopSession(argc, argv)) return 1;
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral("org.hexling.Hexling"));
  hexling::Form1Window window;
  window.show();
  return app.exec();
}
