#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/qt/main_window.h"

namespace vellmora {

// Lists the eclipses of the date's year and the next with "Berechnung" and
// clicks the row of the date (DD.MM.YYYY), as a user would.
inline void ChooseEclipse(MainWindow& window, const QString& date) {
  qobject_cast<QLineEdit*>(window.Control("E1"))->setText(date.right(4));
  qobject_cast<QLineEdit*>(window.Control("E2"))->setText(QString::number(date.right(4).toInt() + 1));
  qobject_cast<QPushButton*>(window.Control("D1"))->click();
  auto* lb1 = qobject_cast<QListWidget*>(window.Control("LB1"));
  const QList<QListWidgetItem*> rows = lb1->findItems(date, Qt::MatchContains);
  ASSERT_EQ(rows.size(), 1);
  lb1->setCurrentItem(rows.front());
  emit lb1->itemClicked(rows.front());
}

}  // namespace vellmora
