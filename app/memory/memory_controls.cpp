#include "app/memory/memory_controls.h"

#include <algorithm>

namespace vellmora {

void MemoryTextList::Clear() {
  lines_.clear();
  selected_ = -1;
}

void MemoryTextList::Add(const std::string& line) { lines_.push_back(line); }

int MemoryTextList::Count() const { return static_cast<int>(lines_.size()); }

std::string MemoryTextList::Line(int index) const {
  if (index < 0 || index >= Count()) return {};
  return lines_[static_cast<std::size_t>(index)];
}

int MemoryTextList::SelectedIndex() const { return selected_; }

void MemoryTextList::Unselect() { selected_ = -1; }

void MemoryTextList::Click(int index) {
  if (index >= 0 && index < Count()) selected_ = index;
  if (OnClick) OnClick();
}

void MemoryComboBox::Fill(const std::vector<std::string>& items) {
  items_ = items;
  selected_ = IndexOf(editText_);
}

void MemoryComboBox::SetEditText(const std::string& text) {
  editText_ = text;
  selected_ = IndexOf(text);
}

std::string MemoryComboBox::EditText() const { return editText_; }

int MemoryComboBox::IndexOf(const std::string& text) const {
  const auto found = std::find(items_.begin(), items_.end(), text);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void MemoryComboBox::SetSelectedIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) {
    selected_ = -1;
    return;
  }
  selected_ = index;
  editText_ = items_[static_cast<std::size_t>(index)];
}

int MemoryComboBox::SelectedIndex() const { return selected_; }

void MemoryComboBox::Choose(int index) {
  SetSelectedIndex(index);
  if (OnChange) OnChange();
}

void MemoryComboBox::Type(const std::string& text) {
  SetEditText(text);
  if (OnChange) OnChange();
}

void MemorySpinField::SetValue(int value) {
  const int clamped = std::clamp(value, minimum_, maximum_);
  if (clamped == value_) return;
  value_ = clamped;
  if (OnChange) OnChange();
}

}  // namespace vellmora
