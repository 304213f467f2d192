#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/qt/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds since the process was started, from its start time in
// /proc/self/stat (in clock ticks since boot) and the boot-time clock; -1 when
// unavailable. The kernel counts the start time in ticks, so this is good to
// about 10 ms, and it includes the loading of the shared libraries before main.
double MillisecondsSinceProcessStart() {
  std::ifstream statFile("/proc/self/stat");
  std::string stat;
  std::getline(statFile, stat);
  // The command name in parentheses may hold blanks; the fields after it are plain.
  const std::size_t commandEnd = stat.rfind(')');
  if (commandEnd == std::string::npos) return -1;
  std::istringstream fields(stat.substr(commandEnd + 1));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
    if (i == 22) {
      timespec now{};
      clock_gettime(CLOCK_BOOTTIME, &now);
      const double startTicks = std::stod(field);
      const double nowSeconds = static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
      return (nowSeconds - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
    }
  }
  return -1;
}

// With VELLMORA_STARTUP_LOG set: once the globe map has been painted for the
// first time, prints on stderr how long the start-up took.
class StartupLog : public QObject {
 public:
  StartupLog(QWidget* map, Clock::time_point mainEntered, Clock::time_point windowBuilt)
      : mainEntered_(mainEntered), windowBuilt_(windowBuilt) {
    map->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Posted now, run once the window system has finished this paint of the window.
      QTimer::singleShot(0, this, [this] { Report(); });
    }
    return false;
  }

 private:
  void Report() const {
    using Milliseconds = std::chrono::duration<double, std::milli>;
    const double sinceMain = Milliseconds(Clock::now() - mainEntered_).count();
    const double building = Milliseconds(windowBuilt_ - mainEntered_).count();
    std::fprintf(stderr,
                 "vellmora start-up: first paint %.0f ms after process start, %.1f ms after main "
                 "(window with place table built %.1f ms after main)\n",
                 MillisecondsSinceProcessStart(), sinceMain, building);
  }

  Clock::time_point mainEntered_;
  Clock::time_point windowBuilt_;
};

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point mainEntered = Clock::now();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellmora"));
  vellmora::MainWindow window;
  std::unique_ptr<StartupLog> startupLog;
  if (std::getenv("VELLMORA_STARTUP_LOG") != nullptr) {
    startupLog = std::make_unique<StartupLog>(window.Map().Widget(), mainEntered, Clock::now());
  }
  window.show();
  return QApplication::exec();
}
