#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <csignal>

#include "app/globe/globe_projection.h"
#include "app/qt/main_window.h"

namespace vellmora {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPointF position, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void Drag(QWidget* map, QPointF from, QPointF to, int steps) {
  SendMouse(map, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  for (int step = 1; step <= steps; ++step) {
    SendMouse(map, QEvent::MouseMove, from + (to - from) * step / steps, Qt::NoButton, Qt::LeftButton);
  }
  SendMouse(map, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void Click(QWidget* map, QPointF at) { Drag(map, at, at, 0); }

QAction* Entry(QMenu& menu, const QString& text) {
  for (QAction* action : menu.actions()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

QByteArray Contents(const QString& file) {
  QFile in(file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The real window on the offscreen platform: drag the globe, choose the
// eclipse of 8 April 2024, click into its path, show the zone's limits, save
// the map, export the path, read "Über Vellmora".
TEST(GlobeInteraction, DragClickMenuAndAboutInTheRealWindow) {
  MainWindow window;
  window.show();
  QWidget* map = window.Control("PB3");
  auto* t1 = qobject_cast<QSpinBox*>(window.Control("T1"));
  auto* t2 = qobject_cast<QSpinBox*>(window.Control("T2"));
  auto* cb6 = qobject_cast<QComboBox*>(window.Control("CB6"));
  auto* lb1 = qobject_cast<QListWidget*>(window.Control("LB1"));
  auto* lb6 = qobject_cast<QListWidget*>(window.Control("LB6"));
  auto* l41 = qobject_cast<QLabel*>(window.Control("L41"));
  ASSERT_TRUE(map && t1 && t2 && cb6 && lb1 && lb6 && l41);

  // A drag from the middle 100 pixels to the left and 60 up turns the globe east and south.
  const QImage before = window.Map().Shown().copy();
  Drag(map, QPointF(355, 341), QPointF(255, 281), 10);
  EXPECT_GT(t2->value(), 180);
  EXPECT_LT(t1->value(), 0);
  EXPECT_EQ(window.Form().MapCentreLongitude, t2->value());
  EXPECT_NE(window.Map().Shown(), before);
  EXPECT_EQ(cb6->currentText(), "Chemnitz, D") << "a drag is no click";

  // T2 steps from 360 to 0.
  t2->setValue(360);
  t2->stepBy(1);
  EXPECT_EQ(t2->value(), 0);
  EXPECT_EQ(window.Form().MapCentreLongitude, 0);

  qobject_cast<QLineEdit*>(window.Control("E1"))->setText("2024");
  qobject_cast<QLineEdit*>(window.Control("E2"))->setText("2025");
  qobject_cast<QPushButton*>(window.Control("D1"))->click();
  const QList<QListWidgetItem*> april = lb1->findItems("08.04.2024", Qt::MatchContains);
  ASSERT_EQ(april.size(), 1);
  lb1->setCurrentItem(april.front());
  emit lb1->itemClicked(april.front());

  // A click on the central line over Texas makes it the observing place: total there.
  const DiscPoint texas =
      ProjectToDisc(MakeGlobeView(t1->value(), window.Form().MapCentreLongitude, 711, 682), 32.78306, -96.80667);
  ASSERT_GT(texas.CosC, 0);
  Click(map, QPointF(texas.X, texas.Y));
  EXPECT_TRUE(cb6->currentText().contains(" N ")) << cb6->currentText().toStdString();
  EXPECT_TRUE(cb6->currentText().endsWith(" W")) << cb6->currentText().toStdString();
  EXPECT_EQ(l41->text(), "Zeitzone bzgl. WT: -6h");
  ASSERT_GT(lb6->count(), 0);
  EXPECT_TRUE(lb6->item(0)->text().startsWith("Totale Finsternis")) << lb6->item(0)->text().toStdString();

  // Coordinates typed into CB6 and Enter.
  cb6->lineEdit()->setText("48.78, 9.18");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(cb6->lineEdit(), &enter);
  EXPECT_EQ(cb6->currentText(), "48.78 N 9.18 O");
  EXPECT_EQ(l41->text(), "Zeitzone bzgl. WT: 1h");

  // The context menu, in this order.
  std::unique_ptr<QMenu> menu = window.MapMenu().MenuAt(QPoint(texas.X, texas.Y));
  QStringList entries;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) entries.append(action->text());
  }
  EXPECT_EQ(entries,
            (QStringList{QString::fromUtf8("Beobachtungsort hierher"), QString::fromUtf8("Zonengrenzen zeigen"),
                         QString::fromUtf8("Sichtbarkeit zeigen"), QString::fromUtf8("Schattenverlauf…"),
                         QString::fromUtf8("Besselsche Elemente…"),
                         QString::fromUtf8("Genaue Ephemeride (ELP/MPP02, VSOP87)"),
                         QString::fromUtf8("Karte speichern…"), QString::fromUtf8("Pfad exportieren…"),
                         QString::fromUtf8("Finsternisse am Beobachtungsort…"), QString::fromUtf8("Über Vellmora…")}));
  QAction* observeHere = Entry(*menu, "Beobachtungsort hierher");
  ASSERT_NE(observeHere, nullptr);
  observeHere->trigger();
  EXPECT_TRUE(lb6->item(0)->text().startsWith("Totale Finsternis"));
  EXPECT_FALSE(window.MapMenu().MenuAt(QPoint(3, 3))->actions().front()->isEnabled()) << "beside the disc";

  QAction* limits = Entry(*menu, "Zonengrenzen zeigen");
  ASSERT_NE(limits, nullptr);
  EXPECT_FALSE(limits->isChecked());
  const QImage withoutLimits = window.Map().Shown().copy();
  limits->trigger();
  EXPECT_TRUE(window.Form().ShowZoneLimits);
  EXPECT_NE(window.Map().Shown(), withoutLimits);
  EXPECT_TRUE(window.MapMenu().MenuAt(QPoint(texas.X, texas.Y))->actions().at(1)->isChecked());

  // The precise ephemeris computes the eclipse anew, and is kept for the next start.
  QAction* precise = Entry(*menu, "Genaue Ephemeride (ELP/MPP02, VSOP87)");
  ASSERT_NE(precise, nullptr);
  EXPECT_FALSE(precise->isChecked());
  QStringList standardLines;
  for (int i = 0; i < lb6->count(); ++i) standardLines.append(lb6->item(i)->text());
  precise->trigger();
  EXPECT_EQ(window.Form().EphemerisChoice, Ephemeris::Precise);
  ASSERT_EQ(lb6->count(), standardLines.size());
  EXPECT_NE(lb6->item(lb6->count() - 1)->text(), standardLines.back()) << "fourth contact";
  EXPECT_EQ(MainWindow().Form().EphemerisChoice, Ephemeris::Precise);
  Entry(*window.MapMenu().MenuAt(QPoint(texas.X, texas.Y)), "Genaue Ephemeride (ELP/MPP02, VSOP87)")->trigger();
  for (int i = 0; i < lb6->count(); ++i) EXPECT_EQ(lb6->item(i)->text(), standardLines[i]);

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString png = folder.filePath("map.png");
  ASSERT_TRUE(window.MapMenu().SaveMap(png));
  EXPECT_EQ(QImage(png), window.Map().Shown().convertToFormat(QImage(png).format()));
  const QString kml = folder.filePath("path.kml");
  ASSERT_TRUE(window.MapMenu().ExportPath(kml, PathFormat::Kml));
  EXPECT_TRUE(Contents(kml).startsWith("<?xml")) << Contents(kml).left(80).toStdString();
  EXPECT_TRUE(Contents(kml).contains("08.04.2024"));
  EXPECT_FALSE(window.MapMenu().ExportPath(folder.filePath("missing/path.gpx"), PathFormat::Gpx));

  // Past a file-size limit of 8 KiB, as on a full disk: no half-written file,
  // and an older file of the name stays as it was.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{8192, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const bool savedPastTheLimit = window.MapMenu().SaveMap(folder.filePath("full.png"));
  const bool overwrotePastTheLimit = window.MapMenu().SaveMap(png);
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_FALSE(savedPastTheLimit);
  EXPECT_FALSE(overwrotePastTheLimit);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"map.png", "path.kml"}));
  EXPECT_EQ(QImage(png), window.Map().Shown().convertToFormat(QImage(png).format()));

  // F1 and the last entry open "Über Vellmora".
  QAction* about = Entry(*menu, QString::fromUtf8("Über Vellmora…"));
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_TRUE(window.actions().contains(about)) << "F1 works in the whole window";
  about->trigger();
  auto* dialog = window.findChild<QDialog*>("AboutDialog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Über Vellmora"));
  const QString text = dialog->findChild<QLabel*>("AboutText")->text();
  EXPECT_TRUE(text.contains("GeoNames")) << text.toStdString();
  EXPECT_TRUE(text.contains("CC BY 4.0"));
  EXPECT_TRUE(text.contains("Natural Earth"));
  dialog->accept();
  EXPECT_TRUE(window.Form().ShowZoneLimits);
}

}  // namespace
}  // namespace vellmora
