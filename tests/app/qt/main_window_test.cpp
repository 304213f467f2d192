#include "app/qt/main_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace vellmora {
namespace {

QRect GeometryInWindow(const MainWindow& window, const char* name) {
  const QWidget* control = window.Control(name);
  if (control == nullptr) return {};
  return {control->mapTo(&window, QPoint(0, 0)), control->size()};
}

TEST(MainWindow, HasTheLayoutOfTheWindow) {
  MainWindow window;
  EXPECT_EQ(window.windowTitle(), "Vellmora");
  EXPECT_EQ(window.size(), QSize(1056, 722));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window is not of fixed size";
  EXPECT_EQ(GeometryInWindow(window, "P4"), QRect(0, 0, 305, 722));
  EXPECT_EQ(GeometryInWindow(window, "PB3"), QRect(305 + 20, 20, 711, 682));
  EXPECT_EQ(GeometryInWindow(window, "LB1"), QRect(16, 168, 273, 116));
  EXPECT_EQ(GeometryInWindow(window, "LB5"), QRect(16, 344, 273, 116));
  EXPECT_EQ(GeometryInWindow(window, "LB6"), QRect(16, 584, 273, 140));
  EXPECT_EQ(GeometryInWindow(window, "D1"), QRect(168, 33, 120, 25));
  EXPECT_EQ(GeometryInWindow(window, "CB6"), QRect(17, 490, 272, 21));
  EXPECT_EQ(qobject_cast<QPushButton*>(window.Control("D3"))->text(), "Orte suchen");
  EXPECT_EQ(qobject_cast<QLabel*>(window.Control("L37"))->text(),
            QString::fromUtf8("geograf.\nLänge                      °  Breite                 °"));
  const auto* t2 = qobject_cast<QSpinBox*>(window.Control("T2"));
  EXPECT_EQ((std::array{t2->minimum(), t2->maximum(), t2->value()}), (std::array{0, 360, 180}));
  const auto* t1 = qobject_cast<QSpinBox*>(window.Control("T1"));
  EXPECT_EQ((std::array{t1->minimum(), t1->maximum(), t1->value()}), (std::array{-90, 90, 0}));
  EXPECT_FALSE(window.Control("lb9")->isVisibleTo(&window));
}

TEST(MainWindow, BerechnungFillsTheEclipseList) {
  MainWindow window;
  qobject_cast<QLineEdit*>(window.Control("E1"))->setText("1999");
  qobject_cast<QLineEdit*>(window.Control("E2"))->setText("2000");
  qobject_cast<QPushButton*>(window.Control("D1"))->click();
  const auto* list = qobject_cast<QListWidget*>(window.Control("LB1"));
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("ringförmig\t16.02.1999 06:35:23"));
  EXPECT_EQ(list->item(1)->text(), "total\t11.08.1999 11:04:21");
  EXPECT_EQ(list->currentRow(), -1);
}

}  // namespace
}  // namespace vellmora
