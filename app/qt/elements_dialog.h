#pragma once

#include <QDialog>
#include <QPlainTextEdit>

#include "geometry/besselian_elements.h"

namespace vellmora {

// "Besselsche Elemente": the selected eclipse's elements as a table, read-only.
class ElementsDialog : public QDialog {
 public:
  explicit ElementsDialog(QWidget* parent);

  // Titled with the date of T0 (dynamical time).
  void Show(const BesselianElements& elements);
  QString Text() const { return table_->toPlainText(); }

 private:
  QPlainTextEdit* table_;
};

}  // namespace vellmora
