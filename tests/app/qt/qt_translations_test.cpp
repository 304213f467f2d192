#include "app/qt/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>

namespace vellmora {
namespace {

TEST(QtTranslations, QtsOwnDialogsSpeakGerman) {
  ASSERT_TRUE(InstallGermanQtTranslations(*QCoreApplication::instance()));
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList buttons;
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text().remove('&');
  EXPECT_TRUE(buttons.contains(QStringLiteral("Abbrechen"))) << buttons.join(' ').toStdString();
  EXPECT_TRUE(buttons.contains(QStringLiteral("Speichern"))) << buttons.join(' ').toStdString();
}

}  // namespace
}  // namespace vellmora
