#include "app/qt/qt_controls.h"

#include <QApplication>
#include <QCompleter>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>

#include "app/qt/qt_text.h"

namespace vellmora {

QtTextList::QtTextList(QListWidget* widget) : widget_(widget) {
  // A mouse click (also on the row already selected) and keyboard moves are user choices.
  QObject::connect(widget_, &QListWidget::itemClicked, [this] {
    if (OnClick) OnClick();
  });
  QObject::connect(widget_, &QListWidget::currentRowChanged, [this] {
    if (QGuiApplication::mouseButtons() == Qt::NoButton && widget_->hasFocus() && OnClick) OnClick();
  });
}

void QtTextList::Clear() {
  const QSignalBlocker quiet(widget_);
  widget_->clear();
}

void QtTextList::Add(const std::string& line) {
  const QSignalBlocker quiet(widget_);
  widget_->addItem(ToQString(line));
}

int QtTextList::Count() const { return widget_->count(); }

std::string QtTextList::Line(int index) const {
  const QListWidgetItem* item = widget_->item(index);
  return item != nullptr ? FromQString(item->text()) : std::string();
}

int QtTextList::SelectedIndex() const {
  const QListWidgetItem* item = widget_->currentItem();
  return item != nullptr && item->isSelected() ? widget_->row(item) : -1;
}

void QtTextList::Unselect() { widget_->clearSelection(); }

QtComboBox::QtComboBox(QComboBox* widget) : widget_(widget) {
  widget_->setInsertPolicy(QComboBox::NoInsert);
  auto* completer = new QCompleter(widget_->model(), widget_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  widget_->setCompleter(completer);
  // Every edit and every choice from the list changes the edit text.
  QObject::connect(widget_, &QComboBox::editTextChanged, [this] {
    if (OnChange) OnChange();
  });
  if (QLineEdit* edit = widget_->lineEdit()) {
    QObject::connect(edit, &QLineEdit::returnPressed, [this] {
      if (OnEnter) OnEnter();
    });
  }
}

void QtComboBox::Fill(const std::vector<std::string>& items) {
  const QSignalBlocker quiet(widget_);
  const QString edit = widget_->currentText();
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) texts.append(ToQString(item));
  widget_->clear();
  widget_->addItems(texts);
  widget_->setEditText(edit);
}

void QtComboBox::SetEditText(const std::string& text) {
  const QSignalBlocker quiet(widget_);
  widget_->setEditText(ToQString(text));
}

std::string QtComboBox::EditText() const { return FromQString(widget_->currentText()); }

int QtComboBox::IndexOf(const std::string& text) const {
  return widget_->findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void QtComboBox::SetSelectedIndex(int index) {
  const QSignalBlocker quiet(widget_);
  widget_->setCurrentIndex(index);
}

int QtComboBox::SelectedIndex() const {
  return widget_->findText(widget_->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

std::string QtEditField::Text() const { return FromQString(widget_->text()); }

void QtEditField::SetText(const std::string& text) { widget_->setText(ToQString(text)); }

QtSpinField::QtSpinField(QSpinBox* widget) : widget_(widget) {
  QObject::connect(widget_, &QSpinBox::valueChanged, [this] {
    if (OnChange) OnChange();
  });
}

void QtSpinField::SetValue(int value) {
  const int clamped = std::clamp(value, Minimum(), Maximum());
  if (clamped == widget_->value()) return;
  {
    const QSignalBlocker quiet(widget_);
    widget_->setValue(clamped);
  }
  if (OnChange) OnChange();
}

void QtLabel::SetText(const std::string& text) {
  widget_->setText(ToQString(text));
  widget_->adjustSize();
}

QtButton::QtButton(QPushButton* widget) {
  QObject::connect(widget, &QPushButton::clicked, [this] {
    if (OnClick) OnClick();
  });
}

void QtScreenCursor::ShowHourglass() {
  if (overridden_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  overridden_ = true;
}

void QtScreenCursor::ShowDefault() {
  if (!overridden_) return;
  QApplication::restoreOverrideCursor();
  overridden_ = false;
}

void QtErrorReport::Show(const std::string& message) {
  QMessageBox::critical(parent_, QStringLiteral("Vellmora"), ToQString(message));
}

}  // namespace vellmora
