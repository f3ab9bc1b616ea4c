#include "form1_window.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QtGlobal>

#include <cmath>
#include <initializer_list>

#include "hexling.xpm"
#include "x11_skip_taskbar.h"

namespace hexling {
namespace {

// A dialog frame with a caption and a close box, and neither a minimise nor a
// maximise button. Built on a plain QWidget: a QDialog would close on Esc. The
// taskbar is kept away by a window state (SkipTaskbar).
constexpr Qt::WindowFlags kFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Lengths are in twips, 1440 to the inch, converted at the screen's logical
// DPI: 15 twips to a pixel at 96 DPI, 10 at 144.
int Pixels(int twips, int dpi) { return qRound(twips * dpi / 1440.0); }

struct Twips {
  int left, top, width, height;
};

QFont CourierNew(qreal points) {
  QFont font(QStringLiteral("Courier New"));
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::TypeWriter);  // where Courier New is missing, a fixed-pitch stand-in
  font.setFixedPitch(true);
  return font;
}

// Names, places, fonts and describes one control.
template <class Widget>
Widget& Place(Widget* widget, const char* name, Twips at, qreal points, const char* tooltip) {
  const QWidget& window = *widget->window();
  widget->setObjectName(QLatin1String(name));
  widget->setGeometry(Pixels(at.left, window.logicalDpiX()), Pixels(at.top, window.logicalDpiY()),
                      Pixels(at.width, window.logicalDpiX()), Pixels(at.height, window.logicalDpiY()));
  widget->setFont(CourierNew(points));
  widget->setToolTip(QString::fromLatin1(tooltip));
  widget->setAccessibleName(QString::fromLatin1(tooltip));
  return *widget;
}

QPlainTextEdit* NewTextBox(QWidget* parent) {
  auto* text = new QPlainTextEdit(parent);
  text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setTabChangesFocus(true);
  return text;
}

QListWidget* NewList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// The window's own touches to the style it runs in:
// - Drop-down lists open below the control; some styles (Fusion among them)
//   open them over it, on the current entry.
// - The text box and the code list show the keyboard focus on their frame,
//   as a focused line edit does; Fusion draws a scroll area's frame the same
//   with and without it.
// - At a fractional scale (1.25, 1.5) the contents of those two, rounded out
//   to whole device pixels, cover the bottom or right line of their 1-pixel
//   frame. There the frame is a pixel wider, filled with the contents' colour,
//   so that the line stays clear of them.
class Form1Style final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_DefaultFrameWidth && AtFractionalScale(widget) ? value + 1 : value;
  }
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_Frame && AtFractionalScale(widget)) painter->fillRect(option->rect, option->palette.base());
    if (element == PE_Frame && (option->state & State_HasFocus)) element = PE_FrameLineEdit;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  static bool AtFractionalScale(const QWidget* widget) {
    if (!qobject_cast<const QAbstractScrollArea*>(widget)) return false;
    const qreal ratio = widget->devicePixelRatioF();
    return ratio != std::floor(ratio);
  }
};

}  // namespace

Form1Window::Form1Window()
    : QWidget(nullptr, kFrame),
      hexCombo_(Place(new QComboBox(this), "HexCombo1", {0, 0, 6855, 390}, 12, "Hex to ASM Command")),
      translationCombo_(Place(new QComboBox(this), "TranslationCombo1", {0, 390, 1215, 390}, 12, "ASM Command List")),
      translationText_(
          Place(NewTextBox(this), "TranslationText1", {1200, 390, 5655, 1235}, 12, "ASM Command Description")),
      allHexValuesList_(Place(NewList(this), "AllHexValuesList1", {0, 840, 1180, 780}, 9.75, "All existing values.")),
      form_(*this, {.HexCombo1 = hexCombo_,
                    .TranslationCombo1 = translationCombo_,
                    .TranslationText1 = translationText_,
                    .AllHexValuesList1 = allHexValuesList_}) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Hexling"));
  // Compiled in as XPM, which Qt reads itself: an image file would make it
  // load every image format plugin, libjpeg among them, to identify it.
  setWindowIcon(QIcon(QPixmap(hexling_xpm)));
  setFixedSize(Pixels(6870, logicalDpiX()), Pixels(2580, logicalDpiY()));
  setAttribute(Qt::WA_AlwaysShowToolTips);  // the window sits above other programs: that is when they are read

  setTabOrder(&hexCombo_.Combo(), &translationCombo_.Combo());
  setTabOrder(&translationCombo_.Combo(), &translationText_.Edit());
  setTabOrder(&translationText_.Edit(), &allHexValuesList_.List());

  // Made after the controls, so that it is destroyed after them.
  auto* const style = new Form1Style;
  style->setParent(this);
  for (QWidget* control : std::initializer_list<QWidget*>{&hexCombo_.Combo(), &translationCombo_.Combo(),
                                                          &translationText_.Edit(), &allHexValuesList_.List()}) {
    control->setStyle(style);
  }

  form_.OnFormLoad();
  SkipTaskbar(*this);  // after the flags are final: changing them recreates the native window
}

// The frame offers no minimise button, but some window managers draw one all
// the same (openbox does, on purpose), and any lets other programs minimise a
// window. Without a taskbar button nothing could bring it back: it comes back
// at once, as it was.
void Form1Window::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    QMetaObject::invokeMethod(this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); },
                              Qt::QueuedConnection);
  }
}

void Form1Window::MakeTopmost() { setWindowFlag(Qt::WindowStaysOnTopHint); }

}  // namespace hexling
