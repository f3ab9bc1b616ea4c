#include "qt_form1_layout.h"

#include <QIcon>
#include <QPixmap>

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

QtForm1Controls::QtForm1Controls(QWidget& window)
    : hexCombo(&window), translationCombo(&window), translationText(&window), allHexValuesList(&window), window_(window) {
  for (QComboBox* const combo : {&hexCombo, &translationCombo}) combo->setMaxVisibleItems(Form1Layout.openListRows);
  translationText.setLineWrapMode(QPlainTextEdit::WidgetWidth);
  translationText.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  translationText.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  translationText.setTabChangesFocus(true);
  allHexValuesList.setSelectionMode(QAbstractItemView::SingleSelection);
  Restyle();  // before a drop-down list's open list is made, which takes its form from the style

  const int dpiX = window.logicalDpiX();
  const int dpiY = window.logicalDpiY();
  const auto controls = InFocusOrder();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& layout = Form1Layout.controls[i];
    QWidget& control = *controls[i];
    control.setObjectName(Text(layout.name));
    control.setGeometry(Pixels(layout.place.left, dpiX), Pixels(layout.place.top, dpiY),
                        Pixels(layout.place.width, dpiX), Pixels(layout.place.height, dpiY));
    control.setFont(LayoutFont(layout.points));
    control.setToolTip(Text(layout.tooltip));
    control.setAccessibleName(Text(layout.tooltip));
    if (i > 0) QWidget::setTabOrder(controls[i - 1], &control);
  }
}

// A style set on a widget is not its own: the window owns it, and the one
// it replaces goes once no control uses it.
void QtForm1Controls::Restyle() {
  QStyle* const before = style_;
  style_ = NewForm1Style(window_);
  for (QWidget* const control : InFocusOrder()) control->setStyle(style_);
  delete before;
}

}  // namespace hexling
