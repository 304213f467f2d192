#pragma once

#include <QDialog>

namespace vellmora {

// "Über Vellmora": name, version, purpose, the data's sources and licences,
// the program's licence; closed with OK.
class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace vellmora
