// What only the Qt binding has: its style, its open lists, its frame at every
// scale and on X11, and its widgets' own rules. What both bindings share is
// in the behaviour table.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QtMath>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "kept_failure.h"
#include "qt_widgets.h"
#include "qt_window_driver.h"

#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace hexling {
namespace {

// The window on screen, with the driver's input.
class Form1Binding : public ::testing::Test {
 protected:
  testing::QtWindowDriver driver;
  QtForm1Window& window = driver.Window();
  QComboBox& hexCombo = driver.Combo(testing::HexCombo);
  QComboBox& translationCombo = driver.Combo(testing::MnemonicCombo);
  QWidget& translationText = driver.Control(testing::Description);
  QWidget& list = driver.Control(testing::CodeList);
};

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

// The window's touches to the style go over whatever style the application
// has, also one it changes to later, and leave the application's own alone.
TEST_F(Form1Binding, TheWindowsTouchesFollowTheApplicationsStyleAndLeaveItAlone) {
  const QString first = QApplication::style()->name();
  for (const QString& style : {QStringLiteral("windows"), first}) {
    QApplication::setStyle(QStyleFactory::create(style));
    QCoreApplication::processEvents();
    EXPECT_EQ(qobject_cast<const QProxyStyle*>(QApplication::style()), nullptr) << "the application's style replaced";
    for (QWidget* const control : {static_cast<QWidget*>(&hexCombo), &list}) {
      const auto* proxy = qobject_cast<const QProxyStyle*>(control->style());
      ASSERT_NE(proxy, nullptr) << control->objectName().toStdString();
      EXPECT_EQ(proxy->baseStyle()->name(), style) << control->objectName().toStdString();
    }
    EXPECT_EQ(hexCombo.style(), list.style()) << "a style of each control's own";
    EXPECT_EQ(hexCombo.style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, &hexCombo), 0);
  }
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

// A failure in a reaction goes no further than the binding: the loop ends
// with status 1, the first failure kept, the second dropped.
TEST_F(Form1Binding, AFailureInAReactionEndsTheLoopWithStatus1AndKeepsTheFirst) {
  int reactions = 0;
  window.Model().HexCombo1.picked.Connect([&] { throw std::runtime_error("injected " + std::to_string(++reactions)); });
  for (int press = 0; press < 2; ++press) driver.Press(testing::HexCombo, testing::Key::Down);
  EXPECT_EQ(QApplication::exec(), 1);
  EXPECT_EQ(reactions, 2);
  std::string kept = "none";
  try {
    if (const std::exception_ptr failure = TakeFailure()) std::rethrow_exception(failure);
  } catch (const std::runtime_error& error) {
    kept = error.what();
  }
  EXPECT_EQ(kept, "injected 1");
  EXPECT_FALSE(TakeFailure()) << "kept twice";
}

TEST(QtPickList, FillingKeepsNothingPicked) {
  QComboBox combo;
  QtPickList pickList(combo);
  pickList.Append({"ADC", "AND"});
  pickList.Append({"ASL", "BCC"});
  EXPECT_EQ(pickList.Text(), "");
  EXPECT_EQ(combo.currentIndex(), -1);
  EXPECT_EQ(pickList.Count(), 4);
  EXPECT_EQ(pickList.EntryAt(2), "ASL");
  EXPECT_EQ(pickList.EntryAt(4), "");
}

TEST(QtPickList, AssigningRunsTheReactionExactlyOnceAlsoWhenNothingChanges) {
  QComboBox combo;
  QtPickList pickList(combo);
  pickList.Append({"ADC", "AND", "ASL"});
  std::vector<std::string> seen;
  pickList.picked.Connect([&] { seen.push_back(pickList.Text()); });

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
