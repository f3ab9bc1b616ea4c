#include "qt_widgets.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QString>
#include <QStringList>

namespace hexling {
namespace {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QtPickList::QtPickList(QComboBox& combo)
    : combo_(combo), picks_(QObject::connect(&combo, &QComboBox::activated, [this] { Picked(); })) {}

QtPickList::~QtPickList() { QObject::disconnect(picks_); }

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

void QtPickList::SelectEntry(std::string_view text) {
  combo_.setCurrentIndex(combo_.findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QtItemList::QtItemList(QListWidget& list)
    : list_(list), doubleClicks_(QObject::connect(&list, &QListWidget::itemDoubleClicked, [this] { DoubleClicked(); })) {
  // Keypad Enter comes as Key_Enter; the shortcut matches it with or without the keypad modifier.
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* const shortcut = new QShortcut(QKeySequence(key), &list, nullptr, nullptr, Qt::WidgetShortcut);
    returns_.push_back(QObject::connect(shortcut, &QShortcut::activated, [this] { ReturnPressed(); }));
  }
}

QtItemList::~QtItemList() {
  QObject::disconnect(doubleClicks_);
  for (const auto& connection : returns_) QObject::disconnect(connection);
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
