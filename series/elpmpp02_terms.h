#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The term layouts of the lunar solution ELP/MPP02 (Chapront and Francou 2003).

namespace vellmora {

// A term of the main problem: multiples of the Delaunay arguments D, F, l, l',
// the amplitude A and its derivatives B1..B5 by the fitted constants (the sine
// of the argument for longitude and latitude, its cosine for distance).
struct ElpMainTerm {
  std::array<std::int8_t, 4> Multipliers;
  double A;
  std::array<double, 5> B;
};

// A perturbation term A sin(phase + sum of multiples of D, F, l, l', Me, Ve,
// EM, Ma, Ju, Sa, Ur, Ne, zeta).
struct ElpPerturbationTerm {
  std::array<std::int8_t, 13> Multipliers;
  double A;
  double Phase;  // radians
};

struct ElpMainSeries {
  std::span<const ElpMainTerm> Terms;
  std::size_t Kept;  // leading terms of the truncated series
};

struct ElpPerturbationSeries {
  std::span<const ElpPerturbationTerm> Terms;
  std::size_t Kept;  // leading terms of the truncated series
};

}  // namespace vellmora
