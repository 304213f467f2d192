#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/controls/controls.h"
#include "app/export/path_export.h"
#include "app/globe/globe_drag.h"
#include "app/globe/globe_painter.h"
#include "app/selection/selection.h"
#include "app/texts/eclipse_row.h"
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

  // The globe under the mouse: a drag turns it, a click makes the point the
  // observing place (positions in PB3's logical pixels).
  void PB3MouseDown(double x, double y);
  void PB3MouseMove(double x, double y);
  void PB3MouseUp(double x, double y);
  // The point of the globe seen at (x, y) of PB3, none off the disc.
  std::optional<GeoPoint> MapPointAt(double x, double y) const;
  // Makes the point seen at (x, y) the observing place; false off the disc.
  bool ObserveFromMapPoint(double x, double y);
  // Enter in CB6: typed coordinates become the observing place.
  void CB6Enter();
  // "Zonengrenzen zeigen": the limits of the selected eclipse's zone on the map or not.
  void SetShowZoneLimits(bool show);
  // "Genaue Ephemeride (ELP/MPP02, VSOP87)": computes the selected eclipse
  // anew with the chosen source of the Sun's and the Moon's places.
  void SetEphemeris(Ephemeris ephemeris);
  // "Sichtbarkeit zeigen": the map of visibility of the selected eclipse on the globe or not.
  void SetShowVisibility(bool show);
  // "Schattenverlauf": the Moon's shadow at t hours from the selected
  // eclipse's T0 on the globe, or none.
  void ShowShadowAt(std::optional<double> t);
  // "Pfad exportieren…": the selected eclipse's path as a file's text (UTF-8);
  // none while no eclipse is selected.
  std::optional<std::string> PathExportText(PathFormat format) const;

  // Any point as the observing place: CB6 shows its coordinates, the labels
  // show them with the time zone of the nearest table place, and the selected
  // eclipse is computed anew as for a place of the table.
  void ObserveAnywhere(const GeoPoint& point);

  // Window state.
  double ObserverLatitude = 0;
  double ObserverLongitude = 0;
  double TimeZoneOffsetHours = 0;
  // The IANA time zone of the observing place, for its civil time: the table
  // place's own, for any other point the nearest table place's.
  std::string TimeZoneName = "Etc/UTC";
  double MapCentreLongitude = 180.0;
  bool SuppressLatitudeRepaint = false;
  bool ShowFoundPlaces = false;
  bool ShowZoneLimits = false;  // "Zonengrenzen zeigen" of the globe's menu
  Ephemeris EphemerisChoice = Ephemeris::Standard;
  bool ShowVisibility = false;  // "Sichtbarkeit zeigen" of the globe's menu

  // The eclipses of LB1, row by row beside the rows' texts.
  std::vector<ChosenEclipse> ListedEclipses;
  // The chosen eclipse at the observing place, with what is computed of it
  // (none before a row of LB1 is chosen), and who wants to hear when LB6 has
  // been filled from it.
  std::optional<Selection> Selected;
  std::function<void()> LocalCircumstancesShown;
  // Who wants to hear when the observing place has changed.
  std::function<void()> PlaceChanged;
  // Told the notice (Windows-1252) when Enter is pressed on text in CB6 that
  // is neither a place of the table nor coordinates.
  std::function<void(const std::string&)> PlaceNotUnderstood;

  // The central line of the chosen eclipse, empty before one is chosen.
  const CentralLineResults& CentralLine() const;
  // The places found near the central line.
  FoundPlaceTable FoundPlaces{};
  // The Moon's shadow at the instant "Schattenverlauf" shows, none while it is closed.
  std::optional<ShadowOnEarth> Shadow;

 private:
  void SetUpObservingPlace();
  void ForgetSelection();
  std::string ZoneOfPlace(int index) const;
  void TurnGlobeToPath();
  void ObserveClickedPoint(const GeoPoint& point);
  void TurnGlobeTo(const GlobeCentre& centre);
  GlobeView CurrentView() const;

  FormControls controls_;
  bool dispatching_ = false;
  GlobeDrag globeDrag_;
  std::vector<std::string> placeZones_;  // "zones", one per line of lb9
  // Set while a click on the globe chooses the place: the selection then
  // repaints the globe as it is instead of turning it to the path.
  bool keepGlobeTurn_ = false;
};

}  // namespace vellmora
