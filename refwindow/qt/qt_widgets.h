// The window logic's controls over Qt widgets.
#pragma once

#include <QObject>
#include <QPoint>

#include "type_ahead.h"
#include "widgets.h"

class QComboBox;
class QKeyEvent;
class QListWidget;
class QPlainTextEdit;

namespace hexling {

// A non-editable QComboBox, whose `activated` signal is the user's pick, the
// shown entry's too, and never the program's. Typing is the window's own
// TypeAhead: Qt 6.4's own search stays put when one letter is typed again.
class QtPickList final : public PickList, private QObject {
 public:
  explicit QtPickList(QComboBox& combo);

  void Append(const std::vector<std::string>& entries) override;
  int Count() const override;
  std::string EntryAt(int index) const override;
  std::string Text() const override;
  std::string HighlightedText() const override;

 protected:
  void SelectEntry(std::string_view text) override;

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool Typed(QObject* watched, const QKeyEvent& key);  // true where the key was typing

  QComboBox& combo_;
  TypeAhead typeAhead_;
};

// A single-selection QListWidget. A double-click on an item is reported, and
// so are Return or keypad Enter and the copy keys and Copy menu.
class QtItemList final : public ItemList, private QObject {
 public:
  explicit QtItemList(QListWidget& list);

  void Clear() override;
  void Append(std::string_view item) override;
  int Count() const override;
  std::string ItemAt(int index) const override;
  int SelectedIndex() const override;
  void Select(int index) override;

  QListWidget& List() const { return list_; }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  QPoint KeyboardMenuPlace() const;

  QListWidget& list_;
};

class QtTextPane final : public TextPane {
 public:
  explicit QtTextPane(QPlainTextEdit& edit) : edit_(edit) {}
  void SetText(std::string_view text) override;

  QPlainTextEdit& Edit() const { return edit_; }

 private:
  QPlainTextEdit& edit_;
};

}  // namespace hexling
