#include "app/memory/memory_window.h"

namespace vellmora {

MemoryWindow::MemoryWindow(CivilDate today, MapRenderer* renderer)
    : PB3(renderer),
      Today(today),
      Form(FormControls{E1, E2, D1, D3, T1, T2, LB1, LB5, LB6, lb9, CB6, L39, L40, L41, PB3, Cursor, Errors, Today}) {}

}  // namespace vellmora
