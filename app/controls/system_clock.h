#pragma once

#include "app/controls/controls.h"

namespace vellmora {

// The computer's local date.
class SystemClock : public Clock {
 public:
  CivilDate Today() const override;
};

}  // namespace vellmora
