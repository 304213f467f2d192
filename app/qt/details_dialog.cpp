#include "app/qt/details_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/qt/qt_text.h"
#include "app/texts/local_details_text.h"

namespace vellmora {
namespace {

QString Row(const QTableWidget& table, int row, int firstColumn, int lastColumn) {
  QStringList cells;
  for (int column = firstColumn; column <= lastColumn; ++column) {
    const QTableWidgetItem* item = table.item(row, column);
    cells << (item != nullptr ? item->text() : QString());
  }
  return cells.join(QLatin1Char('\t'));
}

}  // namespace

DetailsDialog::DetailsDialog(QWidget* parent, TForm37& form)
    : QDialog(parent), form_(form), table_(new QTableWidget(this)), figures_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("DetailsDialog"));
  setWindowTitle(ToQString("Einzelheiten am Beobachtungsort"));
  setModal(false);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  table_->verticalHeader()->hide();
  figures_->setReadOnly(true);
  figures_->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* copy = new QPushButton(ToQString("Kopieren"), this);
  connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(AllAsText()); });
  auto* shortcut = new QShortcut(QKeySequence::Copy, table_);
  connect(shortcut, &QShortcut::activated, this, [this] { CopySelectedCells(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copy);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 3);
  layout->addWidget(figures_, 2);
  layout->addLayout(buttons);
  resize(1180, 420);  // room for the clocks and the angles side by side
}

void DetailsDialog::Refresh() {
  if (form_.Selected) {
    Show(*form_.Selected);
  } else {
    table_->clear();
    table_->setRowCount(0);
    figures_->clear();
  }
}

void DetailsDialog::Show(const Selection& selection) {
  table_->clear();
  table_->setRowCount(0);
  figures_->clear();
  const LocalDetailsText text = FormatLocalDetails(selection);
  table_->setColumnCount(static_cast<int>(text.Header.size()));
  QStringList titles;
  for (const std::string& title : text.Header) titles << ToQString(title);
  table_->setHorizontalHeaderLabels(titles);
  table_->setRowCount(static_cast<int>(text.Rows.size()));
  for (std::size_t row = 0; row < text.Rows.size(); ++row) {
    for (std::size_t column = 0; column < text.Rows[row].size(); ++column) {
      auto* item = new QTableWidgetItem(ToQString(text.Rows[row][column]));
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(row), static_cast<int>(column), item);
    }
  }
  table_->resizeColumnsToContents();
  QStringList lines;
  for (const std::string& line : text.Figures) lines << ToQString(line);
  figures_->setPlainText(lines.join(QLatin1Char('\n')));
}

QString DetailsDialog::AllAsText() const {
  QStringList lines;
  QStringList titles;
  for (int column = 0; column < table_->columnCount(); ++column) {
    const QTableWidgetItem* title = table_->horizontalHeaderItem(column);
    titles << (title != nullptr ? title->text() : QString());
  }
  if (table_->rowCount() > 0) lines << titles.join(QLatin1Char('\t'));
  for (int row = 0; row < table_->rowCount(); ++row) lines << Row(*table_, row, 0, table_->columnCount() - 1);
  lines << figures_->toPlainText();
  return lines.join(QLatin1Char('\n'));
}

void DetailsDialog::CopySelectedCells() const {
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  if (ranges.isEmpty()) return;
  const QTableWidgetSelectionRange& range = ranges.front();
  QStringList lines;
  for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
    lines << Row(*table_, row, range.leftColumn(), range.rightColumn());
  }
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

}  // namespace vellmora
