#include <QApplication>

#include "display_choice.h"
#include "qt_form1_window.h"

int main(int argc, char* argv[]) {
  hexling::ChooseDisplay(argc, argv);
  QApplication app(argc, argv);
  hexling::DisplayOpened();
  QApplication::setDesktopFileName(QStringLiteral("org.hexling.Hexling"));
  return hexling::RunForm1Program();
}
