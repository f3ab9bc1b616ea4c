#include "qt_form1_window.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>
#include <QWindow>
#include <QtGlobal>

#include <cstdio>

#include "qt_kept_failure.h"
#include "x11_skip_taskbar.h"

namespace hexling {

QtForm1Window::QtForm1Window()
    : QWidget(nullptr, Form1FrameFlags),
      controls_(*this),
      hexCombo_(controls_.hexCombo),
      translationCombo_(controls_.translationCombo),
      translationText_(controls_.translationText),
      allHexValuesList_(controls_.allHexValuesList),
      form_(*this, {.HexCombo1 = hexCombo_,
                    .TranslationCombo1 = translationCombo_,
                    .TranslationText1 = translationText_,
                    .AllHexValuesList1 = allHexValuesList_}) {
  SetUpForm1Frame(*this);
  // Shift+F10 is the Menu key, as on Windows: Qt makes a context menu event
  // of the one on X11 and leaves the other to the program.
  auto* const menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    QContextMenuEvent asked(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
    QCoreApplication::sendEvent(windowHandle(), &asked);
  });
  form_.OnFormLoad();
  winId();  // the native window, once the flags are final: changing them makes it again
}

bool QtForm1Window::event(QEvent* event) {
  // Qt makes the native window again on some changes of flags or screens; a
  // new one starts without the taskbar state, which must be set before it is
  // first mapped.
  if (event->type() == QEvent::WinIdChange && internalWinId()) Guarded([this] { SkipTaskbar(*this); });
  return QWidget::event(event);
}

void QtForm1Window::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  switch (event->type()) {
    case QEvent::ActivationChange:
      // Qt shows the focus only after the keyboard has moved it, and forgets
      // that on every activation; here the control that has the keyboard
      // shows it from the start, after a mouse pick too.
      if (isActiveWindow()) setAttribute(Qt::WA_KeyboardFocusChange);
      break;
    case QEvent::StyleChange:
      // The application changed its style: the controls' touches go over the new one.
      Guarded([this] { controls_.Restyle(); });
      break;
    case QEvent::WindowStateChange:
      // The frame offers no minimise button, but some window managers draw
      // one all the same (openbox does, on purpose), and any lets other
      // programs minimise a window. Alt+Tab could bring it back, but with no
      // taskbar button nothing on screen would show that it is there: it
      // comes back at once, as it was.
      if (isMinimized()) {
        QMetaObject::invokeMethod(this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); },
                                  Qt::QueuedConnection);
      }
      break;
    default:
      break;
  }
}

void QtForm1Window::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window off the taskbar is none that openbox gives the keyboard to when
  // it maps it: the program asks for it, as a newly started one may. Qt asks
  // once the window is mapped.
  if (QGuiApplication::platformName() == QLatin1String("xcb")) activateWindow();
}

void QtForm1Window::MakeTopmost() { setWindowFlag(Qt::WindowStaysOnTopHint); }

// Also the X selection, where there is one, which a middle click pastes.
void QtForm1Window::CopyToClipboard(std::string_view text) {
  QClipboard& clipboard = *QGuiApplication::clipboard();
  const QString copied = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  clipboard.setText(copied, QClipboard::Clipboard);
  if (clipboard.supportsSelection()) clipboard.setText(copied, QClipboard::Selection);
}

int RunForm1Program() {
  return RunStoppingOnFailure(
      [] {
        QtForm1Window window;
        window.show();
        return QApplication::exec();
      },
      [](const std::string& failure) {
        std::fprintf(stderr, "hexling: %s\n", failure.c_str());
        QMessageBox::critical(nullptr, QStringLiteral("Hexling"), QString::fromStdString(failure));
      });
}

}  // namespace hexling
