#include "tests/support/recording_canvas.h"

#include <utility>

namespace vellmora {

void RecordingCanvas::Record(CanvasOp op, std::vector<int> ints, std::optional<Rgb> colour, std::string text) {
  calls_.push_back(CanvasCall{op, std::move(ints), colour, std::move(text)});
}

std::vector<CanvasCall> RecordingCanvas::StrokedWith(Rgb colour) const {
  std::vector<CanvasCall> section;
  bool inside = false;
  for (const CanvasCall& call : calls_) {
    if (call.Op == CanvasOp::SetPen) {
      if (inside && call.Colour != colour) break;
      if (call.Colour == colour) inside = true;
      continue;
    }
    if (inside) section.push_back(call);
  }
  return section;
}

std::vector<CanvasCall> RecordingCanvas::OfKind(CanvasOp op) const {
  std::vector<CanvasCall> matching;
  for (const CanvasCall& call : calls_) {
    if (call.Op == op) matching.push_back(call);
  }
  return matching;
}

}  // namespace vellmora
