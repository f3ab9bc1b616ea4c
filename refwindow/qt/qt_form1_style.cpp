#include "qt_form1_style.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <cmath>

namespace hexling {
namespace {

// The window's own touches to the style of its controls:
// - Drop-down lists open below the control as a list with a scroll bar; some
//   styles (Fusion among them) open a menu over the control instead, centred
//   on the current entry, with scroll arrows that show only when hovered.
// - The text box and the code list show the keyboard focus on their frame,
//   as a focused line edit does; Fusion draws a scroll area's frame the same
//   with and without it.
// - At a fractional scale (1.25, 1.5) the contents of those two, rounded out
//   to whole device pixels, cover the bottom or right line of their 1-pixel
//   frame. There the frame is a pixel wider, filled with the contents' colour,
//   so that the line stays clear of them.
class Form1Style final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_DefaultFrameWidth && IsFramedBox(widget) && AtFractionalScale(widget) ? value + 1 : value;
  }
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_Frame && IsFramedBox(widget)) {
      if (AtFractionalScale(widget)) painter->fillRect(option->rect, option->palette.base());
      if (option->state & State_HasFocus) element = PE_FrameLineEdit;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  // The text box and the code list.
  static bool IsFramedBox(const QWidget* widget) { return qobject_cast<const QAbstractScrollArea*>(widget); }
  static bool AtFractionalScale(const QWidget* widget) {
    const qreal ratio = widget->devicePixelRatioF();
    return ratio != std::floor(ratio);
  }
};

}  // namespace

// Over a style of the application's kind of its own: a proxy would take over the one it is given.
QStyle* NewForm1Style(QObject& owner) {
  auto* const style = new Form1Style(QApplication::style()->name());
  style->setParent(&owner);
  return style;
}

}  // namespace hexling
