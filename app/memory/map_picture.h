#pragma once

#include <memory>
#include <string>

#include "app/controls/controls.h"

// The map's pixels for the command line. The text commands drive the window
// without them; `map` loads a renderer that paints real pictures (see
// map_renderer_loader.h), so that only that command starts a graphics stack.

namespace vellmora {

// A picture of the paint box, white when it is made.
class MapPicture : public OffscreenImage {
 public:
  // Takes over the pixels of another picture of the same renderer; drawing
  // on this picture afterwards starts with the canvas's initial pen and font.
  virtual void CopyFrom(MapPicture& other) = 0;
  // The picture as the bytes of a PNG file.
  virtual std::string PngBytes() = 0;
  // The colour of one pixel (0 <= x < width, 0 <= y < height).
  virtual Rgb PixelAt(int x, int y) = 0;
};

class MapRenderer {
 public:
  virtual ~MapRenderer() = default;
  virtual std::unique_ptr<MapPicture> MakePicture(int width, int height) = 0;
};

}  // namespace vellmora
