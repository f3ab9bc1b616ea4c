// The window on Qt's offscreen platform, driven with real input events.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringList>
#include <QStyleFactory>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "qt_form1_window.h"
#include "qt_widgets.h"

#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace hexling {
namespace {

QStringList Items(const QListWidget& list) {
  QStringList items;
  for (int row = 0; row < list.count(); ++row) items << list.item(row)->text();
  return items;
}

QString SelectedItem(const QListWidget& list) {
  const auto selected = list.selectedItems();
  return selected.size() == 1 ? selected.first()->text() : QStringLiteral("<%1 selected>").arg(selected.size());
}

// The outermost two pixels all round a control's picture.
int FrameDifference(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const bool frame = x < 2 || y < 2 || x >= a.width() - 2 || y >= a.height() - 2;
      differing += frame && a.pixel(x, y) != b.pixel(x, y);
    }
  }
  return differing;
}

class Form1Binding : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {  // where no client activates a window
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
      return;
    }
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // A user's pick with the mouse: open the list, click the entry.
  static void ClickEntry(QComboBox& combo, int index) {
    combo.showPopup();
    QAbstractItemView& view = *combo.view();
    const QModelIndex entry = view.model()->index(index, 0);
    view.scrollTo(entry);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(entry).center());
  }

  // What a user's double-click delivers: press and release, then the double
  // click and its release, on the item (QTest::mouseDClick alone does not
  // make a QListWidget report a double-click).
  void DoubleClickItem(const QString& text) {
    const auto found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QWidget* viewport = list.viewport();
    const QPoint at = list.visualItemRect(found.first()).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
  }

  QtForm1Window window;
  QComboBox& hexCombo = *window.findChild<QComboBox*>(QStringLiteral("HexCombo1"));
  QComboBox& translationCombo = *window.findChild<QComboBox*>(QStringLiteral("TranslationCombo1"));
  QPlainTextEdit& translationText = *window.findChild<QPlainTextEdit*>(QStringLiteral("TranslationText1"));
  QListWidget& list = *window.findChild<QListWidget*>(QStringLiteral("AllHexValuesList1"));
};

TEST_F(Form1Binding, IsLoadedWithLine00AndBreakWhenFirstShown) {
  EXPECT_EQ(hexCombo.count(), 256);
  EXPECT_EQ(hexCombo.currentText(), "00  BRK  Stack/Interrupt");
  EXPECT_EQ(translationCombo.count(), 90);
  EXPECT_EQ(translationCombo.currentText(), "BRK");
  EXPECT_EQ(translationText.toPlainText(), "Break");
  EXPECT_EQ(Items(list), QStringList{"00"});
  EXPECT_EQ(SelectedItem(list), "00");
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(Form1Binding, ArrowKeyInTheHexListRunsTheWholeChain) {
  QTest::keyClick(&hexCombo, Qt::Key_Down);
  EXPECT_EQ(hexCombo.currentText(), "01  ORA  DP Indexed Indirect,X");
  EXPECT_EQ(translationCombo.currentText(), "ORA");
  EXPECT_EQ(translationText.toPlainText(), "OR with Accumulator");
  EXPECT_EQ(list.count(), 15);
  EXPECT_EQ(SelectedItem(list), "01");
}

TEST_F(Form1Binding, MousePickInTheHexListRunsTheWholeChain) {
  ClickEntry(hexCombo, 0xB9);
  EXPECT_EQ(hexCombo.currentText(), "B9  LDA  Absolute Indexed,Y");
  EXPECT_EQ(translationCombo.currentText(), "LDA");
  EXPECT_EQ(translationText.toPlainText(), "Load to Accumulator");
  EXPECT_EQ(list.count(), 15);
}

TEST_F(Form1Binding, TypingTheFirstCharactersPicksTheEntry) {
  QTest::keyClicks(&hexCombo, QStringLiteral("A9"));
  EXPECT_EQ(hexCombo.currentText(), "A9  LDA  Immediate");
  EXPECT_EQ(translationCombo.currentText(), "LDA");

  QTest::keyClicks(&translationCombo, QStringLiteral("XCE"));
  EXPECT_EQ(translationCombo.currentText(), "XCE");
  EXPECT_EQ(translationText.toPlainText(), "Exchange Carry and Emulation Bits");
  EXPECT_EQ(Items(list), QStringList{"FB"});
}

TEST_F(Form1Binding, MnemonicPickLeavesTheHexLineAlone) {
  ClickEntry(translationCombo, translationCombo.findText(QStringLiteral("STZ")));
  EXPECT_EQ(translationCombo.currentText(), "STZ");
  EXPECT_EQ(translationText.toPlainText(), "Store Zero to destination offset");
  EXPECT_EQ(Items(list), (QStringList{"64", "74", "9C", "9E"}));
  EXPECT_EQ(hexCombo.currentText(), "00  BRK  Stack/Interrupt");
}

TEST_F(Form1Binding, DoubleClickOnACodePicksItsLineAndKeepsItSelected) {
  QTest::keyClicks(&translationCombo, QStringLiteral("LDA"));
  const QStringList codes = Items(list);
  DoubleClickItem(QStringLiteral("B9"));
  EXPECT_EQ(hexCombo.currentText(), "B9  LDA  Absolute Indexed,Y");
  EXPECT_EQ(Items(list), codes);
  EXPECT_EQ(SelectedItem(list), "B9");
}

TEST_F(Form1Binding, ReturnOrEnterOnACodePicksItsLineLikeADoubleClick) {
  QTest::keyClicks(&translationCombo, QStringLiteral("LDA"));
  list.setFocus();
  const QStringList codes = Items(list);
  const struct {
    QString code;
    Qt::KeyboardModifiers modifiers;
    const char* line;
  } jumps[] = {
      {QStringLiteral("B9"), Qt::NoModifier, "B9  LDA  Absolute Indexed,Y"},
      {QStringLiteral("A5"), Qt::KeypadModifier, "A5  LDA  Direct Page"},
  };
  for (const auto& jump : jumps) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.findItems(jump.code, Qt::MatchExactly).first()).center());
    QTest::keyClick(&list, jump.modifiers ? Qt::Key_Enter : Qt::Key_Return, jump.modifiers);
    EXPECT_EQ(hexCombo.currentText(), jump.line);
    EXPECT_EQ(Items(list), codes);
    EXPECT_EQ(SelectedItem(list), jump.code);
  }
}

