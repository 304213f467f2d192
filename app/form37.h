#pragma once

#include <functional>
#include <optional>

#include "app/controls.h"
#include "app/eclipse_row.h"
#include "app/globe_painter.h"
#include "geometry/central_line.h"
#include "geometry/local_details.h"

// The main window's logic, free of any toolkit: the window state, the
// central-line results, the found places and the event handlers. Every event
// enters through Dispatch, which turns an exception into the error report and
// lets the program go on.

namespace vellmora {

class TForm37 {
 public:
  // Wires the controls' notifications to the handlers, then runs the start-up.
  explicit TForm37(FormControls controls);

  TForm37(const TForm37&) = delete;
  TForm37& operator=(const TForm37&) = delete;

  // Runs one event handler; an exception becomes the error report. Handlers
  // that run inside another (a spin field set from code) pass exceptions on.
  void Dispatch(const std::function<void()>& handler);

  void FormCreate();
  void RG1C();
  void D1C();
  void CB6Change();
  void LB1C();
  void T1Change();
  void T2C();
  void PB3P();
  void SpeedButton3Click();

  // Takes a place as the observing place and shows its coordinates and time zone.
  void ObserveFrom(double latitude, double eastLongitude, double zoneOffsetHours);

  // Window state.
  double ObserverLatitude = 0;
  double ObserverLongitude = 0;
  double TimeZoneOffsetHours = 0;
  double MapCentreLongitude = 180.0;
  bool SuppressLatitudeRepaint = false;
  bool ShowFoundPlaces = false;

  // The eclipse (the instant of its row) and the place whose local
  // circumstances LB6 shows, and who wants to hear when LB6 has been filled.
  struct ShownCircumstances {
    RowInstant Eclipse;
    ObservingPlace Place;
  };
  std::optional<ShownCircumstances> Shown;
  std::function<void()> LocalCircumstancesShown;

  // The central line of the chosen eclipse and the places found near it.
  CentralLineResults CentralLine;
  FoundPlaceTable FoundPlaces{};

 private:
  void SetUpObservingPlace();
  void TurnGlobeToPath();
  GlobeView CurrentView() const;

  FormControls controls_;
  bool dispatching_ = false;
};

}  // namespace vellmora
