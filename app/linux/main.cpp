#include <QApplication>

#include "display_choice.h"
#include "qt_form1_window.h"

int main(int argc, char* argv[]) {
  hexling::ChooseDisplay();
  QApplication app(argc, argv);
  hexling::DisplayOpened();
  QApplication::setDesktopFileName(QStringLiteral("org.hexling.Hexling"));
  hexling::QtForm1Window window;
  window.show();
  return app.exec();
}
