#pragma once

#include <QObject>
#include <QWidget>
#include <chrono>

namespace vellmora {

using StartupClock = std::chrono::steady_clock;

// With VELLMORA_STARTUP_LOG set, the window reports on stderr how long its
// start-up took: once the globe map has been painted for the first time, the
// milliseconds since the process started (good to about 10 ms: the kernel counts
// the start in clock ticks), since main began, and until the window was built.
class StartupLog : public QObject {
 public:
  StartupLog(QWidget* map, StartupClock::time_point mainEntered, StartupClock::time_point windowBuilt);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Report() const;

  StartupClock::time_point mainEntered_;
  StartupClock::time_point windowBuilt_;
};

}  // namespace vellmora
