#include "app/window/form37.h"
#include "app/window/place_search.h"

// "Orte suchen": walks the central line from its first row to its last and
// marks, numbers and lists the places near it straight on the map; the first
// 40 are kept for later paints.

namespace vellmora {
namespace {

constexpr int kRowStep = 3;
constexpr int kRowsSkippedAfterAPlace = 33;
constexpr std::size_t kStoredNameLength = 40;

// Restores the default cursor however the search ends.
class HourglassCursor {
 public:
  explicit HourglassCursor(ScreenCursor& cursor) : cursor_(cursor) { cursor_.ShowHourglass(); }
  ~HourglassCursor() { cursor_.ShowDefault(); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  ScreenCursor& cursor_;
};

}  // namespace

void TForm37::SpeedButton3Click() {
  const int rows = controls_.LB5.Count();
  if (rows == 0) return;
  FoundPlaces = {};
  const HourglassCursor hourglass(controls_.Cursor);
  Canvas& canvas = controls_.PB3.DirectSurface();
  canvas.SetFont("Verdana", 8, {0, 0, 0});

  std::vector<std::string> table;
  table.reserve(static_cast<std::size_t>(controls_.lb9.Count()));
  for (int i = 0; i < controls_.lb9.Count(); ++i) table.push_back(controls_.lb9.Line(i));
  const std::vector<SearchPlace> places = BuildSearchList(table);
  const GlobeView view = CurrentView();

  int k = 0;
  int number = 1;
  std::string lastName;
  do {
    const SearchPlace* place = FirstPlaceNear(places, ReadRowPosition(controls_.LB5.Line(k)));
    if (place != nullptr && place->Name != lastName) {
      k += kRowsSkippedAfterAPlace;
      lastName = place->Name;
      if (DrawFoundPlace(canvas, view, number, place->Latitude, place->Longitude, place->Name)) {
        if (number <= static_cast<int>(FoundPlaces.size())) {
          FoundPlaces[static_cast<std::size_t>(number - 1)] = {place->Longitude, place->Latitude,
                                                               place->Name.substr(0, kStoredNameLength)};
          ShowFoundPlaces = true;
        }
        ++number;
      }
    }
    k += kRowStep;
  } while (k <= rows - 1);
}

}  // namespace vellmora
