#include "app/qt/main_window.h"

#include <QAction>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <utility>

#include "app/globe/globe_painter.h"
#include "app/qt/qt_text.h"
#include "app/qt/tab_stop_delegate.h"
#include "app/texts/year_field.h"

namespace vellmora {
namespace {

constexpr int kClientWidth = 1056;
constexpr int kClientHeight = 722;
constexpr int kListRowHeight = 14;
const QColor kPanelGrey(240, 240, 240);
const QColor kNavy(0, 0, 128);

void Paint(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Base, colour == kPanelGrey ? kPanelGrey : Qt::white);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QFont VerdanaPixels(int pixels) {
  QFont font;
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  return font;
}

QLabel* Caption(QWidget* parent, const std::string& text, QRect geometry, bool heading = false) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQString(text));
  if (heading) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
  }
  // Where the window's font runs wider than the layout's, the caption grows to the right instead of being cut.
  label->setGeometry(geometry.adjusted(0, 0, std::max(0, label->sizeHint().width() - geometry.width()), 0));
  return label;
}

// The two-line caption over the spin fields puts its degree signs just right of
// T2 and T1 by runs of blanks measured in Verdana. Where another font stands in,
// letter spacing brings the first sign back to `signX` (the second follows
// within a pixel or two); with Verdana itself the spacing comes out near 0.
void AlignDegreeSigns(QLabel* label, int signX) {
  const QString beforeSign = label->text().section(QLatin1Char('\n'), 1).section(QChar(0xB0), 0, 0);
  QFont font = label->font();
  const double shortfall = signX - QFontMetricsF(font).horizontalAdvance(beforeSign);
  font.setLetterSpacing(QFont::AbsoluteSpacing, shortfall / static_cast<double>(beforeSign.size()));
  label->setFont(font);
}

// Runs an action on a double-click anywhere in a widget (a list's empty rows too).
class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return QObject::eventFilter(watched, event);
    action_();
    return true;
  }

 private:
  std::function<void()> action_;
};

QListWidget* List(QWidget* parent, QRect geometry, int tabStopDialogUnits) {
  auto* list = new QListWidget(parent);
  list->setGeometry(geometry);
  list->setUniformItemSizes(true);
  list->setItemDelegate(new TabStopDelegate(list, tabStopDialogUnits, kListRowHeight));
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return list;
}

}  // namespace

template <typename Widget>
Widget* MainWindow::Place(QWidget* parent, const char* name, QRect geometry) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  return widget;
}

