#pragma once

#include <QIcon>

namespace vellmora {

// The program's icon (packaging/vellmora.svg, compiled in), drawn at the sizes
// window managers ask for; the window system shows it in title bars and task lists.
QIcon WindowIcon();

}  // namespace vellmora
