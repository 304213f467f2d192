#include <QApplication>
#include <csignal>
#include <cstdlib>
#include <memory>

#include "app/qt/display_check.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_translations.h"
#include "app/qt/startup_log.h"
#include "app/qt/window_icon.h"

int main(int argc, char** argv) {
  const vellmora::StartupClock::time_point mainEntered = vellmora::StartupClock::now();
  const std::unique_ptr<QApplication> application = vellmora::OpenApplicationOrExit(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellmora"));
  vellmora::InstallGermanQtTranslations(*application);
  // Past a file-size limit a save fails and says so instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication::setWindowIcon(vellmora::WindowIcon());
  vellmora::MainWindow window;
  std::unique_ptr<vellmora::StartupLog> startupLog;
  if (std::getenv("VELLMORA_STARTUP_LOG") != nullptr) {
    startupLog =
        std::make_unique<vellmora::StartupLog>(window.Map().Widget(), mainEntered, vellmora::StartupClock::now());
  }
  window.show();
  return QApplication::exec();
}
