#include <QApplication>
#include <cstdlib>
#include <memory>

#include "app/qt/main_window.h"
#include "app/qt/startup_log.h"

int main(int argc, char** argv) {
  const vellmora::StartupClock::time_point mainEntered = vellmora::StartupClock::now();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellmora"));
  vellmora::MainWindow window;
  std::unique_ptr<vellmora::StartupLog> startupLog;
  if (std::getenv("VELLMORA_STARTUP_LOG") != nullptr) {
    startupLog =
        std::make_unique<vellmora::StartupLog>(window.Map().Widget(), mainEntered, vellmora::StartupClock::now());
  }
  window.show();
  return QApplication::exec();
}
