#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

#include "app/controls/controls.h"

// Adapters from the window-system seam to Qt widgets. Changes made by the
// program notify the window logic exactly as the seam says (spin fields once
// per changed value, lists and the chooser not at all); only the user's
// actions raise the widgets' own notifications.

namespace vellmora {

class QtTextList : public TextList {
 public:
  explicit QtTextList(QListWidget* widget);
  void Clear() override;
  void Add(const std::string& line) override;
  int Count() const override;
  std::string Line(int index) const override;
  int SelectedIndex() const override;
  void Unselect() override;

 private:
  QListWidget* widget_;
};

class QtComboBox : public ComboBox {
 public:
  explicit QtComboBox(QComboBox* widget);
  void Fill(const std::vector<std::string>& items) override;
  void SetEditText(const std::string& text) override;
  std::string EditText() const override;
  int IndexOf(const std::string& text) const override;
  void SetSelectedIndex(int index) override;
  int SelectedIndex() const override;

 private:
  QComboBox* widget_;
};

class QtEditField : public EditField {
 public:
  explicit QtEditField(QLineEdit* widget) : widget_(widget) {}
  std::string Text() const override;
  void SetText(const std::string& text) override;

 private:
  QLineEdit* widget_;
};

class QtSpinField : public SpinField {
 public:
  explicit QtSpinField(QSpinBox* widget);
  int Minimum() const override { return widget_->minimum(); }
  int Maximum() const override { return widget_->maximum(); }
  int Value() const override { return widget_->value(); }
  void SetValue(int value) override;

 private:
  QSpinBox* widget_;
};

class QtLabel : public Label {
 public:
  explicit QtLabel(QLabel* widget) : widget_(widget) {}
  void SetText(const std::string& text) override;

 private:
  QLabel* widget_;
};

class QtButton : public Button {
 public:
  explicit QtButton(QPushButton* widget);
};

class QtScreenCursor : public ScreenCursor {
 public:
  void ShowHourglass() override;
  void ShowDefault() override;

 private:
  bool overridden_ = false;
};

class QtErrorReport : public ErrorReport {
 public:
  explicit QtErrorReport(QWidget* parent) : parent_(parent) {}
  void Show(const std::string& message) override;

 private:
  QWidget* parent_;
};

}  // namespace vellmora
