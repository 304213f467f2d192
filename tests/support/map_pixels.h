#pragma once

#include <vector>

#include "app/controls/controls.h"
#include "app/memory/map_picture.h"

// The pixels of the in-memory map for tests of what the window draws: the Qt
// renderer that vellmora-cli map opens, and a picture's pixels read out.

namespace vellmora {

// The renderer library; the test fails at once when it cannot be loaded.
MapRenderer& TestMapRenderer();

// Every pixel of a width x height picture, row by row.
std::vector<Rgb> Pixels(MapPicture& picture, int width, int height);

}  // namespace vellmora
