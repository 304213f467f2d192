#pragma once

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWidget>

#include "app/window/form37.h"

namespace vellmora {

// "Schattenverlauf": a small tool window over the selected eclipse with a time
// slider, a play/pause button and the time in UT; the globe shows the Moon's
// shadow at the slider's instant while the window is open.
class ShadowWindow : public QWidget {
 public:
  ShadowWindow(QWidget* parent, TForm37& form);

  // Shows the window over the selected eclipse's time on the Earth.
  void Open();
  // The slider's range and position, in minutes from the elements' T0.
  QSlider* Slider() const { return slider_; }
  QPushButton* PlayButton() const { return play_; }
  QString TimeText() const { return time_->text(); }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowAt(int minute);
  void TogglePlay();
  void Advance();

  TForm37& form_;
  QSlider* slider_;
  QPushButton* play_;
  QLabel* time_;
  QTimer timer_;
};

}  // namespace vellmora
