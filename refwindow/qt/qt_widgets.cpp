#include "qt_widgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>

#include <chrono>

#include "form1_layout.h"
#include "qt_kept_failure.h"

namespace hexling {
namespace {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What a signal reaches to raise `event`, its reaction kept from Qt's frames.
auto Raising(const Event& event) {
  return [&event] { Guarded([&event] { event.Raise(); }); };
}

// Ctrl+C and Ctrl+Insert ask to copy while `control` or its open list has the keyboard.
void CopyOnKeys(QWidget& control, QObject& context, const Event& copyAsked) {
  for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}) {
    auto* const shortcut = new QShortcut(key, &control);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &context, Raising(copyAsked));
  }
}

// A list's menu, of one entry, where `asked` wants it: at the pointer, or
// for the keyboard (Shift+F10, the Menu key) at `keyboardPlace` on the
// screen with Copy active, so that Return chooses it. Copy asks to copy.
void OfferCopy(QWidget& control, const QContextMenuEvent& asked, QPoint keyboardPlace, const Event& copyAsked) {
  const bool byKeyboard = asked.reason() == QContextMenuEvent::Keyboard;
  QMenu menu(&control);
  QAction* const copy = menu.addAction(ToQString(Form1Layout.copyCommand));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutVisibleInContextMenu(true);
  if (byKeyboard) menu.setActiveAction(copy);
  if (menu.exec(byKeyboard ? keyboardPlace : asked.globalPos()) == copy) copyAsked.Raise();
}

}  // namespace

QtPickList::QtPickList(QComboBox& combo)
    : combo_(combo), typeAhead_(std::chrono::milliseconds(QApplication::keyboardInputInterval())) {
  QObject::connect(&combo, &QComboBox::activated, this, Raising(picked));
  CopyOnKeys(combo, *this, copyAsked);
  combo.installEventFilter(this);
  combo.view()->installEventFilter(this);
}

bool QtPickList::eventFilter(QObject* watched, QEvent* event) {
  return Guarded([&] {
    if (event->type() == QEvent::KeyPress) return Typed(watched, static_cast<const QKeyEvent&>(*event));
    if (event->type() != QEvent::ContextMenu || watched != &combo_) return false;
    OfferCopy(combo_, static_cast<const QContextMenuEvent&>(*event), combo_.mapToGlobal(QPoint(0, combo_.height())),
              copyAsked);
    return true;
  });
}

// Printable characters but the blank, which opens a closed list as it does
// in every Qt list; keys with Ctrl or Alt are the window's or the desktop's.
bool QtPickList::Typed(QObject* watched, const QKeyEvent& key) {
  const QString text = key.text();
  if (text.size() != 1 || text.front() <= u' ' || text.front() > u'~' ||
      (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    return false;
  }
  QAbstractItemView& open = *combo_.view();
  const bool isOpen = watched == &open;
  const int current = isOpen ? open.currentIndex().row() : combo_.currentIndex();
  const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  const int index = typeAhead_.Typed(*this, current, text.front().toLatin1(), now);
  if (index != current && isOpen) {
    open.setCurrentIndex(open.model()->index(index, 0));
  } else if (index != current) {
    combo_.setCurrentIndex(index);
    picked.Raise();
  }
  return true;
}

// All entries in one insertion: added one at a time, each would cost the combo
// box a round of model signals and size updates.
void QtPickList::Append(const std::vector<std::string>& entries) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (const std::string& entry : entries) texts.append(ToQString(entry));
  // Filling an empty QComboBox selects its first entry; a list that has not
  // been picked from must keep showing nothing.
  const int current = combo_.currentIndex();
  combo_.addItems(texts);
  combo_.setCurrentIndex(current);
}

int QtPickList::Count() const { return combo_.count(); }

std::string QtPickList::EntryAt(int index) const { return combo_.itemText(index).toStdString(); }

std::string QtPickList::Text() const { return combo_.currentText().toStdString(); }

std::string QtPickList::HighlightedText() const {
  const QAbstractItemView& open = *combo_.view();
  return open.isVisible() ? open.currentIndex().data().toString().toStdString() : Text();
}

void QtPickList::SelectEntry(std::string_view text) {
  combo_.setCurrentIndex(combo_.findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QtItemList::QtItemList(QListWidget& list) : list_(list) {
  QObject::connect(&list, &QListWidget::itemDoubleClicked, this, Raising(doubleClicked));
  // Keypad Enter comes as Key_Enter; the shortcut matches it with or without the keypad modifier.
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* const shortcut = new QShortcut(QKeySequence(key), &list, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, this, Raising(returnPressed));
  }
  CopyOnKeys(list, *this, copyAsked);
  // The menu the mouse asks for comes to the viewport, the keyboard's to the list.
  list.installEventFilter(this);
  list.viewport()->installEventFilter(this);
}

bool QtItemList::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched == &list_) {
    // Before the view's own handling, which would make the first code
    // current; quietly, so that the list reports the focus as it does when
    // its current item was there before.
    const int selected = SelectedIndex();
    if (selected >= 0) {
      const QSignalBlocker quiet(list_.selectionModel());
      list_.selectionModel()->setCurrentIndex(list_.model()->index(selected, 0), QItemSelectionModel::NoUpdate);
      list_.viewport()->update();
    }
    return false;
  }
  if (event->type() != QEvent::ContextMenu) return false;
  // A right press has selected the code under the pointer already.
  Guarded([&] { OfferCopy(list_, static_cast<const QContextMenuEvent&>(*event), KeyboardMenuPlace(), copyAsked); });
  return true;
}

// Below the selected code where it is wholly in view; below the list otherwise.
QPoint QtItemList::KeyboardMenuPlace() const {
  const int selected = SelectedIndex();
  const QRect code = selected < 0 ? QRect() : list_.visualItemRect(list_.item(selected));
  if (list_.viewport()->rect().contains(code)) return list_.viewport()->mapToGlobal(QPoint(code.left(), code.bottom() + 1));
  return list_.mapToGlobal(QPoint(0, list_.height()));
}

void QtItemList::Clear() { list_.clear(); }

void QtItemList::Append(std::string_view item) { list_.addItem(ToQString(item)); }

int QtItemList::Count() const { return list_.count(); }

std::string QtItemList::ItemAt(int index) const {
  const QListWidgetItem* item = list_.item(index);
  return item ? item->text().toStdString() : std::string();
}

// Read from the selection: a focus change can make a row current without
// selecting it, so currentRow() is not the selected index.
int QtItemList::SelectedIndex() const {
  const QModelIndexList selected = list_.selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

// Qt's list view tells a screen reader that its current item has the focus,
// whether or not the list has the keyboard: without it, the code is selected
// only, and made current when the keyboard comes.
void QtItemList::Select(int index) {
  QListWidgetItem* const item = list_.item(index);
  if (!item) {
    list_.clearSelection();
  } else if (list_.hasFocus()) {
    list_.setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
  } else {
    list_.selectionModel()->select(list_.model()->index(index, 0), QItemSelectionModel::ClearAndSelect);
    list_.scrollToItem(item);
  }
}

void QtTextPane::SetText(std::string_view text) { edit_.setPlainText(ToQString(text)); }

}  // namespace hexling