TEST_F(Form1Binding, SingleClickTypingAndTabChangeNothingElse) {
  QTest::keyClicks(&translationCombo, QStringLiteral("LDA"));
  const QString line = hexCombo.currentText();
  const QStringList codes = Items(list);
  const QRect third = list.visualItemRect(list.item(2));

  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third.center());
  QTest::keyClick(&list, Qt::Key_Tab);
  QTest::keyClicks(&translationText, QStringLiteral(" typed"));

  EXPECT_EQ(SelectedItem(list), codes[2]);
  EXPECT_EQ(hexCombo.currentText(), line);
  EXPECT_EQ(translationCombo.currentText(), "LDA");
  EXPECT_EQ(Items(list), codes);
  EXPECT_EQ(translationText.toPlainText(), " typedLoad to Accumulator");
}

TEST_F(Form1Binding, RePickingTheShownEntryRunsItsReactionAgain) {
  list.setCurrentRow(0);
  translationText.setPlainText(QStringLiteral("the user's scribble"));
  ClickEntry(translationCombo, translationCombo.currentIndex());
  EXPECT_EQ(translationText.toPlainText(), "Break");
  EXPECT_EQ(Items(list), QStringList{"00"});
  EXPECT_EQ(SelectedItem(list), "00");
}

// Escape does nothing in any control: the window stays, and so does a note
// typed in the description; in an open list it only closes the list.
TEST_F(Form1Binding, EscapeNeverClosesOrClearsAnythingAndCancelsAnOpenList) {
  QTest::keyClicks(&translationCombo, QStringLiteral("LDA"));
  translationText.setPlainText(QStringLiteral("a note"));
  const QString line = hexCombo.currentText();
  const QStringList codes = Items(list);
  for (QWidget* control : {static_cast<QWidget*>(&hexCombo), static_cast<QWidget*>(&translationCombo),
                           static_cast<QWidget*>(&translationText), static_cast<QWidget*>(&list)}) {
    const std::string name = control->objectName().toStdString();
    control->setFocus();
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
      combo->showPopup();
      ASSERT_TRUE(combo->view()->isVisible()) << name;
      for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Escape}) QTest::keyClick(combo->view(), key);
      EXPECT_FALSE(combo->view()->isVisible()) << name << ": the list stays open";
    }
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()) << name;
    EXPECT_EQ(translationText.toPlainText(), "a note") << name;
    EXPECT_EQ(hexCombo.currentText(), line) << name;
    EXPECT_EQ(translationCombo.currentText(), "LDA") << name;
    EXPECT_EQ(Items(list), codes) << name;
  }
}

