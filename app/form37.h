#pragma once

#include <functional>

#include "app/controls.h"

// The main window's logic, free of any toolkit: the window state and the
// event handlers. Every event enters through Dispatch, which turns an
// exception into the error report and lets the program go on.

namespace vellmora {

class TForm37 {
 public:
  // Wires the controls' notifications to the handlers; FormCreate runs the start-up.
  explicit TForm37(FormControls controls);

  TForm37(const TForm37&) = delete;
  TForm37& operator=(const TForm37&) = delete;

  // Runs one event handler; an exception becomes the error report. Handlers
  // that run inside another (a spin field set from code) pass exceptions on.
  void Dispatch(const std::function<void()>& handler);

  void FormCreate();
  void RG1C();
  void D1C();

  // Window state.
  double ObserverLatitude = 0;
  double ObserverLongitude = 0;
  double TimeZoneOffsetHours = 0;
  double MapCentreLongitude = 180.0;
  bool SuppressLatitudeRepaint = false;
  bool ShowFoundPlaces = false;

 private:
  FormControls controls_;
  bool dispatching_ = false;
};

}  // namespace vellmora