MainWindow::MainWindow() {
  setWindowTitle(QStringLiteral("Vellmora"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(VerdanaPixels(12));
  Paint(this, Qt::white);

  p4_ = Place<QWidget>(this, "P4", {0, 0, 305, kClientHeight});
  Paint(p4_, kPanelGrey);
  p9_ = Place<QWidget>(this, "P9", {305, 0, kClientWidth - 305, kClientHeight});
  Paint(p9_, Qt::white);

  Caption(p4_, "Sonnenfinsternisse ", {16, 40, 130, 14}, true)->setObjectName("L1");
  auto* d1 = Place<QPushButton>(p4_, "D1", {168, 33, 120, 25});
  d1->setText(QStringLiteral("Berechnung"));
  Caption(p4_, "von", {64, 72, 23, 14})->setObjectName("L2");
  auto* e1 = Place<QLineEdit>(p4_, "E1", {96, 68, 73, 22});
  e1->setText(QStringLiteral("2000"));
  Caption(p4_, "bis", {184, 72, 18, 14})->setObjectName("L3");
  auto* e2 = Place<QLineEdit>(p4_, "E2", {216, 68, 73, 22});
  e2->setText(QStringLiteral("2020"));
  auto* l37 = Caption(p4_, "geograf.\nL\xE4nge" + std::string(22, ' ') + "\xB0  Breite" + std::string(17, ' ') + "\xB0",
                      {24, 94, 254, 28});
  l37->setObjectName("L37");
  AlignDegreeSigns(l37, 96 + 54 + 2 - 24);  // just right of T2, in the caption's coordinates
  auto* t2 = Place<QSpinBox>(p4_, "T2", {96, 104, 54, 22});
  t2->setRange(0, 360);
  t2->setValue(180);
  t2->setWrapping(true);  // a step up from 360 gives 0, a step down from 0 gives 360
  auto* t1 = Place<QSpinBox>(p4_, "T1", {216, 104, 54, 22});
  t1->setRange(-90, 90);
  t1->setValue(0);
  Caption(p4_, "Finsternis ausw\xE4hlen", {16, 144, 134, 14})->setObjectName("L36");
  // The kind column holds "total-ringförmig", the widest kind, before the time.
  auto* lb1 = List(p4_, {16, 168, 273, 116}, 72);
  lb1->setObjectName("LB1");
  Caption(p4_, "Zentrallinie", {16, 296, 75, 14}, true)->setObjectName("L4");
  auto* d3 = Place<QPushButton>(p4_, "D3", {168, 296, 120, 25});
  d3->setText(QStringLiteral("Orte suchen"));
  Caption(p4_, "Zeit   geogr.Breite    L\xE4nge      Dauer min", {24, 326, 255, 14})->setObjectName("L5");
  auto* lb5 = List(p4_, {16, 344, 273, 116}, 34);
  lb5->setObjectName("LB5");
  Caption(p4_, "Beobachtungsort", {16, 470, 111, 14}, true)->setObjectName("L38");
  auto* cb6 = Place<QComboBox>(p4_, "CB6", {17, 490, 272, 21});
  cb6->setEditable(true);
  cb6->setFont(VerdanaPixels(11));
  cb6->setMaxVisibleItems(20);
  auto* l39 = Caption(p4_, ".", {16, 520, 4, 14});
  l39->setObjectName("L39");
  auto* l40 = Caption(p4_, ".", {16, 536, 4, 14});
  l40->setObjectName("L40");
  auto* l41 = Caption(p4_, ".", {16, 552, 4, 14});
  l41->setObjectName("L41");
  auto* lb6 = List(p4_, {16, 584, 273, 140}, 52);
  lb6->setObjectName("LB6");
  lb6->setFrameShape(QFrame::NoFrame);
  Paint(lb6->viewport(), kPanelGrey);
  Paint(lb6, kPanelGrey);
  // The hidden place table lies in the left margin panel and is never shown.
  auto* lb9 = new QListWidget(p9_);
  lb9->setObjectName("lb9");
  lb9->hide();

  setTabOrder(e1, e2);
  setTabOrder(e2, lb1);
  setTabOrder(lb1, lb5);
  setTabOrder(lb5, lb6);
  setTabOrder(lb6, cb6);
  setTabOrder(cb6, t2);
  setTabOrder(t2, t1);
  setTabOrder(t1, d1);
  setTabOrder(d1, d3);

  e1_ = std::make_unique<QtEditField>(e1);
  e2_ = std::make_unique<QtEditField>(e2);
  d1_ = std::make_unique<QtButton>(d1);
  d3_ = std::make_unique<QtButton>(d3);
  t1_ = std::make_unique<QtSpinField>(t1);
  t2_ = std::make_unique<QtSpinField>(t2);
  lb1_ = std::make_unique<QtTextList>(lb1);
  lb5_ = std::make_unique<QtTextList>(lb5);
  lb6_ = std::make_unique<QtTextList>(lb6);
  lb9_ = std::make_unique<QtTextList>(lb9);
  cb6_ = std::make_unique<QtComboBox>(cb6);
  l39_ = std::make_unique<QtLabel>(l39);
  l40_ = std::make_unique<QtLabel>(l40);
  l41_ = std::make_unique<QtLabel>(l41);
  pb3_ = std::make_unique<QtPaintBox>(p9_, QRect(20, 20, kMapWidth, kMapHeight));
  pb3_->Widget()->setObjectName("PB3");
  errors_ = std::make_unique<QtErrorReport>(this);
  form_ = std::make_unique<TForm37>(FormControls{*e1_, *e2_, *d1_, *d3_, *t1_, *t2_, *lb1_, *lb5_, *lb6_, *lb9_, *cb6_,
                                                 *l39_, *l40_, *l41_, *pb3_, cursor_, *errors_, clock_});
  globeMenu_ = std::make_unique<GlobeMenu>(this, *form_, *pb3_, *errors_);

  lb6->viewport()->installEventFilter(new DoubleClickFilter(lb6, [this] { ShowDetails(); }));
  auto* details = new QAction(ToQString("Einzelheiten\x85"), lb6);
  connect(details, &QAction::triggered, this, [this] { ShowDetails(); });
  lb6->addAction(details);
  auto* visible = new QAction(ToQString("Finsternisse am Beobachtungsort\x85"), lb6);
  connect(visible, &QAction::triggered, this, [this] { ShowVisibleEclipses(); });
  lb6->addAction(visible);
  lb6->setContextMenuPolicy(Qt::ActionsContextMenu);
  globeMenu_->ShowVisibleEclipses = [this] { ShowVisibleEclipses(); };
  form_->LocalCircumstancesShown = [this] {
    if (details_ != nullptr && details_->isVisible()) details_->Refresh();
  };
  form_->PlaceChanged = [this] {
    if (visible_ != nullptr && visible_->isVisible()) visible_->FollowPlace();
  };
  // Said next to the place chooser, where the text was typed.
  form_->PlaceNotUnderstood = [cb6](const std::string& notice) {
    QToolTip::showText(cb6->mapToGlobal(QPoint(0, cb6->height())), ToQString(notice), cb6);
  };

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void MainWindow::ShowDetails() {
  form_->Dispatch([this] {
    if (details_ == nullptr) details_ = new DetailsDialog(this, *form_);
    details_->Refresh();
    details_->show();
    details_->raise();
    details_->activateWindow();
  });
}

void MainWindow::ShowVisibleEclipses() {
  form_->Dispatch([this] {
    if (visible_ == nullptr) {
      visible_ = new VisibleEclipsesDialog(this, *form_, [this](const VisibleEclipse& eclipse) {
        form_->Dispatch([this, &eclipse] { ChooseSeenEclipse(eclipse); });
      });
    }
    const ListYears years = ReadListYears(e1_->Text(), e2_->Text());
    visible_->SetYears(years.First, years.Last);
    visible_->show();
    visible_->raise();
    visible_->activateWindow();
  });
}

void MainWindow::ChooseSeenEclipse(const VisibleEclipse& eclipse) {
  const ChosenEclipse chosen = EclipseAsListed(eclipse.Catalogue.Kind, eclipse.Catalogue.Time);
  const EclipseKind kind = chosen.Kind;
  if (kind == EclipseKind::Annular || kind == EclipseKind::AnnularTotal || kind == EclipseKind::Total) {
    auto listedRow = [this, &chosen] {
      const std::vector<ChosenEclipse>& listed = form_->ListedEclipses;
      const auto found = std::find_if(listed.begin(), listed.end(), [&chosen](const ChosenEclipse& row) {
        const CalendarInstant& a = row.DynamicalTime;
        const CalendarInstant& b = chosen.DynamicalTime;
        return row.Kind == chosen.Kind && a.Day == b.Day && a.Month == b.Month && a.Year == b.Year &&
               a.Hours == b.Hours;
      });
      return found == listed.end() ? -1 : static_cast<int>(found - listed.begin());
    };
    if (listedRow() < 0) {
      e1_->SetText(std::to_string(chosen.DynamicalTime.Year));
      e2_->SetText(std::to_string(chosen.DynamicalTime.Year + 1));
      form_->D1C();
    }
    auto* list = static_cast<QListWidget*>(Control("LB1"));
    list->setCurrentRow(listedRow());
    list->scrollToItem(list->currentItem());
    form_->LB1C();
    return;
  }
  // The eclipse is not in the list: its details at the place. (Its map of
  // visibility belongs beside them once the globe can draw one.)
  const Selection& seen =
      seenOutsideTheList_.emplace(chosen, ChosenPlace{form_->ObserverLatitude, form_->ObserverLongitude,
                                                      form_->TimeZoneOffsetHours, std::nullopt, form_->TimeZoneName});
  if (details_ == nullptr) details_ = new DetailsDialog(this, *form_);
  details_->Show(seen);
  details_->show();
  details_->raise();
}

QWidget* MainWindow::Control(const char* name) const { return findChild<QWidget*>(QString::fromLatin1(name)); }

}  // namespace vellmora