// Open, a drop-down list is a list below the field, 12 entries high, with a
// scroll bar that shows how many more there are.
TEST_F(Form1Binding, DropDownListsOpenBelowAsAListOfTwelveWithAScrollBar) {
  for (QComboBox* combo : {&hexCombo, &translationCombo}) {
    const std::string name = combo->objectName().toStdString() + " at scale " + std::to_string(window.devicePixelRatioF());
    combo->showPopup();
    const QAbstractItemView& view = *combo->view();
    ASSERT_TRUE(view.isVisible()) << name;
    const QRect field(combo->mapToGlobal(QPoint(0, 0)), combo->size());
    const QRect popup(view.window()->mapToGlobal(QPoint(0, 0)), view.window()->size());
    EXPECT_GE(popup.top(), field.bottom()) << name << ": opens over the field";
    EXPECT_EQ(popup.left(), field.left()) << name;
    const int first = view.indexAt(QPoint(1, 1)).row();
    const int last = view.indexAt(QPoint(1, view.viewport()->height() - 2)).row();
    EXPECT_EQ(last - first + 1, 12) << name << ": rows " << first << " to " << last;
    EXPECT_TRUE(view.verticalScrollBar()->isVisible()) << name;
    combo->hidePopup();
  }
}

// Qt shows the focus only once the keyboard has moved it; here it shows from
// the start, and after the mouse has moved it.
TEST_F(Form1Binding, TheFocusShowsFromTheStartAndAfterAMousePick) {
  ASSERT_EQ(QApplication::focusWidget(), &hexCombo);
  const QImage hexFocused = hexCombo.grab().toImage();
  const QImage translationUnfocused = translationCombo.grab().toImage();
  // What a click on the field does; a click in the list it opens would then
  // be taken for the end of a drag, for a double-click interval.
  translationCombo.setFocus(Qt::MouseFocusReason);
  ClickEntry(translationCombo, translationCombo.findText(QStringLiteral("STA")));
  ASSERT_EQ(translationCombo.currentText(), "STA");
  ASSERT_EQ(QApplication::focusWidget(), &translationCombo);
  const QImage translationFocused = translationCombo.grab().toImage();
  const QImage hexUnfocused = hexCombo.grab().toImage();
  const int perimeter = 2 * (hexFocused.width() + hexFocused.height());
  EXPECT_GE(FrameDifference(hexFocused, hexUnfocused), perimeter / 2) << "at the start";
  EXPECT_GE(FrameDifference(translationFocused, translationUnfocused), perimeter / 6) << "after a mouse pick";
}

// The window's touches to the style go over whatever style the application
// has, also one it changes to later.
TEST_F(Form1Binding, TheWindowsTouchesFollowTheApplicationsStyle) {
  const auto base = [] {
    const auto* proxy = qobject_cast<const QProxyStyle*>(QApplication::style());
    return proxy ? proxy->baseStyle()->name() : QStringLiteral("no proxy");
  };
  const QString first = base();
  ASSERT_NE(first, "no proxy");
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
  QCoreApplication::processEvents();
  EXPECT_EQ(base(), "windows");
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, &hexCombo), 0);
  QApplication::setStyle(QStyleFactory::create(first));
  QCoreApplication::processEvents();
  EXPECT_EQ(base(), first);
}

