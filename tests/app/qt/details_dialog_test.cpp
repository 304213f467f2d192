#include "app/qt/details_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "app/qt/main_window.h"
#include "tests/app/qt/choose_eclipse.h"

namespace vellmora {
namespace {

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int row = 0; row < list->count(); ++row) lines.append(list->item(row)->text());
  return lines;
}

QStringList Column(const QTableWidget* table, int column) {
  QStringList cells;
  for (int row = 0; row < table->rowCount(); ++row) cells.append(table->item(row, column)->text());
  return cells;
}

// Opening the dialog from LB6 and following the window's choices: the table
// changes with the place and the eclipse, LB6 keeps its own lines.
TEST(DetailsDialog, OpensFromTheLocalCircumstancesAndFollowsTheSelection) {
  MainWindow window;
  auto* lb6 = qobject_cast<QListWidget*>(window.Control("LB6"));
  auto* cb6 = qobject_cast<QComboBox*>(window.Control("CB6"));
  ASSERT_TRUE(lb6 && cb6);
  ASSERT_EQ(lb6->actions().size(), 2);
  EXPECT_EQ(lb6->actions().front()->text(), QString::fromUtf8("Einzelheiten…"));
  EXPECT_EQ(lb6->actions().back()->text(), QString::fromUtf8("Finsternisse am Beobachtungsort…"));
  EXPECT_EQ(lb6->contextMenuPolicy(), Qt::ActionsContextMenu);

  ChooseEclipse(window, "12.08.2026");
  const QStringList lb6AtChemnitz = Lines(lb6);
  EXPECT_EQ(window.Details(), nullptr);
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(20, 20), QPointF(20, 20), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
  QApplication::sendEvent(lb6->viewport(), &doubleClick);
  DetailsDialog* dialog = window.Details();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), "Einzelheiten am Beobachtungsort");
  EXPECT_EQ(Column(dialog->Table(), 0), (QStringList{"1. Kontakt", "Maximum", "4. Kontakt"}));
  EXPECT_TRUE(dialog->Figures().contains(QString::fromUtf8("Sonnenuntergang während der Finsternis")));
  EXPECT_EQ(Lines(lb6), lb6AtChemnitz);

  cb6->setEditText("Valladolid, Spanien");
  EXPECT_EQ(Column(dialog->Table(), 0),
            (QStringList{"1. Kontakt", "2. Kontakt", "Maximum", "3. Kontakt", "4. Kontakt"}));
  EXPECT_TRUE(dialog->Figures().contains(QString::fromUtf8("Dauer der Totalität")));
  EXPECT_EQ(Lines(lb6).size(), 6);

  // The partial eclipse of 2024 at sunset in Valladolid: the dialog's first
  // figure is the kind line of LB6.
  ChooseEclipse(window, "08.04.2024");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(Column(dialog->Table(), 0), (QStringList{"1. Kontakt", "Maximum", "4. Kontakt"}));
  EXPECT_EQ(dialog->Figures().section('\n', 0, 0), Lines(lb6).front());

  // The context menu's entry brings the same dialog back after it was closed.
  dialog->close();
  lb6->actions().front()->trigger();
  EXPECT_EQ(window.Details(), dialog);
  EXPECT_TRUE(dialog->isVisible());
  const QString all = dialog->AllAsText();
  EXPECT_TRUE(all.startsWith("Ereignis\tUT\tgesetzliche Zeit\tWahre Ortszeit\tMittlere Ortszeit")) << all.toStdString();
}

}  // namespace
}  // namespace vellmora
