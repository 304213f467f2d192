#pragma once

#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "app/window/form37.h"
#include "sightings/visible_eclipses.h"

namespace vellmora {

// "Finsternisse am Beobachtungsort": the solar eclipses of the years "von" to
// "bis" seen from the window's observing place, one row each, sortable by any
// column; "alle", "ab Größe …" or "nur zentrale". It follows the observing
// place; a double-click on a row hands its eclipse to `choose`. "Kopieren"
// copies the shown rows as tab-separated text.
class VisibleEclipsesDialog : public QDialog {
 public:
  using Choice = std::function<void(const VisibleEclipse&)>;

  VisibleEclipsesDialog(QWidget* parent, TForm37& form, Choice choose);

  // The years of the search ("von", "bis"), as the eclipse list reads them.
  void SetYears(int first, int last);
  // Searches again for the form's observing place.
  void FollowPlace();

  QTableWidget* Table() const { return table_; }
  QString AllAsText() const;
  // The eclipse of a row of the table as it is sorted now.
  const VisibleEclipse& EclipseOfRow(int row) const;

 private:
  void Search();
  void Fill();

  TForm37& form_;
  Choice choose_;
  QSpinBox* first_;
  QSpinBox* last_;
  QRadioButton* all_;
  QRadioButton* fromMagnitude_;
  QRadioButton* centralOnly_;
  QDoubleSpinBox* magnitude_;
  QLabel* place_;
  QTableWidget* table_;
  SightingSearch search_{{}};  // over the eclipses of the years, kept while only the place changes
  std::vector<VisibleEclipse> seen_;
};

}  // namespace vellmora