TEST_F(Form1Binding, TabVisitsTheControlsInLayoutOrder) {
  hexCombo.setFocus();
  for (QWidget* next : {static_cast<QWidget*>(&translationCombo), static_cast<QWidget*>(&translationText),
                        static_cast<QWidget*>(&list)}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

TEST_F(Form1Binding, EveryControlShowsTheKeyboardFocusOnItsFrame) {
  QWidget* const controls[] = {&hexCombo, &translationCombo, &translationText, &list};
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_Tab);
  QImage focused[4], unfocused[4];
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(QApplication::focusWidget(), controls[i]);
    focused[i] = controls[i]->grab().toImage();
    unfocused[(i + 3) % 4] = controls[(i + 3) % 4]->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  for (int i = 0; i < 4; ++i) {
    const int perimeter = 2 * (focused[i].width() + focused[i].height());
    EXPECT_GE(FrameDifference(focused[i], unfocused[i]), perimeter / 2) << controls[i]->objectName().toStdString();
  }
}

TEST_F(Form1Binding, ControlsSitWhereTheLayoutPutsThemAt96Dpi) {
  ASSERT_EQ(window.logicalDpiX(), 96);
  ASSERT_EQ(window.logicalDpiY(), 96);
  EXPECT_EQ(window.size(), QSize(458, 172));
  EXPECT_EQ(hexCombo.geometry(), QRect(0, 0, 457, 26));
  EXPECT_EQ(translationCombo.geometry(), QRect(0, 26, 81, 26));
  EXPECT_EQ(translationText.geometry(), QRect(80, 26, 377, 82));
  EXPECT_EQ(list.geometry(), QRect(0, 56, 79, 52));
}

TEST_F(Form1Binding, ControlsHaveTheirFontsAndTooltips) {
  const struct {
    QWidget* control;
    qreal points;
    const char* tooltip;
  } controls[] = {
      {&hexCombo, 12, "Hex to ASM Command"},
      {&translationCombo, 12, "ASM Command List"},
      {&translationText, 12, "ASM Command Description"},
      {&list, 9.75, "All existing values."},
  };
  for (const auto& c : controls) {
    const std::string name = c.control->objectName().toStdString();
    EXPECT_EQ(c.control->font().family(), "Courier New") << name;
    EXPECT_EQ(c.control->font().pointSizeF(), c.points) << name;
    EXPECT_EQ(c.control->font().weight(), QFont::Normal) << name;
    EXPECT_FALSE(c.control->font().italic()) << name;
    EXPECT_TRUE(QFontInfo(c.control->font()).fixedPitch()) << name << " shows " << QFontInfo(c.control->font()).family().toStdString();
    EXPECT_EQ(c.control->toolTip(), c.tooltip) << name;
    EXPECT_EQ(c.control->accessibleName(), c.tooltip) << name;
  }
  EXPECT_TRUE(window.testAttribute(Qt::WA_AlwaysShowToolTips));
}

TEST_F(Form1Binding, FrameIsAFixedDialogWithOnlyACloseBox) {
  EXPECT_EQ(window.windowTitle(), "Hexling");
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

  const QImage icon = window.windowIcon().pixmap(32, 32).toImage();
  EXPECT_EQ(window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
  EXPECT_LE(icon.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither).colorCount(), 256);
  // The desktop shows the PNG, the window the compiled-in XPM: one picture.
  const QImage installed(QStringLiteral(HEXLING_SOURCE_DIR "/refwindow/icons/hexling.png"));
  EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32), installed.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(Form1Binding, ControlsBehaveAsTheirKindSays) {
  EXPECT_FALSE(hexCombo.isEditable());
  EXPECT_FALSE(translationCombo.isEditable());
  EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(translationText.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(translationText.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(translationText.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_TRUE(translationText.tabChangesFocus());
  EXPECT_FALSE(translationText.isReadOnly());
}

TEST_F(Form1Binding, TheLongestDescriptionIsFullyVisibleWrapped) {
  QTest::keyClicks(&translationCombo, QStringLiteral("XBA"));
  ASSERT_EQ(translationText.toPlainText(), "Exchange B and A Accumulators (ie- high 8bits swapped with low 8bits");
  EXPECT_GE(translationText.document()->firstBlock().layout()->lineCount(), 2);
  EXPECT_EQ(translationText.verticalScrollBar()->maximum(), 0) << "a line is hidden";
}

// Whether the band of `depth` device pixels along one side of `rect` shows a
// frame line along at least 80% of the side (corners left out): a pixel
// darker than the base colour, which the contents are filled with.
bool FrameDrawn(const QImage& image, QRect rect, Qt::Edge side, int depth) {
  const bool across = side == Qt::TopEdge || side == Qt::BottomEdge;
  const int length = across ? rect.width() : rect.height();
  int drawn = 0;
  for (int along = 4; along < length - 4; ++along) {
    bool line = false;
    for (int in = 0; in < depth && !line; ++in) {
      const QPoint at = across ? QPoint(rect.left() + along, side == Qt::TopEdge ? rect.top() + in : rect.bottom() - in)
                               : QPoint(side == Qt::LeftEdge ? rect.left() + in : rect.right() - in, rect.top() + along);
      line = qGray(image.pixel(at)) < 232;
    }
    drawn += line;
  }
  return drawn >= (length - 8) * 8 / 10;
}

// Run at the scale that the screen and QT_SCALE_FACTOR give (the scaling
// test sets them); at 96 DPI it is the offscreen default.
TEST_F(Form1Binding, EveryControlIsWhollyInsideWithItsWholeFrameAtThisScale) {
  const QImage shown = window.grab().toImage();
  const qreal ratio = shown.devicePixelRatio();
  const QRect client(QPoint(0, 0), shown.size());
  for (QWidget* control : std::initializer_list<QWidget*>{&hexCombo, &translationCombo, &translationText, &list}) {
    const QRectF logical(control->mapTo(&window, QPoint(0, 0)), control->size());
    // Every device pixel that the control touches, partly or wholly.
    const QRect device(QPoint(qFloor(logical.left() * ratio), qFloor(logical.top() * ratio)),
                       QPoint(qCeil(logical.right() * ratio) - 1, qCeil(logical.bottom() * ratio) - 1));
    const std::string what = control->objectName().toStdString() + " at scale " + std::to_string(ratio) + ", " +
                             std::to_string(window.logicalDpiY()) + " dpi";
    ASSERT_TRUE(client.contains(device)) << what;
    for (QWidget* other : std::initializer_list<QWidget*>{&hexCombo, &translationCombo, &translationText, &list}) {
      // The one overlap the layout has: the text box over the mnemonic list's right edge.
      const bool allowed = (control == &translationCombo && other == &translationText) ||
                           (control == &translationText && other == &translationCombo);
      EXPECT_TRUE(other == control || allowed || !control->geometry().intersects(other->geometry()))
          << what << " overlaps " << other->objectName().toStdString();
    }
    const int depth = std::max(2, qCeil(ratio));
    for (const Qt::Edge side : {Qt::TopEdge, Qt::LeftEdge, Qt::BottomEdge, Qt::RightEdge}) {
      EXPECT_TRUE(FrameDrawn(shown, device, side, depth)) << what << ": no frame line on side " << side;
    }
  }
}

// The taskbar state is a property of the X11 window, which Qt makes again on
// some changes (a round trip into another window here); the new one must
// carry it too.
TEST_F(Form1Binding, OnX11StaysOffTheTaskbarWhenItsNativeWindowIsMadeAgain) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) GTEST_SKIP() << "not on X11";
  const Qt::WindowFlags flags = window.windowFlags();
  QWidget host;
  window.setParent(&host);
  window.setParent(nullptr, flags);
  ASSERT_EQ(window.internalWinId(), 0u) << "the native window was kept";
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const auto atom = [&](const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x11->connection(), xcb_intern_atom(x11->connection(), 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  };
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> state(
      xcb_get_property_reply(x11->connection(),
                             xcb_get_property(x11->connection(), 0, static_cast<xcb_window_t>(window.winId()),
                                              atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 32),
                             nullptr),
      &std::free);
  ASSERT_TRUE(state);
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(state.get()));
  const std::vector<xcb_atom_t> states(atoms, atoms + xcb_get_property_value_length(state.get()) / 4);
  EXPECT_NE(std::find(states.begin(), states.end(), atom("_NET_WM_STATE_SKIP_TASKBAR")), states.end());
}

TEST(QtPickList, FillingKeepsNothingPicked) {
  QComboBox combo;
  QtPickList pickList(combo);
  pickList.AppendAll({"ADC", "AND"});
  pickList.Append("ASL");
  pickList.AppendAll({"BCC"});
  EXPECT_EQ(pickList.Text(), "");
  EXPECT_EQ(combo.currentIndex(), -1);
  EXPECT_EQ(pickList.Count(), 4);
  EXPECT_EQ(pickList.EntryAt(2), "ASL");
  EXPECT_EQ(pickList.EntryAt(4), "");
}

TEST(QtPickList, AssigningRunsTheReactionExactlyOnceAlsoWhenNothingChanges) {
  QComboBox combo;
  QtPickList pickList(combo);
  for (const char* entry : {"ADC", "AND", "ASL"}) pickList.Append(entry);
  std::vector<std::string> seen;
  pickList.OnPick([&] { seen.push_back(pickList.Text()); });

  pickList.SetText("AND");
  pickList.SetText("AND");
  pickList.SetText("ASL");
  pickList.SetText("adc");  // no entry: nothing is picked
  EXPECT_EQ(seen, (std::vector<std::string>{"AND", "AND", "ASL", ""}));
}

TEST(QtItemList, SelectedIndexComesFromTheSelectionNotTheCurrentRow) {
  QListWidget widget;
  QtItemList list(widget);
  for (const char* item : {"61", "63", "65"}) list.Append(item);
  EXPECT_EQ(list.SelectedIndex(), -1);

  // What a focus change can do: a current row with nothing selected.
  widget.selectionModel()->setCurrentIndex(widget.model()->index(2, 0), QItemSelectionModel::NoUpdate);
  ASSERT_EQ(widget.currentRow(), 2);
  EXPECT_EQ(list.SelectedIndex(), -1);
  EXPECT_EQ(list.SelectedText(), "");

  list.Select(1);
  EXPECT_EQ(list.SelectedIndex(), 1);
  EXPECT_EQ(list.SelectedText(), "63");
  list.Select(-1);
  EXPECT_EQ(list.SelectedIndex(), -1);
}

}  // namespace
}  // namespace hexling
