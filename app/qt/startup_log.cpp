#include "app/qt/startup_log.h"

#include <time.h>
#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace vellmora {
namespace {

// Milliseconds since the process was started, from its start time in
// /proc/self/stat (in clock ticks since boot) and the boot-time clock; -1 when
// unavailable. It includes the loading of the shared libraries before main.
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

}  // namespace

StartupLog::StartupLog(QWidget* map, StartupClock::time_point mainEntered, StartupClock::time_point windowBuilt)
    : mainEntered_(mainEntered), windowBuilt_(windowBuilt) {
  map->installEventFilter(this);
}

bool StartupLog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    // Posted now, run once the window system has finished this paint of the window.
    QTimer::singleShot(0, this, [this] { Report(); });
  }
  return false;
}

void StartupLog::Report() const {
  using Milliseconds = std::chrono::duration<double, std::milli>;
  const double sinceMain = Milliseconds(StartupClock::now() - mainEntered_).count();
  const double building = Milliseconds(windowBuilt_ - mainEntered_).count();
  std::fprintf(stderr,
               "vellmora start-up: first paint %.0f ms after process start, %.1f ms after main "
               "(window with place table built %.1f ms after main)\n",
               MillisecondsSinceProcessStart(), sinceMain, building);
}

}  // namespace vellmora
