#include "cli/memory_paint_box.h"

#include "app/qt/qimage_canvas.h"

namespace vellmora {

MemoryPaintBox::MemoryPaintBox() : shown_(Width(), Height(), QImage::Format_RGB32) { shown_.fill(Qt::white); }

MemoryPaintBox::~MemoryPaintBox() = default;

std::unique_ptr<OffscreenImage> MemoryPaintBox::CreateImage() {
  return std::make_unique<QImageOffscreen>(Width(), Height());
}

void MemoryPaintBox::Present(OffscreenImage& image) {
  direct_.reset();
  shown_ = static_cast<QImageOffscreen&>(image).Image().copy();
  ++presents_;
}

Canvas& MemoryPaintBox::DirectSurface() {
  if (!direct_) direct_ = std::make_unique<QImageCanvas>(shown_);
  return *direct_;
}

const QImage& MemoryPaintBox::Shown() {
  if (direct_) direct_->Finish();
  return shown_;
}

}  // namespace vellmora
