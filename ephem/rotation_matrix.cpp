#include "ephem/rotation_matrix.h"

#include <cmath>

namespace vellmora {

RotationMatrix FrameRotationX(double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {{{1, 0, 0}, {0, c, s}, {0, -s, c}}};
}

RotationMatrix FrameRotationZ(double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {{{c, s, 0}, {-s, c, 0}, {0, 0, 1}}};
}

Vector3 operator*(const RotationMatrix& m, const Vector3& v) {
  return {DotProduct(m[0], v), DotProduct(m[1], v), DotProduct(m[2], v)};
}

RotationMatrix Transposed(const RotationMatrix& m) {
  return {{{m[0].x, m[1].x, m[2].x}, {m[0].y, m[1].y, m[2].y}, {m[0].z, m[1].z, m[2].z}}};
}

RotationMatrix operator*(const RotationMatrix& a, const RotationMatrix& b) {
  const RotationMatrix columns = Transposed(b);
  RotationMatrix product{};
  for (int row = 0; row < 3; ++row) product[row] = columns * a[row];
  return product;
}

}  // namespace vellmora
