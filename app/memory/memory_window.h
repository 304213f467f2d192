#pragma once

#include "app/memory/memory_controls.h"
#include "app/memory/memory_paint_box.h"
#include "app/window/form37.h"

namespace vellmora {

// The whole window in memory: its controls with the layout's start values,
// and the window logic over them (start-up has run when the constructor returns).
// The map keeps pixels only when a renderer is given.
class MemoryWindow {
 public:
  explicit MemoryWindow(CivilDate today, MapRenderer* renderer = nullptr);

  MemoryEditField E1;
  MemoryEditField E2;
  MemoryButton D1;
  MemoryButton D3;
  MemorySpinField T1{-90, 90, 0};
  MemorySpinField T2{0, 360, 180};
  MemoryTextList LB1;
  MemoryTextList LB5;
  MemoryTextList LB6;
  MemoryTextList lb9;
  MemoryComboBox CB6;
  MemoryLabel L39;
  MemoryLabel L40;
  MemoryLabel L41;
  MemoryPaintBox PB3;
  MemoryCursor Cursor;
  MemoryErrorReport Errors;
  FixedClock Today;
  TForm37 Form;
};

}  // namespace vellmora
