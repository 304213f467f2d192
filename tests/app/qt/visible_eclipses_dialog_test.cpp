#include "app/qt/visible_eclipses_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "app/qt/main_window.h"

namespace vellmora {
namespace {

QStringList Dates(const QTableWidget* table) {
  QStringList dates;
  for (int row = 0; row < table->rowCount(); ++row) dates.append(table->item(row, 0)->text());
  return dates;
}

// From LB6's context menu with the list's years (1 January 2026 to 1 January 2028); the table follows a place
// typed into CB6; a double-click on the total eclipse of 12.08.2026 chooses
// it in the eclipse list, which is computed for its year.
TEST(VisibleEclipsesDialog, FollowsThePlaceAndChoosesAnEclipseInTheList) {
  MainWindow window;
  qobject_cast<QLineEdit*>(window.Control("E1"))->setText("2026");
  qobject_cast<QLineEdit*>(window.Control("E2"))->setText("2028");
  auto* lb6 = qobject_cast<QListWidget*>(window.Control("LB6"));
  lb6->actions().back()->trigger();
  VisibleEclipsesDialog* dialog = window.VisibleEclipses();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Dates(dialog->Table()), (QStringList{"12.08.2026", "02.08.2027"}));

  auto* cb6 = qobject_cast<QComboBox*>(window.Control("CB6"));
  cb6->lineEdit()->setText("42.34 N 3.7 W");  // Burgos, in the path of totality
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(cb6->lineEdit(), &enter);
  const QStringList dates = Dates(dialog->Table());
  const int total = static_cast<int>(dates.indexOf("12.08.2026"));
  ASSERT_GE(total, 0);
  EXPECT_EQ(dialog->Table()->item(total, 1)->text(), "total");

  qobject_cast<QLineEdit*>(window.Control("E1"))->setText("1999");
  qobject_cast<QLineEdit*>(window.Control("E2"))->setText("2000");
  emit dialog->Table()->cellDoubleClicked(total, 0);
  auto* lb1 = qobject_cast<QListWidget*>(window.Control("LB1"));
  ASSERT_NE(lb1->currentItem(), nullptr);
  EXPECT_TRUE(lb1->currentItem()->text().contains("12.08.2026"));
  EXPECT_TRUE(lb6->item(0)->text().startsWith("Totale Finsternis"));
}

}  // namespace
}  // namespace vellmora
