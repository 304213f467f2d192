#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/qt/main_window.h"

namespace vellmora {
namespace {

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int row = 0; row < list->count(); ++row) lines.append(list->item(row)->text());
  return lines;
}

// A user's session in the real window: list the eclipses, choose one, change
// the place, search the places along the path.
TEST(WindowFlow, FromTheEclipseListToThePlacesAlongThePath) {
  MainWindow window;
  auto* lb1 = qobject_cast<QListWidget*>(window.Control("LB1"));
  auto* lb5 = qobject_cast<QListWidget*>(window.Control("LB5"));
  auto* lb6 = qobject_cast<QListWidget*>(window.Control("LB6"));
  auto* cb6 = qobject_cast<QComboBox*>(window.Control("CB6"));
  auto* l39 = qobject_cast<QLabel*>(window.Control("L39"));
  ASSERT_TRUE(lb1 && lb5 && lb6 && cb6 && l39);
  EXPECT_EQ(cb6->currentText(), "Chemnitz, D");

  qobject_cast<QLineEdit*>(window.Control("E1"))->setText("2024");
  qobject_cast<QLineEdit*>(window.Control("E2"))->setText("2030");
  qobject_cast<QPushButton*>(window.Control("D1"))->click();
  ASSERT_EQ(lb1->count(), 8);
  const QList<QListWidgetItem*> april = lb1->findItems("08.04.2024", Qt::MatchContains);
  ASSERT_EQ(april.size(), 1);
  EXPECT_EQ(april.front()->text(), "total\t08.04.2024 18:18:54");

  lb1->setCurrentItem(april.front());
  emit lb1->itemClicked(april.front());

  // The central line runs from the Pacific south of the equator to the North Atlantic.
  ASSERT_GT(lb5->count(), 500);
  const QStringList first = lb5->item(0)->text().split('\t');
  ASSERT_EQ(first.size(), 4);
  EXPECT_TRUE(first[1].startsWith('-')) << first[1].toStdString();
  EXPECT_TRUE(first[1].contains(QChar(0xB0)));
  const QStringList last = lb5->item(lb5->count() - 1)->text().split('\t');
  ASSERT_EQ(last.size(), 4);
  EXPECT_GT(last[1].section(QChar(0xB0), 0, 0).toInt(), 30) << last[1].toStdString();
  // In the evening of 8 April the Sun has set in Chemnitz.
  EXPECT_EQ(Lines(lb6), QStringList{"Am Beobachtungsort nicht zu sehen"});
  const QImage chosen = window.Map().Shown().copy();
  ASSERT_FALSE(chosen.isNull());
  EXPECT_EQ(chosen.size(), QSize(711, 682));

  cb6->setEditText("Dallas, USA");
  EXPECT_EQ(l39->text(), QString::fromUtf8("Geografische Breite: 32.78°"));
  const QStringList atDallas = Lines(lb6);
  ASSERT_EQ(atDallas.size(), 6) << atDallas.join('|').toStdString();
  EXPECT_TRUE(atDallas[0].startsWith("Totale Finsternis")) << atDallas[0].toStdString();
  EXPECT_TRUE(atDallas[3].startsWith("2. Kontakt:")) << atDallas[3].toStdString();

  const QImage beforeSearch = window.Map().Shown().copy();
  qobject_cast<QPushButton*>(window.Control("D3"))->click();
  EXPECT_TRUE(window.Form().ShowFoundPlaces);
  EXPECT_FALSE(window.Form().FoundPlaces[0].Name.empty());
  EXPECT_NE(window.Map().Shown(), beforeSearch);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone after the search";
}

}  // namespace
}  // namespace vellmora
