#include "tests/support/map_pixels.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/map_renderer_loader.h"

namespace vellmora {

MapRenderer& TestMapRenderer() {
  std::string error;
  MapRenderer* renderer = LoadMapRenderer(error);
  if (renderer == nullptr) {
    std::fprintf(stderr, "cannot load the map renderer: %s\n", error.c_str());
    std::abort();
  }
  return *renderer;
}

std::vector<Rgb> Pixels(MapPicture& picture, int width, int height) {
  std::vector<Rgb> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(picture.PixelAt(x, y));
  }
  return pixels;
}

}  // namespace vellmora
