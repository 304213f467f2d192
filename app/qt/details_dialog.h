#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "app/selection/selection.h"
#include "app/window/form37.h"

namespace vellmora {

// "Einzelheiten am Beobachtungsort": the details of the eclipse and place
// whose local circumstances the window shows, as a table with one row per
// contact and the figures below it. It stays open beside the window and is
// filled anew whenever the window shows other local circumstances. Ctrl+C
// copies the chosen cells, "Kopieren" everything, as tab-separated text.
class DetailsDialog : public QDialog {
 public:
  DetailsDialog(QWidget* parent, TForm37& form);

  // Computes and shows the details of the form's shown eclipse and place.
  void Refresh();
  // Shows the details of one eclipse at one place (an eclipse outside the
  // list, chosen in "Finsternisse am Beobachtungsort").
  void Show(const Selection& selection);

  QTableWidget* Table() const { return table_; }
  QString Figures() const { return figures_->toPlainText(); }
  QString AllAsText() const;

 private:
  void CopySelectedCells() const;

  TForm37& form_;
  QTableWidget* table_;
  QPlainTextEdit* figures_;
};

}  // namespace vellmora
