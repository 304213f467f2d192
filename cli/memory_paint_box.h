#pragma once

#include <QImage>
#include <memory>
#include <string>

#include "app/controls.h"

namespace vellmora {

class QImageCanvas;

// The map's paint box in memory, 711 x 682 like the window's: it keeps the
// last presented picture (with whatever was drawn straight onto it since) and
// counts the presents, so that tests can tell how often the map was painted.
class MemoryPaintBox : public PaintBox {
 public:
  MemoryPaintBox();
  ~MemoryPaintBox() override;

  int Width() const override { return 711; }
  int Height() const override { return 682; }
  std::unique_ptr<OffscreenImage> CreateImage() override;
  void Present(OffscreenImage& image) override;
  Canvas& DirectSurface() override;

  int PresentCount() const { return presents_; }
  // The picture the box shows now.
  const QImage& Shown();

 private:
  QImage shown_;
  std::unique_ptr<QImageCanvas> direct_;
  int presents_ = 0;
};

}  // namespace vellmora
