#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/controls/controls.h"

// A drawing surface that records every call, so tests can read back what a
// painter drew and in which order.

namespace vellmora {

enum class CanvasOp { SetPen, SetPenWidth, SetFill, SetNoFill, SetFont, MoveTo, LineTo, Ellipse, TextOut };

struct CanvasCall {
  CanvasOp Op;
  std::vector<int> Ints;      // width; points; x, y; left, top, right, bottom
  std::optional<Rgb> Colour;  // pen, fill or font colour
  std::string Text;           // font face or text

  int X() const { return Ints.at(0); }
  int Y() const { return Ints.at(1); }
};

class RecordingCanvas : public Canvas {
 public:
  void SetPen(Rgb colour, int width) override { Record(CanvasOp::SetPen, {width}, colour); }
  void SetPenWidth(int width) override { Record(CanvasOp::SetPenWidth, {width}); }
  void SetFill(Rgb colour) override { Record(CanvasOp::SetFill, {}, colour); }
  void SetNoFill() override { Record(CanvasOp::SetNoFill, {}); }
  void SetFont(const std::string& face, int points, Rgb colour) override {
    Record(CanvasOp::SetFont, {points}, colour, face);
  }
  void MoveTo(int x, int y) override { Record(CanvasOp::MoveTo, {x, y}); }
  void LineTo(int x, int y) override { Record(CanvasOp::LineTo, {x, y}); }
  void Ellipse(int left, int top, int right, int bottom) override {
    Record(CanvasOp::Ellipse, {left, top, right, bottom});
  }
  void TextOut(int x, int y, const std::string& text) override {
    Record(CanvasOp::TextOut, {x, y}, std::nullopt, text);
  }

  const std::vector<CanvasCall>& Calls() const { return calls_; }

  // The calls between the first SetPen of `colour` and the next SetPen of another colour.
  std::vector<CanvasCall> StrokedWith(Rgb colour) const;

  // All calls of one kind, in order.
  std::vector<CanvasCall> OfKind(CanvasOp op) const;

 private:
  void Record(CanvasOp op, std::vector<int> ints, std::optional<Rgb> colour = std::nullopt, std::string text = {});

  std::vector<CanvasCall> calls_;
};

}  // namespace vellmora
