#pragma once

#include <array>

#include "ephem/matlib.h"

// Rotations of coordinate frames as 3 x 3 matrices (rows), angles in radians.

namespace vellmora {

using RotationMatrix = std::array<Vector3, 3>;

// The frame turned by `angle` about its x or z axis: the coordinates of a fixed
// vector in the turned frame (a positive turn about z lowers the longitude).
RotationMatrix FrameRotationX(double angle);
RotationMatrix FrameRotationZ(double angle);

RotationMatrix operator*(const RotationMatrix& a, const RotationMatrix& b);
Vector3 operator*(const RotationMatrix& m, const Vector3& v);
RotationMatrix Transposed(const RotationMatrix& m);

}  // namespace vellmora
