#include "cli/memory_paint_box.h"

#include <stdexcept>

namespace vellmora {

std::unique_ptr<OffscreenImage> MemoryPaintBox::CreateImage() {
  throw std::logic_error("the map has no drawing surface yet");
}

void MemoryPaintBox::Present(OffscreenImage&) { ++presents_; }

Canvas& MemoryPaintBox::DirectSurface() { throw std::logic_error("the map has no drawing surface yet"); }

}  // namespace vellmora
