// The window driven with Qt's test events, on the platform the test program
// runs on (offscreen, unless a script says otherwise): the behaviour table's
// driver, and the Qt tests' own.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>

#include "qt_form1_window.h"
#include "window_driver.h"

namespace hexling::testing {

// The outermost two pixels all round a control's picture that differ.
inline int FrameDifference(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const bool frame = x < 2 || y < 2 || x >= a.width() - 2 || y >= a.height() - 2;
      differing += frame && a.pixel(x, y) != b.pixel(x, y);
    }
  }
  return differing;
}

class QtWindowDriver final : public WindowDriver {
 public:
  QtWindowDriver() {
    window_.show();
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {  // where no client activates a window
      static_cast<void>(QTest::qWaitForWindowExposed(&window_));
      return;
    }
    QApplication::setActiveWindow(&window_);
    static_cast<void>(QTest::qWaitForWindowActive(&window_));
  }

  void Press(std::size_t control, Key key) override {
    static constexpr std::pair<Qt::Key, Qt::KeyboardModifier> strokes[] = {
        {Qt::Key_Down, Qt::NoModifier},   {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_Tab, Qt::NoModifier},    {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_End, Qt::NoModifier},    {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ControlModifier}, {Qt::Key_Space, Qt::NoModifier}};
    const auto [qtKey, modifier] = strokes[static_cast<int>(key)];
    QTest::keyClick(Keyboard(control), qtKey, modifier);
  }
  void Type(std::size_t control, std::string_view characters) override {
    QTest::keyClicks(Keyboard(control), QString::fromLatin1(characters.data(), static_cast<qsizetype>(characters.size())));
  }
  void OpenList(std::size_t combo) override { QTest::keyClick(Keyboard(combo), Qt::Key_Down, Qt::AltModifier); }
  void ClickEntry(std::size_t combo, std::string_view entry) override {
    QComboBox& list = Combo(combo);
    // What a click on the field does; a click in the list it opens would then
    // be taken for the end of a drag, for a double-click interval.
    list.setFocus(Qt::MouseFocusReason);
    list.showPopup();
    QAbstractItemView& view = *list.view();
    const QModelIndex index = view.model()->index(list.findText(QString::fromLatin1(entry.data(), entry.size())), 0);
    view.scrollTo(index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
  }
  // What a user's double-click delivers: press and release, then the double
  // click and its release, on the item (QTest::mouseDClick alone does not
  // make a QListWidget report a double-click).
  void ClickCode(std::string_view code, int clicks, bool withCtrl) override {
    QWidget& viewport = *List().viewport();
    const QPoint at = ItemCentre(code);
    const Qt::KeyboardModifiers held = withCtrl ? Qt::ControlModifier : Qt::NoModifier;
    QTest::mousePress(&viewport, Qt::LeftButton, held, at);
    QTest::mouseRelease(&viewport, Qt::LeftButton, held, at);
    if (clicks < 2) return;
    QTest::mouseDClick(&viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&viewport, Qt::LeftButton, {}, at);
  }
  MenuShown CopyByMenu(std::size_t control, MenuBy by, std::string_view code) override {
    MenuShown shown;
    bool chosen = false;
    QTimer::singleShot(0, [&] {
      auto* const menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      chosen = true;
      if (!menu) return;
      const auto entry = [](const QAction* action) {
        return action ? action->text().section(u'\t', 0, 0).remove(u'&').toStdString() : "";
      };
      for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) shown.entries.push_back(entry(action));
      }
      shown.active = entry(menu->activeAction());
      shown.place = PlaceOf(menu->geometry().topLeft(), control);
      QTest::keyClick(menu, shown.active == "Copy" ? Qt::Key_Return : Qt::Key_C);
    });
    OpenMenu(control, by, code);
    static_cast<void>(QTest::qWaitFor([&] { return chosen; }, 2000));  // a text box's own menu does not wait
    return shown;
  }
  void ScrollCodesToEnd() override { List().scrollToBottom(); }

  // Asks for the control's menu as the user does; it runs until chosen from.
  void OpenMenu(std::size_t list, MenuBy by, std::string_view code) {
    QWidget& control = Control(list);
    control.setFocus(Qt::OtherFocusReason);
    switch (by) {
      case MenuBy::RightButton: {
        // Through the window, which makes a context menu event of the press, as on a screen.
        const QPoint at = code.empty() ? control.rect().center() : List().viewport()->mapTo(&control, ItemCentre(code));
        QTest::mouseClick(window_.windowHandle(), Qt::RightButton, {}, control.mapTo(&window_, at));
        break;
      }
      case MenuBy::ShiftF10:
        QTest::keyClick(&control, Qt::Key_F10, Qt::ShiftModifier);
        break;
      case MenuBy::MenuKey: {  // what the platform makes of the Menu key
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), control.mapToGlobal(QPoint()));
        QCoreApplication::sendEvent(window_.windowHandle(), &event);
        break;
      }
    }
  }

  bool IsShown() override { return window_.isVisible(); }
  std::string Text(std::size_t control) override {
    if (control == Description) return Edit().toPlainText().toStdString();
    return Combo(control).currentText().toStdString();
  }
  std::vector<std::string> Codes() override {
    std::vector<std::string> codes;
    for (int row = 0; row < List().count(); ++row) codes.push_back(List().item(row)->text().toStdString());
    return codes;
  }
  std::string SelectedCode() override {
    const auto selected = List().selectedItems();
    return selected.size() == 1 ? selected.first()->text().toStdString()
                                : selected.empty() ? "" : std::to_string(selected.size()) + " selected";
  }
  std::string Highlighted(std::size_t combo) override {
    const QAbstractItemView& view = *Combo(combo).view();
    return view.isVisible() ? view.currentIndex().data().toString().toStdString() : "";
  }
  std::size_t Focus() override {
    for (std::size_t i = 0; i < Form1Layout.controls.size(); ++i) {
      QWidget* const focus = QApplication::focusWidget();
      if (focus && (focus == &Control(i) || Control(i).isAncestorOf(focus))) return i;
    }
    return NoControl;
  }
  // Its frame against its frame without the keyboard, given to another control for the picture.
  bool ShowsFocus(std::size_t control) override {
    QWidget& shown = Control(control);
    const QImage focused = shown.grab().toImage();
    Control((control + 1) % Form1Layout.controls.size()).setFocus(Qt::OtherFocusReason);
    const QImage unfocused = shown.grab().toImage();
    shown.setFocus(Qt::OtherFocusReason);
    return FrameDifference(focused, unfocused) >= (focused.width() + focused.height()) / 3;
  }
  std::string Clipboard() override { return QGuiApplication::clipboard()->text().toStdString(); }
  void SetClipboard(std::string_view text) override {
    QGuiApplication::clipboard()->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  }

  PixelRect Place(std::size_t control) override {
    const QRect at = Control(control).geometry();
    return {at.x(), at.y(), at.width(), at.height()};
  }
  // What the pointer resting on the control shows: Qt's tooltip event.
  std::string Tooltip(std::size_t control) override {
    QWidget& shown = Control(control);
    const QPoint at = shown.rect().center();
    QHelpEvent rest(QEvent::ToolTip, at, shown.mapToGlobal(at));
    QCoreApplication::sendEvent(&shown, &rest);
    std::string text = QToolTip::text().toStdString();
    QToolTip::hideText();
    return text;
  }
  FontShown Font(std::size_t control) override {
    const QFontInfo font(Control(control).font());
    const QFontMetrics metrics(Control(control).font());
    return {font.pixelSize(),
            metrics.horizontalAdvance(QStringLiteral("iiii")) == metrics.horizontalAdvance(QStringLiteral("WWWW")),
            font.weight() == QFont::Normal && !font.italic()};
  }
  bool ShowsWholeDescription() override {
    return Edit().document()->firstBlock().layout()->lineCount() >= 2 && Edit().verticalScrollBar()->maximum() == 0;
  }

  QtForm1Window& Window() { return window_; }
  QWidget& Control(std::size_t control) {
    return *window_.findChild<QWidget*>(QString::fromLatin1(Form1Layout.controls[control].name.data(),
                                                            Form1Layout.controls[control].name.size()));
  }
  QComboBox& Combo(std::size_t control) { return *qobject_cast<QComboBox*>(&Control(control)); }
  QPlainTextEdit& Edit() { return *qobject_cast<QPlainTextEdit*>(&Control(Description)); }
  QListWidget& List() { return *qobject_cast<QListWidget*>(&Control(CodeList)); }

 private:
  // Where a menu at `at` on the screen opened, for the control.
  std::string PlaceOf(QPoint at, std::size_t control) {
    QWidget& shown = Control(control);
    if (at == shown.mapToGlobal(QPoint(0, shown.height()))) return "below the control";
    for (int row = 0; control == CodeList && row < List().count(); ++row) {
      const QRect item = List().visualItemRect(List().item(row));
      if (at == List().viewport()->mapToGlobal(QPoint(item.left(), item.bottom() + 1))) {
        return "below code " + List().item(row)->text().toStdString();
      }
    }
    const QPoint inside = shown.mapFromGlobal(at);
    return "at " + std::to_string(inside.x()) + "," + std::to_string(inside.y()) + " in the control";
  }
  QPoint ItemCentre(std::string_view code) {
    const auto found = List().findItems(QString::fromLatin1(code.data(), code.size()), Qt::MatchExactly);
    return found.size() == 1 ? List().visualItemRect(found.first()).center() : QPoint(-1, -1);
  }
  // Where the keys for the control go: its open list, or the control, given the keyboard.
  QWidget* Keyboard(std::size_t control) {
    QWidget& target = Control(control);
    if (auto* const combo = qobject_cast<QComboBox*>(&target); combo && combo->view()->isVisible()) {
      return combo->view();
    }
    if (QApplication::focusWidget() != &target) target.setFocus(Qt::OtherFocusReason);
    return &target;
  }

  QtForm1Window window_;
};

}  // namespace hexling::testing
