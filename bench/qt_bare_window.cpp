// The toolkit's floor for Hexling's start-up: the same frame, with one label
// instead of the reference window's controls and data.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::WindowStaysOnTopHint);
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setFixedSize(458, 172);
  QLabel label(QStringLiteral("Hexling"), &window);
  window.show();
  return app.exec();
}
