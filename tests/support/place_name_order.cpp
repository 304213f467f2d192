#include "tests/support/place_name_order.h"

#include <array>
#include <string>

namespace vellmora {
namespace {

// What each Windows-1252 byte contributes to the sort key: "" for ignored
// characters, a weight below '0' for blank, comma, full stop and brackets,
// the base letter(s) for letters.
std::array<std::string_view, 256> MakeWeights() {
  std::array<std::string_view, 256> weights{};
  static constexpr std::string_view kAscii = "0123456789abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz";
  for (int c = '0'; c <= '9'; ++c) weights[c] = kAscii.substr(c - '0', 1);
  for (int c = 'A'; c <= 'Z'; ++c) weights[c] = kAscii.substr(10 + c - 'A', 1);
  for (int c = 'a'; c <= 'z'; ++c) weights[c] = kAscii.substr(36 + c - 'a', 1);
  weights[' '] = "\x01";
  weights[','] = "\x02";
  weights['.'] = "\x03";
  weights['('] = "\x04";
  weights[')'] = "\x05";
  weights['/'] = "\x06";
  // Latin letters with marks, from 0xC0 to 0xFF; '*' marks the signs × and ÷.
  static constexpr std::string_view kLatin1Bases =
      "aaaaaaaceeeeiiiidnooooo*ouuuuyt"
      "s"
      "aaaaaaaceeeeiiiidnooooo*ouuuuyty";
  for (int c = 0xC0; c <= 0xFF; ++c) {
    const std::string_view base = kLatin1Bases.substr(c - 0xC0, 1);
    if (base != "*") weights[c] = base;
  }
  weights[0xC6] = weights[0xE6] = "ae";  // Æ æ
  weights[0xDE] = weights[0xFE] = "th";  // Þ þ
  weights[0xDF] = "ss";                  // ß
  weights[0x8A] = weights[0x9A] = "s";   // Š š
  weights[0x8E] = weights[0x9E] = "z";   // Ž ž
  weights[0x8C] = weights[0x9C] = "oe";  // Œ œ
  weights[0x9F] = "y";                   // Ÿ
  return weights;
}

std::string SortKey(std::string_view name) {
  static const std::array<std::string_view, 256> kWeights = MakeWeights();
  std::string key;
  key.reserve(name.size());
  for (const char c : name) key += kWeights[static_cast<unsigned char>(c)];
  return key;
}

}  // namespace

int ComparePlaceNames(std::string_view a, std::string_view b) {
  const int byKey = SortKey(a).compare(SortKey(b));
  if (byKey != 0) return byKey;
  return a.compare(b);
}

}  // namespace vellmora
