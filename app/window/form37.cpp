#include "app/window/form37.h"

#include <exception>
#include <string>

#include "app/selection/chosen_eclipse.h"
#include "app/texts/eclipse_row.h"
#include "app/texts/year_field.h"
#include "catalogue/eclipse_list.h"
#include "catalogue/moon.h"

namespace vellmora {
namespace {

// "bis" starts ten Julian years after today.
constexpr double kListSpanDays = 3652.5;

}  // namespace

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
  const CivilDate today = controls_.Today.Today();
  const double todaySerial = EncodeDate(today.Year, today.Month, today.Day);
  controls_.E1.SetText(std::to_string(today.Year));
  controls_.E2.SetText(std::to_string(DecodeDate(todaySerial + kListSpanDays).Year));
  ShowFoundPlaces = false;
  SetUpObservingPlace();
}

void TForm37::D1C() {
  controls_.LB1.Clear();
  ListedEclipses.clear();
  try {
    const ListYears years = ReadListYears(controls_.E1.Text(), controls_.E2.Text());
    if (years.FirstRaised) controls_.E1.SetText(std::to_string(kFirstListYear));
    if (years.LastLowered) controls_.E2.SetText(std::to_string(kLastListYear));
    for (const EclipseListRow& row : ListCentralEclipses(years.First, years.Last)) {
      ListedEclipses.push_back(EclipseAsListed(row.Kind, row.Time));
      controls_.LB1.Add(FormatEclipseRow(ListedEclipses.back()));
    }
  } catch (...) {
    // Beside the empty list, the former eclipse's results would seem to belong to the failed request.
    ForgetSelection();
    throw;
  }
}

}  // namespace vellmora
