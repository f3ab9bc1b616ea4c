#include "qt_form1_layout.h"

#include <QComboBox>
#include <QIcon>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>

#include "hexling.xpm"
#include "qt_form1_style.h"

namespace hexling {
namespace {

QString Text(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QFont LayoutFont(qreal points) {
  QFont font;
  // Debian's metric twin of the face stands in for it, as the package depends on it.
  font.setFamilies({Text(Form1Layout.fontFace), QStringLiteral("Liberation Mono")});
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

}  // namespace

void SetUpForm1Frame(QWidget& window) {
  window.setObjectName(QStringLiteral("Form1"));
  window.setWindowTitle(Text(Form1Layout.title));
  // Compiled in as XPM, which Qt reads itself: an image file would make it
  // load every image format plugin, libjpeg among them, to identify it.
  window.setWindowIcon(QIcon(QPixmap(hexling_xpm)));
  window.setFixedSize(Pixels(Form1Layout.clientWidth, window.logicalDpiX()),
                      Pixels(Form1Layout.clientHeight, window.logicalDpiY()));
  window.setAttribute(Qt::WA_AlwaysShowToolTips);  // the window sits above other programs: that is when they are read
}

Form1Widgets NewForm1Controls(QWidget& window) {
  const int dpiX = window.logicalDpiX();
  const int dpiY = window.logicalDpiY();
  Form1Widgets controls{};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    QWidget* const control = NewControl(layout.kind, &window);
    GiveForm1Style(*control);  // before a drop-down list's open list is made, which takes its form from the style
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

}  // namespace hexling
