#include "qt_form1_window.h"

#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QtGlobal>

#include "hexling.xpm"
#include "qt_form1_style.h"
#include "x11_skip_taskbar.h"

namespace hexling {
namespace {

// A dialog frame with a caption and a close box, and neither a minimise nor a
// maximise button. Built on a plain QWidget: a QDialog would close on Escape.
// The taskbar is kept away by a window state (SkipTaskbar).
constexpr Qt::WindowFlags kFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QString Text(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QFont LayoutFont(qreal points) {
  QFont font(Text(Form1Layout.fontFace));
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::TypeWriter);  // where the face is missing, a fixed-pitch stand-in
  font.setFixedPitch(true);
  return font;
}

QWidget* NewControl(ControlKind kind, QWidget* window) {
  switch (kind) {
    case ControlKind::PickList: {
      auto* const combo = new QComboBox(window);
      combo->setMaxVisibleItems(Form1Layout.openListRows);
      return combo;
    }
    case ControlKind::TextPane: {
      auto* const text = new QPlainTextEdit(window);
      text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      text->setTabChangesFocus(true);
      return text;
    }
    case ControlKind::ItemList:
      break;
  }
  auto* const list = new QListWidget(window);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// Makes the controls of Form1Layout in the window, in focus order: each named,
// placed at the window's logical DPI, with its font and tooltip.
std::array<QWidget*, Form1Layout.controls.size()> NewControls(QWidget& window) {
  UseForm1Style();
  const int dpiX = window.logicalDpiX();
  const int dpiY = window.logicalDpiY();
  std::array<QWidget*, Form1Layout.controls.size()> controls{};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    QWidget* const control = NewControl(layout.kind, &window);
    control->setObjectName(Text(layout.name));
    control->setGeometry(Pixels(layout.place.left, dpiX), Pixels(layout.place.top, dpiY),
                         Pixels(layout.place.width, dpiX), Pixels(layout.place.height, dpiY));
    control->setFont(LayoutFont(layout.points));
    control->setToolTip(Text(layout.tooltip));
    control->setAccessibleName(Text(layout.tooltip));
    if (i > 0) QWidget::setTabOrder(controls[i - 1], control);
    controls[i] = control;
  }
  return controls;
}

template <class Widget>
Widget& Control(const std::array<QWidget*, Form1Layout.controls.size()>& controls, std::size_t index) {
  auto* const widget = qobject_cast<Widget*>(controls[index]);
  Q_ASSERT(widget);  // the kind in the layout made it one
  return *widget;
}

}  // namespace

QtForm1Window::QtForm1Window()
    : QWidget(nullptr, kFrame),
      controls_(NewControls(*this)),
      hexCombo_(Control<QComboBox>(controls_, ControlIndex("HexCombo1"))),
      translationCombo_(Control<QComboBox>(controls_, ControlIndex("TranslationCombo1"))),
      translationText_(Control<QPlainTextEdit>(controls_, ControlIndex("TranslationText1"))),
      allHexValuesList_(Control<QListWidget>(controls_, ControlIndex("AllHexValuesList1"))),
      form_(*this, {.HexCombo1 = hexCombo_,
                    .TranslationCombo1 = translationCombo_,
                    .TranslationText1 = translationText_,
                    .AllHexValuesList1 = allHexValuesList_}) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Text(Form1Layout.title));
  // Compiled in as XPM, which Qt reads itself: an image file would make it
  // load every image format plugin, libjpeg among them, to identify it.
  setWindowIcon(QIcon(QPixmap(hexling_xpm)));
  setFixedSize(Pixels(Form1Layout.clientWidth, logicalDpiX()), Pixels(Form1Layout.clientHeight, logicalDpiY()));
  setAttribute(Qt::WA_AlwaysShowToolTips);  // the window sits above other programs: that is when they are read

  form_.OnFormLoad();
  winId();  // the native window, once the flags are final: changing them makes it again
}

bool QtForm1Window::event(QEvent* event) {
  // Qt makes the native window again on some changes of flags or screens; a
  // new one starts without the taskbar state, which must be set before it is
  // first mapped.
  if (event->type() == QEvent::WinIdChange && internalWinId()) SkipTaskbar(*this);
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
      // The application changed its style: the window's touches go over the new one.
      QMetaObject::invokeMethod(this, &UseForm1Style, Qt::QueuedConnection);
      break;
    case QEvent::WindowStateChange:
      // The frame offers no minimise button, but some window managers draw
      // one all the same (openbox does, on purpose), and any lets other
      // programs minimise a window. Without a taskbar button nothing could
      // bring it back: it comes back at once, as it was.
      if (isMinimized()) {
        QMetaObject::invokeMethod(this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); },
                                  Qt::QueuedConnection);
      }
      break;
    default:
      break;
  }
}

void QtForm1Window::MakeTopmost() { setWindowFlag(Qt::WindowStaysOnTopHint); }

}  // namespace hexling
