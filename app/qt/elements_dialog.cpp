#include "app/qt/elements_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QVBoxLayout>

#include "app/qt/qt_text.h"
#include "app/texts/elements_text.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

constexpr const char* kTitle = "Besselsche Elemente";

}  // namespace

ElementsDialog::ElementsDialog(QWidget* parent) : QDialog(parent), table_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("ElementsDialog"));
  table_->setReadOnly(true);
  table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  table_->setLineWrapMode(QPlainTextEdit::NoWrap);
  table_->setMinimumSize(620, 210);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ElementsDialog::Show(const BesselianElements& elements) {
  const CalendarInstant t0 = CalendarFromMJD(MJDFromCenturies(elements.T0));
  setWindowTitle(ToQString(kTitle) + QStringLiteral(" %1.%2.%3")
                                         .arg(t0.Day, 2, 10, QLatin1Char('0'))
                                         .arg(t0.Month, 2, 10, QLatin1Char('0'))
                                         .arg(t0.Year));
  table_->setPlainText(QString::fromLatin1(BesselianElementsTable(elements)));
  open();
}

}  // namespace vellmora
