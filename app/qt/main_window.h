#pragma once

#include <QWidget>
#include <memory>

#include "app/controls/system_clock.h"
#include "app/qt/details_dialog.h"
#include "app/qt/globe_menu.h"
#include "app/qt/qt_controls.h"
#include "app/qt/qt_paint_box.h"
#include "app/qt/visible_eclipses_dialog.h"
#include "app/window/form37.h"

namespace vellmora {

// The one window "Vellmora": 1056 x 722, fixed, the controls on the left
// panel, the globe map on the right, and the window logic over them.
class MainWindow : public QWidget {
 public:
  MainWindow();

  QWidget* Control(const char* name) const;  // a control by its layout name, e.g. "LB1"
  TForm37& Form() { return *form_; }
  QtPaintBox& Map() { return *pb3_; }
  GlobeMenu& MapMenu() { return *globeMenu_; }

  // Opens "Einzelheiten am Beobachtungsort" (double-click on LB6, or
  // "Einzelheiten..." in LB6's context menu), or brings it to the front.
  void ShowDetails();
  DetailsDialog* Details() const { return details_; }

  // Opens "Finsternisse am Beobachtungsort" (context menus of LB6 and of the
  // globe) for the years of the list, or brings it to the front.
  void ShowVisibleEclipses();
  VisibleEclipsesDialog* VisibleEclipses() const { return visible_; }
  // What a double-click on an eclipse seen from the place does: an eclipse of
  // the list is chosen in the list (computed for its year if it is not
  // listed); another one opens its details.
  void ChooseSeenEclipse(const VisibleEclipse& eclipse);

 private:
  template <typename Widget>
  Widget* Place(QWidget* parent, const char* name, QRect geometry);

  QWidget* p4_ = nullptr;
  QWidget* p9_ = nullptr;
  std::unique_ptr<QtEditField> e1_, e2_;
  std::unique_ptr<QtButton> d1_, d3_;
  std::unique_ptr<QtSpinField> t1_, t2_;
  std::unique_ptr<QtTextList> lb1_, lb5_, lb6_, lb9_;
  std::unique_ptr<QtComboBox> cb6_;
  std::unique_ptr<QtLabel> l39_, l40_, l41_;
  std::unique_ptr<QtPaintBox> pb3_;
  QtScreenCursor cursor_;
  std::unique_ptr<QtErrorReport> errors_;
  SystemClock clock_;
  std::unique_ptr<TForm37> form_;
  std::unique_ptr<GlobeMenu> globeMenu_;
  DetailsDialog* details_ = nullptr;
  VisibleEclipsesDialog* visible_ = nullptr;
  // An eclipse outside the list chosen in that dialog, with its details.
  std::optional<Selection> seenOutsideTheList_;
};

}  // namespace vellmora
