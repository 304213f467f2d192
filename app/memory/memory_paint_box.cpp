#include "app/memory/memory_paint_box.h"

#include "app/controls/blank_canvas.h"

namespace vellmora {
namespace {

// A picture without pixels: the text commands need the window's logic, not its map.
class BlankPicture : public MapPicture {
 public:
  Canvas& Surface() override { return canvas_; }
  void CopyFrom(MapPicture&) override {}
  std::string PngBytes() override { return {}; }
  Rgb PixelAt(int, int) override { return {255, 255, 255}; }

 private:
  BlankCanvas canvas_;
};

}  // namespace

MemoryPaintBox::MemoryPaintBox(MapRenderer* renderer) : renderer_(renderer), shown_(MakePicture()) {}

std::unique_ptr<MapPicture> MemoryPaintBox::MakePicture() {
  if (renderer_ == nullptr) return std::make_unique<BlankPicture>();
  return renderer_->MakePicture(Width(), Height());
}

std::unique_ptr<OffscreenImage> MemoryPaintBox::CreateImage() { return MakePicture(); }

void MemoryPaintBox::Present(OffscreenImage& image) {
  shown_->CopyFrom(static_cast<MapPicture&>(image));
  ++presents_;
}

Canvas& MemoryPaintBox::DirectSurface() { return shown_->Surface(); }

}  // namespace vellmora
