#pragma once

#include <memory>

#include "app/controls/controls.h"
#include "app/globe/globe_painter.h"
#include "app/memory/map_picture.h"

namespace vellmora {

// The map's paint box in memory, of the window's size: it keeps the
// last presented picture (with whatever was drawn straight onto it since) and
// counts the presents, so that tests can tell how often the map was painted.
// Without a renderer its pictures keep no pixels.
class MemoryPaintBox : public PaintBox {
 public:
  explicit MemoryPaintBox(MapRenderer* renderer = nullptr);

  int Width() const override { return kMapWidth; }
  int Height() const override { return kMapHeight; }
  std::unique_ptr<OffscreenImage> CreateImage() override;
  void Present(OffscreenImage& image) override;
  Canvas& DirectSurface() override;

  int PresentCount() const { return presents_; }
  // The picture the box shows now.
  MapPicture& Shown() { return *shown_; }

 private:
  std::unique_ptr<MapPicture> MakePicture();

  MapRenderer* renderer_;
  std::unique_ptr<MapPicture> shown_;
  int presents_ = 0;
};

}  // namespace vellmora
