#include "qt_widgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

#include "form1_layout.h"
#include "qt_kept_failure.h"

namespace hexling {
namespace {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What a signal reaches to raise `event`, its reaction kept from Qt's frames.
auto Raising(const Event& event) {
  return [&event] { Guarded([&event] { event.Raise(); }); };
}

// Runs `reaction` on each of `keys` while `control` or its open popup has the keyboard.
void OnKeys(QWidget& control, std::initializer_list<QKeySequence> keys, QObject& context,
            const std::function<void()>& reaction) {
  for (const QKeySequence& key : keys) {
    auto* const shortcut = new QShortcut(key, &control);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &context, [reaction] { Guarded(reaction); });
  }
}

// The list's menu, of one entry, at `at` in the control (in a scroll area's
// viewport, as its events give it); true when Copy was chosen.
bool CopyChosen(QWidget& control, QPoint at) {
  const auto* const area = qobject_cast<const QAbstractScrollArea*>(&control);
  const QPoint place = area ? area->viewport()->mapToGlobal(at) : control.mapToGlobal(at);
  QMenu menu(&control);
  QAction* const copy = menu.addAction(ToQString(Form1Layout.copyCommand));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutVisibleInContextMenu(true);
  return menu.exec(place) == copy;
}

// Ctrl+C and Ctrl+Insert ask `list` to copy, and so does Copy in its menu,
// which the right button, Shift+F10 and the Menu key open. `pointedAt` runs
// first for a menu opened with the mouse or the Menu key, with the place the
// event gives; a menu that Shift+F10 opens shows at `keyboardPlace`.
template <class List>
void OfferCopy(QWidget& control, List& list, QObject& context, std::function<QPoint()> keyboardPlace,
               std::function<void(QPoint)> pointedAt = {}) {
  OnKeys(control, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}, context,
         [&list] { list.copyAsked.Raise(); });
  control.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&control, &QWidget::customContextMenuRequested, &context, [&control, &list, pointedAt](QPoint at) {
    Guarded([&] {
      if (pointedAt) pointedAt(at);
      if (CopyChosen(control, at)) list.copyAsked.Raise();
    });
  });
  // The platform turns the Menu key into a context menu event at the current
  // item; Shift+F10 it leaves to the program.
  OnKeys(control, {QKeySequence(Qt::SHIFT | Qt::Key_F10)}, context, [&control, &list, keyboardPlace] {
    if (CopyChosen(control, keyboardPlace())) list.copyAsked.Raise();
  });
}

}  // namespace

QtPickList::QtPickList(QComboBox& combo)
    : combo_(combo), typeAhead_(std::chrono::milliseconds(QApplication::keyboardInputInterval())) {
  QObject::connect(&combo, &QComboBox::activated, &connections_, Raising(picked));
  OfferCopy(combo, *this, connections_, [&combo] { return QPoint(0, combo.height()); });
  combo.installEventFilter(this);
  combo.view()->installEventFilter(this);
}

bool QtPickList::eventFilter(QObject* watched, QEvent* event) {
  return event->type() == QEvent::KeyPress && Guarded([&] { return Typed(watched, static_cast<const QKeyEvent&>(*event)); });
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

void QtPickList::Append(std::string_view entry) { AppendAll({std::string(entry)}); }

// All entries in one insertion: added one at a time, each would cost the combo
// box a round of model signals and size updates.
void QtPickList::AppendAll(const std::vector<std::string>& entries) {
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
  QObject::connect(&list, &QListWidget::itemDoubleClicked, &connections_, Raising(doubleClicked));
  // Keypad Enter comes as Key_Enter; the shortcut matches it with or without the keypad modifier.
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* const shortcut = new QShortcut(QKeySequence(key), &list, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &connections_, Raising(returnPressed));
  }
  // From the keyboard, the menu shows below the selected code, as the Menu key's does.
  const auto belowTheCode = [this] { return list_.visualItemRect(list_.currentItem()).bottomLeft(); };
  OfferCopy(list, *this, connections_, belowTheCode, [this](QPoint at) {
    const QModelIndex pointed = list_.indexAt(at);
    if (pointed.isValid()) Select(pointed.row());
  });
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

void QtItemList::Select(int index) {
  if (index >= 0 && index < list_.count()) {
    list_.setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  } else {
    list_.clearSelection();
  }
}

void QtTextPane::SetText(std::string_view text) { edit_.setPlainText(ToQString(text)); }

}  // namespace hexling
