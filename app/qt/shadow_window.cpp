#include "app/qt/shadow_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "app/qt/qt_text.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

constexpr const char* kTitle = "Schattenverlauf";
constexpr const char* kPlay = "Abspielen";
constexpr const char* kPause = "Anhalten";
constexpr int kFrameMilliseconds = 40;  // one minute of the eclipse per frame

// "hh:mm:ss UT" of the instant t hours from the elements' T0.
QString UniversalTimeText(const BesselianElements& elements, double t) {
  const double hours = CalendarFromMJD(MJDFromCenturies(UniversalTimeAt(elements, t))).Hours;
  const long seconds = std::lround(hours * 3600) % 86400;
  return QStringLiteral("%1:%2:%3 UT")
      .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

ShadowWindow::ShadowWindow(QWidget* parent, TForm37& form)
    : QWidget(parent, Qt::Tool),
      form_(form),
      slider_(new QSlider(Qt::Horizontal, this)),
      play_(new QPushButton(ToQString(kPlay), this)),
      time_(new QLabel(this)) {
  setObjectName(QStringLiteral("ShadowWindow"));
  setWindowTitle(ToQString(kTitle));
  slider_->setMinimumWidth(320);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(slider_);
  auto* row = new QHBoxLayout;
  row->addWidget(play_);
  row->addStretch();
  row->addWidget(time_);
  layout->addLayout(row);
  timer_.setInterval(kFrameMilliseconds);
  connect(slider_, &QSlider::valueChanged, this, [this](int minute) { ShowAt(minute); });
  connect(play_, &QPushButton::clicked, this, [this] { TogglePlay(); });
  connect(&timer_, &QTimer::timeout, this, [this] { Advance(); });
}

void ShadowWindow::Open() {
  const bool eclipse = form_.Selected.has_value();
  slider_->setEnabled(eclipse);
  play_->setEnabled(eclipse);
  if (eclipse) {
    const QSignalBlocker quiet(slider_);
    slider_->setRange(static_cast<int>(std::floor(form_.Selected->Elements().FirstHour * 60)),
                      static_cast<int>(std::ceil(form_.Selected->Elements().LastHour * 60)));
    slider_->setValue(slider_->minimum());
  }
  show();
  raise();
  if (eclipse) ShowAt(slider_->value());
}

void ShadowWindow::hideEvent(QHideEvent* event) {
  timer_.stop();
  play_->setText(ToQString(kPlay));
  form_.Dispatch([this] { form_.ShowShadowAt(std::nullopt); });
  QWidget::hideEvent(event);
}

void ShadowWindow::ShowAt(int minute) {
  if (!form_.Selected) return;
  const double t = minute / 60.0;
  time_->setText(UniversalTimeText(form_.Selected->Elements(), t));
  form_.Dispatch([this, t] { form_.ShowShadowAt(t); });
}

void ShadowWindow::TogglePlay() {
  if (timer_.isActive()) {
    timer_.stop();
    play_->setText(ToQString(kPlay));
    return;
  }
  if (slider_->value() >= slider_->maximum()) slider_->setValue(slider_->minimum());
  timer_.start();
  play_->setText(ToQString(kPause));
}

void ShadowWindow::Advance() {
  if (slider_->value() >= slider_->maximum()) {
    TogglePlay();
    return;
  }
  slider_->setValue(slider_->value() + 1);
}

}  // namespace vellmora
