#include "app/qt/globe_menu.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QSaveFile>
#include <QSettings>
#include <array>

#include "app/qt/about_dialog.h"
#include "app/qt/elements_dialog.h"
#include "app/qt/qt_text.h"

namespace vellmora {
namespace {

constexpr const char* kObserveHere = "Beobachtungsort hierher";
constexpr const char* kShowZoneLimits = "Zonengrenzen zeigen";
constexpr const char* kPreciseEphemeris = "Genaue Ephemeride (ELP/MPP02, VSOP87)";
// The one choice kept between runs, once the user has made it.
constexpr const char* kSettingsOwner = "Vellmora";
constexpr const char* kPreciseEphemerisSetting = "globe/preciseEphemeris";
constexpr const char* kShowVisibility = "Sichtbarkeit zeigen";
constexpr const char* kShadowCourse = "Schattenverlauf\x85";
constexpr const char* kElements = "Besselsche Elemente\x85";
constexpr const char* kSaveMap = "Karte speichern\x85";
constexpr const char* kExportPath = "Pfad exportieren\x85";
constexpr const char* kVisibleEclipses = "Finsternisse am Beobachtungsort\x85";
constexpr const char* kAbout =
    "\xDC"
    "ber Vellmora\x85";

struct ExportChoice {
  PathFormat Format;
  const char* Filter;
};
constexpr std::array kExportChoices = {
    ExportChoice{PathFormat::Csv, "CSV (*.csv)"}, ExportChoice{PathFormat::Kml, "KML (*.kml)"},
    ExportChoice{PathFormat::Gpx, "GPX (*.gpx)"}, ExportChoice{PathFormat::GeoJson, "GeoJSON (*.geojson)"}};

// The dialog's title: the entry without its ellipsis.
QString DialogTitle(const char* entry) { return ToQString(entry).chopped(1); }

// Written to a temporary file beside `file` and renamed into place only when
// complete, so that a failure leaves no half-written file.
bool WriteFile(const QString& file, const QByteArray& bytes) {
  QSaveFile out(file);
  return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

}  // namespace

GlobeMenu::GlobeMenu(QWidget* window, TForm37& form, QtPaintBox& map, ErrorReport& errors)
    : window_(window), form_(form), map_(map), errors_(errors), about_(new QAction(ToQString(kAbout), window)) {
  about_->setShortcut(QKeySequence(Qt::Key_F1));
  about_->setShortcutContext(Qt::WindowShortcut);
  window_->addAction(about_);
  QObject::connect(about_, &QAction::triggered, [this] { ShowAbout(); });
  map_.OnContextMenu = [this](QPoint position, QPoint globalPosition) { Show(position, globalPosition); };
  if (QSettings(kSettingsOwner, kSettingsOwner).value(kPreciseEphemerisSetting, false).toBool())
    form_.EphemerisChoice = Ephemeris::Precise;
}

GlobeMenu::~GlobeMenu() = default;

std::unique_ptr<QMenu> GlobeMenu::MenuAt(QPoint position) {
  auto menu = std::make_unique<QMenu>(window_);
  QAction* observe = menu->addAction(ToQString(kObserveHere));
  observe->setEnabled(form_.MapPointAt(position.x(), position.y()).has_value());
  QObject::connect(observe, &QAction::triggered, [this, position] {
    form_.Dispatch([this, position] { form_.ObserveFromMapPoint(position.x(), position.y()); });
  });

  QAction* limits = menu->addAction(ToQString(kShowZoneLimits));
  limits->setCheckable(true);
  limits->setChecked(form_.ShowZoneLimits);
  QObject::connect(limits, &QAction::toggled,
                   [this](bool show) { form_.Dispatch([this, show] { form_.SetShowZoneLimits(show); }); });
  QAction* visibility = menu->addAction(ToQString(kShowVisibility));
  visibility->setCheckable(true);
  visibility->setChecked(form_.ShowVisibility);
  QObject::connect(visibility, &QAction::toggled,
                   [this](bool show) { form_.Dispatch([this, show] { form_.SetShowVisibility(show); }); });
  QAction* shadow = menu->addAction(ToQString(kShadowCourse));
  shadow->setEnabled(form_.Selected.has_value());
  QObject::connect(shadow, &QAction::triggered, [this] { ShowShadowWindow(); });
  QAction* elements = menu->addAction(ToQString(kElements));
  elements->setEnabled(form_.Selected.has_value());
  QObject::connect(elements, &QAction::triggered, [this] { ShowElements(); });

  QAction* precise = menu->addAction(ToQString(kPreciseEphemeris));
  precise->setCheckable(true);
  precise->setChecked(form_.EphemerisChoice == Ephemeris::Precise);
  QObject::connect(precise, &QAction::toggled, [this](bool on) {
    QSettings(kSettingsOwner, kSettingsOwner).setValue(kPreciseEphemerisSetting, on);
    form_.Dispatch([this, on] { form_.SetEphemeris(on ? Ephemeris::Precise : Ephemeris::Standard); });
  });

  menu->addSeparator();
  QObject::connect(menu->addAction(ToQString(kSaveMap)), &QAction::triggered, [this] { AskAndSaveMap(); });
  QAction* exportPath = menu->addAction(ToQString(kExportPath));
  exportPath->setEnabled(!form_.CentralLine().CentralLatitudes.empty());
  QObject::connect(exportPath, &QAction::triggered, [this] { AskAndExportPath(); });
  QAction* visible = menu->addAction(ToQString(kVisibleEclipses));
  visible->setEnabled(static_cast<bool>(ShowVisibleEclipses));
  QObject::connect(visible, &QAction::triggered, [this] { ShowVisibleEclipses(); });
  menu->addSeparator();
  menu->addAction(about_);
  return menu;
}

void GlobeMenu::Show(QPoint position, QPoint globalPosition) { MenuAt(position)->exec(globalPosition); }

bool GlobeMenu::SaveMap(const QString& file) {
  // Encoded in memory first: a full disk then fails the write of the whole
  // file, never the PNG encoder halfway (whose error path loses memory).
  QByteArray png;
  QBuffer buffer(&png);
  return buffer.open(QIODevice::WriteOnly) && map_.Shown().save(&buffer, "PNG") && WriteFile(file, png);
}

bool GlobeMenu::ExportPath(const QString& file, PathFormat format) {
  std::optional<std::string> text;
  form_.Dispatch([&] { text = form_.PathExportText(format); });
  return text && WriteFile(file, QByteArray::fromStdString(*text));
}

void GlobeMenu::ShowElements() {
  if (!form_.Selected) return;
  if (elementsDialog_ == nullptr) elementsDialog_ = new ElementsDialog(window_);
  elementsDialog_->Show(form_.Selected->Elements());
}

void GlobeMenu::ShowShadowWindow() {
  if (shadowWindow_ == nullptr) shadowWindow_ = new ShadowWindow(window_, form_);
  shadowWindow_->Open();
}

void GlobeMenu::ShowAbout() {
  if (aboutDialog_ == nullptr) aboutDialog_ = new AboutDialog(window_);
  aboutDialog_->open();
}

void GlobeMenu::AskAndSaveMap() {
  const QString file = QFileDialog::getSaveFileName(window_, DialogTitle(kSaveMap), QStringLiteral("Vellmora.png"),
                                                    QStringLiteral("PNG (*.png)"));
  if (file.isEmpty()) return;
  if (!SaveMap(file)) errors_.Show("Die Karte l\xE4sst sich nicht als " + FromQString(file) + " speichern.");
}

void GlobeMenu::AskAndExportPath() {
  QStringList filters;
  for (const ExportChoice& choice : kExportChoices) filters.append(QString::fromLatin1(choice.Filter));
  QString filter = filters.at(1);
  QString file = QFileDialog::getSaveFileName(window_, DialogTitle(kExportPath), QStringLiteral("Vellmora.kml"),
                                              filters.join(QStringLiteral(";;")), &filter);
  if (file.isEmpty()) return;
  const ExportChoice& choice =
      kExportChoices.at(static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(filter))));
  const QString suffix = QString::fromLatin1(PathFormatName(choice.Format).data(),
                                             static_cast<qsizetype>(PathFormatName(choice.Format).size()));
  if (QFileInfo(file).suffix().compare(suffix, Qt::CaseInsensitive) != 0) file += QLatin1Char('.') + suffix;
  if (!ExportPath(file, choice.Format)) {
    errors_.Show("Der Pfad l\xE4sst sich nicht als " + FromQString(file) + " speichern.");
  }
}

}  // namespace vellmora
