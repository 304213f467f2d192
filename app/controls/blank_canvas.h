#pragma once

#include <string>

#include "app/controls/controls.h"

namespace vellmora {

// A drawing surface that draws nothing, for runs of the window's logic that
// want its lists and state but not its pixels; a base for surfaces that only
// watch some of the calls.
class BlankCanvas : public Canvas {
 public:
  void SetPen(Rgb, int) override {}
  void SetPenWidth(int) override {}
  void SetFill(Rgb) override {}
  void SetNoFill() override {}
  void SetFont(const std::string&, int, Rgb) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void TextOut(int, int, const std::string&) override {}
};

}  // namespace vellmora
