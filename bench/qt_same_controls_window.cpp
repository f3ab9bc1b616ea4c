// Hexling's start-up without its data and logic: the same frame and the same
// four controls, made and placed as the window does, and empty, their fonts
// asked for by the layout's face as any program would name it. What any
// program with these controls in Qt pays.
#include <QApplication>
#include <QWidget>

#include "qt_form1_layout.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window(nullptr, hexling::Form1FrameFlags | Qt::WindowStaysOnTopHint);
  hexling::SetUpForm1Frame(window);
  const hexling::QtForm1Controls controls(window);
  window.show();
  return app.exec();
}
