#include "app/form37.h"

#include <exception>
#include <string>

#include "app/eclipse_row.h"
#include "app/year_field.h"
#include "catalogue/moon.h"

namespace vellmora {

TForm37::TForm37(FormControls controls) : controls_(controls) {
  controls_.D1.OnClick = [this] { Dispatch([this] { D1C(); }); };
  controls_.D3.OnClick = [this] { Dispatch([this] { SpeedButton3Click(); }); };
  controls_.LB1.OnClick = [this] { Dispatch([this] { LB1C(); }); };
  controls_.LB5.OnClick = [this] { Dispatch([this] { PB3P(); }); };
  controls_.CB6.OnChange = [this] { Dispatch([this] { CB6Change(); }); };
  controls_.T1.OnChange = [this] { Dispatch([this] { T1Change(); }); };
  controls_.T2.OnChange = [this] { Dispatch([this] { T2C(); }); };
  controls_.PB3.OnPaint = [this] { Dispatch([this] { PB3P(); }); };
  controls_.PB3.OnMouseDown = [this](double x, double y) { Dispatch([=, this] { PB3MouseDown(x, y); }); };
  controls_.PB3.OnMouseMove = [this](double x, double y) { Dispatch([=, this] { PB3MouseMove(x, y); }); };
  controls_.PB3.OnMouseUp = [this](double x, double y) { Dispatch([=, this] { PB3MouseUp(x, y); }); };
  controls_.CB6.OnEnter = [this] { Dispatch([this] { CB6Enter(); }); };
  Dispatch([this] { FormCreate(); });
}

void TForm37::Dispatch(const std::function<void()>& handler) {
  if (dispatching_) {
    handler();
    return;
  }
  dispatching_ = true;
  try {
    handler();
  } catch (const std::exception& error) {
    dispatching_ = false;
    controls_.Errors.Show(error.what());
    return;
  }
  dispatching_ = false;
}

void TForm37::FormCreate() { RG1C(); }

void TForm37::RG1C() {
  const LocalDate today = controls_.Today.Today();
  const double todaySerial = EncodeDate(today.Year, today.Month, today.Day);
  controls_.E1.SetText(std::to_string(today.Year));
  controls_.E2.SetText(std::to_string(DecodeDate(todaySerial + 3652.5).Year));
  ShowFoundPlaces = false;
  SetUpObservingPlace();
}

void TForm37::D1C() {
  controls_.LB1.Clear();
  int first = ReadYearField(controls_.E1.Text());
  if (first < 1000) {
    controls_.E1.SetText("1000");
    first = 1000;
  }
  int last = ReadYearField(controls_.E2.Text());
  if (last > 3000) {
    controls_.E2.SetText("3000");
    last = 3000;
  }
  double time = EncodeDate(first, 1, 1);
  const double end = EncodeDate(last, 1, 1);
  bool gammaNegative = false;
  EclipseWalk walk;
  do {
    const EclipseKind kind = walk.FindNext(time, true, gammaNegative);
    if (kind == EclipseKind::Annular || kind == EclipseKind::AnnularTotal || kind == EclipseKind::Total) {
      controls_.LB1.Add(FormatEclipseRow(kind, time));
    }
    time += 1;
  } while (!(time > end));
}

}  // namespace vellmora
