#include "app/qt/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/qt_text.h"
#include "app/texts/about_text.h"

namespace vellmora {
namespace {

constexpr int kTextWidth = 520;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutDialog"));
  setWindowTitle(ToQString(AboutTitle()));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("AboutText"));
  text->setTextFormat(Qt::PlainText);
  text->setText(ToQString(AboutText()));
  text->setWordWrap(true);
  text->setFixedWidth(kTextWidth);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vellmora
