#include "app/qt/visible_eclipses_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/qt_text.h"
#include "app/texts/visible_eclipses_text.h"
#include "sightings/eclipse_table.h"
#include "text/format_number.h"

namespace vellmora {
namespace {

constexpr int kSortKey = Qt::UserRole;
constexpr int kEclipseIndex = Qt::UserRole + 1;

// A cell that sorts by its number (an instant, a magnitude) where it has one.
class SortableItem : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;

  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant mine = data(kSortKey);
    const QVariant theirs = other.data(kSortKey);
    if (mine.isValid() && theirs.isValid()) return mine.toDouble() < theirs.toDouble();
    if (mine.isValid() != theirs.isValid()) return theirs.isValid();  // empty cells first
    return text() < other.text();
  }
};

// The number each column sorts by; none for the columns of text.
std::optional<double> SortKey(const VisibleEclipse& eclipse, int column) {
  const bool central = eclipse.SeesCentralPhase();
  switch (column) {
    case 0:
      return eclipse.Catalogue.Time;
    case 2:
      return eclipse.Magnitude;
    case 3:
      return eclipse.Obscuration;
    case 4:
      return eclipse.Maximum;
    case 5:
      return eclipse.Sun.Altitude;
    case 6:
      return eclipse.Sun.Azimuth;
    case 7:
      return eclipse.Contacts[0];
    case 8:
      return central ? std::optional(eclipse.Contacts[1]) : std::nullopt;
    case 9:
      return central ? std::optional(eclipse.Contacts[2]) : std::nullopt;
    case 10:
      return eclipse.Contacts[3];
    case 11:
      return central ? eclipse.CentralDurationSeconds : std::nullopt;
    case 13:
      return eclipse.CentralPhaseProbability;
    default:
      return std::nullopt;
  }
}

QString JoinedRow(const QTableWidget& table, int row) {
  QStringList cells;
  for (int column = 0; column < table.columnCount(); ++column) {
    const QTableWidgetItem* item = table.item(row, column);
    cells << (item != nullptr ? item->text() : QString());
  }
  return cells.join(QLatin1Char('\t'));
}

}  // namespace

VisibleEclipsesDialog::VisibleEclipsesDialog(QWidget* parent, TForm37& form, Choice choose)
    : QDialog(parent),
      form_(form),
      choose_(std::move(choose)),
      first_(new QSpinBox(this)),
      last_(new QSpinBox(this)),
      all_(new QRadioButton(ToQString("alle"), this)),
      fromMagnitude_(new QRadioButton(ToQString("ab Gr\xF6\xDF"
                                                "e"),
                                      this)),
      centralOnly_(new QRadioButton(ToQString("nur zentrale"), this)),
      magnitude_(new QDoubleSpinBox(this)),
      place_(new QLabel(this)),
      table_(new QTableWidget(this)) {
  setObjectName(QStringLiteral("VisibleEclipsesDialog"));
  setWindowTitle(ToQString("Finsternisse am Beobachtungsort"));
  setModal(false);
  for (QSpinBox* year : {first_, last_}) year->setRange(kFirstListYear, kLastListYear);
  magnitude_->setRange(0, 1.2);
  magnitude_->setDecimals(2);
  magnitude_->setSingleStep(0.05);
  magnitude_->setValue(0.5);
  all_->setChecked(true);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->setSortingEnabled(true);

  auto* search = new QPushButton(ToQString("Berechnung"), this);
  connect(search, &QPushButton::clicked, this, [this] { Search(); });
  for (QRadioButton* choice : {all_, fromMagnitude_, centralOnly_}) {
    connect(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) Fill();
    });
  }
  connect(magnitude_, &QDoubleSpinBox::valueChanged, this, [this] {
    if (fromMagnitude_->isChecked()) Fill();
  });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose_(EclipseOfRow(row)); });
  auto* copy = new QPushButton(ToQString("Kopieren"), this);
  connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(AllAsText()); });

  auto* choices = new QHBoxLayout;
  choices->addWidget(new QLabel(ToQString("von"), this));
  choices->addWidget(first_);
  choices->addWidget(new QLabel(ToQString("bis"), this));
  choices->addWidget(last_);
  choices->addWidget(search);
  choices->addSpacing(24);
  choices->addWidget(all_);
  choices->addWidget(fromMagnitude_);
  choices->addWidget(magnitude_);
  choices->addWidget(centralOnly_);
  choices->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(place_);
  bottom->addStretch();
  bottom->addWidget(copy);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(table_);
  layout->addLayout(bottom);
  resize(1180, 520);
}

void VisibleEclipsesDialog::SetYears(int first, int last) {
  first_->setValue(first);
  last_->setValue(last);
  Search();
}

void VisibleEclipsesDialog::Search() {
  searchEphemeris_ = form_.EphemerisChoice;
  search_ = SightingSearch(SolarEclipsesOfYears(first_->value(), last_->value()), searchEphemeris_);
  FollowPlace();
}

void VisibleEclipsesDialog::FollowEphemeris() {
  if (form_.EphemerisChoice != searchEphemeris_) Search();
}

void VisibleEclipsesDialog::FollowPlace() {
  seen_ = search_.SeenFrom({form_.ObserverLatitude, form_.ObserverLongitude, form_.TimeZoneOffsetHours});
  place_->setText(ToQString("Beobachtungsort: " + FormatNumber(form_.ObserverLatitude, 1, 2) + "\xB0 Breite, " +
                            FormatNumber(form_.ObserverLongitude, 1, 2) + "\xB0 L\xE4nge"));
  Fill();
}

void VisibleEclipsesDialog::Fill() {
  SightingFilter filter;
  if (fromMagnitude_->isChecked()) filter.MinimumMagnitude = magnitude_->value();
  filter.CentralOnly = centralOnly_->isChecked();
  table_->setSortingEnabled(false);
  table_->clear();
  const std::vector<std::string>& header = VisibleEclipsesHeader();
  table_->setColumnCount(static_cast<int>(header.size()));
  QStringList titles;
  for (const std::string& title : header) titles << ToQString(title);
  table_->setHorizontalHeaderLabels(titles);
  table_->setRowCount(0);
  for (std::size_t index = 0; index < seen_.size(); ++index) {
    const VisibleEclipse& eclipse = seen_[index];
    if (!filter.Keeps(eclipse)) continue;
    const int row = table_->rowCount();
    table_->insertRow(row);
    const std::vector<std::string> cells = VisibleEclipseRow(eclipse, form_.TimeZoneName);
    for (std::size_t column = 0; column < cells.size(); ++column) {
      auto* item = new SortableItem(ToQString(cells[column]));
      if (const std::optional<double> key = SortKey(eclipse, static_cast<int>(column))) item->setData(kSortKey, *key);
      if (column == 0) item->setData(kEclipseIndex, static_cast<qulonglong>(index));
      table_->setItem(row, static_cast<int>(column), item);
    }
  }
  table_->setSortingEnabled(true);
  table_->resizeColumnsToContents();
}

const VisibleEclipse& VisibleEclipsesDialog::EclipseOfRow(int row) const {
  return seen_.at(table_->item(row, 0)->data(kEclipseIndex).toULongLong());
}

QString VisibleEclipsesDialog::AllAsText() const {
  QStringList lines;
  QStringList titles;
  for (int column = 0; column < table_->columnCount(); ++column) titles << table_->horizontalHeaderItem(column)->text();
  lines << titles.join(QLatin1Char('\t'));
  for (int row = 0; row < table_->rowCount(); ++row) lines << JoinedRow(*table_, row);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace vellmora
