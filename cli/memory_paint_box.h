#pragma once

#include <memory>

#include "app/controls.h"

namespace vellmora {

// The map's paint box in memory, 711 x 682 like the window's.
class MemoryPaintBox : public PaintBox {
 public:
  int Width() const override { return 711; }
  int Height() const override { return 682; }
  std::unique_ptr<OffscreenImage> CreateImage() override;
  void Present(OffscreenImage& image) override;
  Canvas& DirectSurface() override;
  int PresentCount() const { return presents_; }

 private:
  int presents_ = 0;
};

}  // namespace vellmora
