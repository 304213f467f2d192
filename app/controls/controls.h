#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/date_serial.h"

// The window-system seam: the few operations the window's logic needs of each
// kind of control. All text is Windows-1252 bytes. A control reports a user
// action (click, edit, change) through its notification, which the window
// wires to its handlers.

namespace vellmora {

using Notification = std::function<void()>;
// A mouse position on the paint box in its logical pixels (with fractions at a
// screen scale above 100 %).
using PointerNotification = std::function<void(double x, double y)>;

struct Rgb {
  std::uint8_t Red;
  std::uint8_t Green;
  std::uint8_t Blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// LB1, LB5, LB6 and the hidden place table lb9.
class TextList {
 public:
  virtual ~TextList() = default;
  virtual void Clear() = 0;
  virtual void Add(const std::string& line) = 0;
  virtual int Count() const = 0;
  virtual std::string Line(int index) const = 0;
  virtual int SelectedIndex() const = 0;  // -1 for none
  virtual void Unselect() = 0;            // no row selected any more, without a notification
  Notification OnClick;
};

// The editable place chooser CB6; items keep the order in which they are filled.
class ComboBox {
 public:
  virtual ~ComboBox() = default;
  virtual void Fill(const std::vector<std::string>& items) = 0;
  virtual void SetEditText(const std::string& text) = 0;
  virtual std::string EditText() const = 0;
  virtual int IndexOf(const std::string& text) const = 0;  // -1 when no item has exactly that text
  virtual void SetSelectedIndex(int index) = 0;
  virtual int SelectedIndex() const = 0;  // -1 for none
  Notification OnChange;                  // every edit and every selection change
  Notification OnEnter;                   // Enter pressed in the edit field
};

class EditField {
 public:
  virtual ~EditField() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// An integer spin field: a value that is set is clamped into the range, and
// OnChange runs before SetValue returns, only when the shown value changes.
class SpinField {
 public:
  virtual ~SpinField() = default;
  virtual int Minimum() const = 0;
  virtual int Maximum() const = 0;
  virtual int Value() const = 0;
  virtual void SetValue(int value) = 0;
  Notification OnChange;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual void SetText(const std::string& text) = 0;
};

class Button {
 public:
  virtual ~Button() = default;
  Notification OnClick;
};

// Drawing surface of the map: solid pens, a solid fill or none, text with a
// transparent background, ellipses whose right and bottom bounds are exclusive.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetPen(Rgb colour, int width) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetFill(Rgb colour) = 0;
  virtual void SetNoFill() = 0;
  virtual void SetFont(const std::string& face, int points, Rgb colour) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// An image composed off-screen and presented in one copy.
class OffscreenImage {
 public:
  virtual ~OffscreenImage() = default;
  virtual Canvas& Surface() = 0;
};

// PB3, the globe map.
class PaintBox {
 public:
  virtual ~PaintBox() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual std::unique_ptr<OffscreenImage> CreateImage() = 0;  // Width x Height, white
  virtual void Present(OffscreenImage& image) = 0;            // copied onto the box at (0, 0)
  virtual Canvas& DirectSurface() = 0;                        // draws straight onto the box
  Notification OnPaint;
  // The left mouse button pressed on the box, moved while held, released.
  PointerNotification OnMouseDown;
  PointerNotification OnMouseMove;
  PointerNotification OnMouseUp;
};

class ScreenCursor {
 public:
  virtual ~ScreenCursor() = default;
  virtual void ShowHourglass() = 0;
  virtual void ShowDefault() = 0;
};

class ErrorReport {
 public:
  virtual ~ErrorReport() = default;
  virtual void Show(const std::string& message) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilDate Today() const = 0;
};

// Every control and service of the window, owned by the front end.
struct FormControls {
  EditField& E1;
  EditField& E2;
  Button& D1;
  Button& D3;
  SpinField& T1;
  SpinField& T2;
  TextList& LB1;
  TextList& LB5;
  TextList& LB6;
  TextList& lb9;
  ComboBox& CB6;
  Label& L39;
  Label& L40;
  Label& L41;
  PaintBox& PB3;
  ScreenCursor& Cursor;
  ErrorReport& Errors;
  Clock& Today;
};

}  // namespace vellmora
