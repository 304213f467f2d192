#include "civil/place_clocks.h"

#include "civil/solar_time.h"

namespace vellmora {

PlaceClocks PlaceClocksAt(std::string_view zone, double longitudeEast, double t) {
  return {CivilClockAt(zone, t), LocalMeanTimeOffsetSeconds(longitudeEast),
          LocalApparentTimeOffsetSeconds(t, longitudeEast)};
}

}  // namespace vellmora
