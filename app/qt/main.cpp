#include <QApplication>

#include "app/qt/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellmora"));
  vellmora::MainWindow window;
  window.show();
  return QApplication::exec();
}
