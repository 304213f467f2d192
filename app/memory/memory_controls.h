#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/controls/controls.h"

// The window's controls held in memory: the CLI and the tests drive the same
// window logic through them and read back what they show.

namespace vellmora {

class MemoryTextList : public TextList {
 public:
  void Clear() override;
  void Add(const std::string& line) override;
  int Count() const override;
  std::string Line(int index) const override;
  int SelectedIndex() const override;
  void Unselect() override;
  // A user's click on row `index` (-1 for a click beside the rows): selects, then notifies.
  void Click(int index);
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  int selected_ = -1;
};

class MemoryComboBox : public ComboBox {
 public:
  void Fill(const std::vector<std::string>& items) override;
  void SetEditText(const std::string& text) override;
  std::string EditText() const override;
  int IndexOf(const std::string& text) const override;
  void SetSelectedIndex(int index) override;
  int SelectedIndex() const override;
  // A user's choice of an item, or typed text: changes the edit text, then notifies.
  void Choose(int index);
  void Type(const std::string& text);
  const std::vector<std::string>& Items() const { return items_; }

 private:
  std::vector<std::string> items_;
  std::string editText_;
  int selected_ = -1;
};

class MemoryEditField : public EditField {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

class MemorySpinField : public SpinField {
 public:
  MemorySpinField(int minimum, int maximum, int value) : minimum_(minimum), maximum_(maximum), value_(value) {}
  int Minimum() const override { return minimum_; }
  int Maximum() const override { return maximum_; }
  int Value() const override { return value_; }
  void SetValue(int value) override;

 private:
  int minimum_;
  int maximum_;
  int value_;
};

class MemoryLabel : public Label {
 public:
  void SetText(const std::string& text) override { text_ = text; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_ = ".";
};

class MemoryButton : public Button {
 public:
  void Click() {
    if (OnClick) OnClick();
  }
};

class MemoryCursor : public ScreenCursor {
 public:
  void ShowHourglass() override { hourglass_ = true; }
  void ShowDefault() override { hourglass_ = false; }
  bool Hourglass() const { return hourglass_; }

 private:
  bool hourglass_ = false;
};

// Collects the messages the window would show in message boxes.
class MemoryErrorReport : public ErrorReport {
 public:
  void Show(const std::string& message) override { messages_.push_back(message); }
  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  std::vector<std::string> messages_;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(CivilDate today) : today_(today) {}
  CivilDate Today() const override { return today_; }

 private:
  CivilDate today_;
};

}  // namespace vellmora
