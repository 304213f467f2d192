#include "app/texts/coordinate_text.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "text/format_number.h"

namespace vellmora {
namespace {

constexpr double kLatitudeLimit = 90.0;
constexpr double kLongitudeLimit = 180.0;
constexpr int kShownDecimals = 4;
constexpr char kDegreeSign = '\xB0';

enum class Axis { None, Latitude, Longitude };

// One coordinate as typed: a number and the letter after it, if any.
struct TypedValue {
  double Value = 0;
  Axis LetterAxis = Axis::None;
};

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  void SkipBlanks() {
    while (!text_.empty() && (text_.front() == ' ' || text_.front() == '\t')) text_.remove_prefix(1);
  }

  bool Take(char wanted) {
    if (text_.empty() || text_.front() != wanted) return false;
    text_.remove_prefix(1);
    return true;
  }

  bool AtEnd() const { return text_.empty(); }

  // [+-]digits[.digits] or [+-].digits, then an optional degree sign and letter.
  std::optional<TypedValue> Value() {
    SkipBlanks();
    const bool negative = Take('-');
    if (!negative) Take('+');
    std::size_t length = 0;
    while (length < text_.size() && IsDigitOrPoint(text_[length])) ++length;
    TypedValue typed;
    const char* end = text_.data() + length;
    const auto [stop, error] = std::from_chars(text_.data(), end, typed.Value, std::chars_format::fixed);
    if (length == 0 || error != std::errc() || stop != end) return std::nullopt;
    text_.remove_prefix(length);
    SkipBlanks();
    Take(kDegreeSign);
    SkipBlanks();
    if (!text_.empty()) {
      const auto [axis, sign] = Letter(text_.front());
      if (axis != Axis::None) {
        if (negative) return std::nullopt;  // "-48 N" says the sign twice
        text_.remove_prefix(1);
        typed.LetterAxis = axis;
        typed.Value *= sign;
        return typed;
      }
    }
    if (negative) typed.Value = -typed.Value;
    return typed;
  }

 private:
  static bool IsDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }

  static std::pair<Axis, double> Letter(char c) {
    switch (c) {
      case 'N':
      case 'n':
        return {Axis::Latitude, 1.0};
      case 'S':
      case 's':
        return {Axis::Latitude, -1.0};
      case 'O':
      case 'o':
      case 'E':
      case 'e':
        return {Axis::Longitude, 1.0};
      case 'W':
      case 'w':
        return {Axis::Longitude, -1.0};
      default:
        return {Axis::None, 1.0};
    }
  }

  std::string_view text_;
};

std::string Hemisphere(double value, int decimals, char positive, char negative) {
  return FormatNumber(std::abs(value), 1, decimals) + " " + (value < 0 ? negative : positive);
}

double RoundedTo(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::nearbyint(value * scale) / scale;
}

}  // namespace

std::optional<GeoPoint> ParseCoordinates(std::string_view text) {
  Reader reader(text);
  const std::optional<TypedValue> first = reader.Value();
  if (!first) return std::nullopt;
  reader.SkipBlanks();
  reader.Take(',');
  const std::optional<TypedValue> second = reader.Value();
  reader.SkipBlanks();
  if (!second || !reader.AtEnd()) return std::nullopt;

  TypedValue latitude = *first;
  TypedValue longitude = *second;
  if (first->LetterAxis == Axis::Longitude && second->LetterAxis == Axis::Latitude) std::swap(latitude, longitude);
  if (latitude.LetterAxis == Axis::Longitude || longitude.LetterAxis == Axis::Latitude) return std::nullopt;
  if (std::abs(latitude.Value) > kLatitudeLimit || std::abs(longitude.Value) > kLongitudeLimit) return std::nullopt;
  return GeoPoint{latitude.Value, longitude.Value};
}

GeoPoint RoundedToShownDecimals(const GeoPoint& point) {
  return GeoPoint{RoundedTo(point.Latitude, kShownDecimals), RoundedTo(point.Longitude, kShownDecimals)};
}

std::string FormatCoordinates(const GeoPoint& point) {
  const GeoPoint shown = RoundedToShownDecimals(point);
  return Hemisphere(shown.Latitude, kShownDecimals, 'N', 'S') + " " +
         Hemisphere(shown.Longitude, kShownDecimals, 'O', 'W');
}

}  // namespace vellmora
