#pragma once

#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/controls/controls.h"
#include "app/export/path_export.h"
#include "app/qt/qt_paint_box.h"
#include "app/qt/shadow_window.h"
#include "app/window/form37.h"

namespace vellmora {

class AboutDialog;
class ElementsDialog;

// The globe's context menu: "Beobachtungsort hierher" (the point under the
// right click as the observing place), "Zonengrenzen zeigen", "Sichtbarkeit
// zeigen" (the map of visibility of the whole eclipse), "Schattenverlauf…",
// "Besselsche Elemente…", "Karte speichern…", "Pfad exportieren…",
// "Finsternisse am Beobachtungsort…" and "Über Vellmora…", which F1 opens too.
class GlobeMenu {
 public:
  GlobeMenu(QWidget* window, TForm37& form, QtPaintBox& map, ErrorReport& errors);
  ~GlobeMenu();

  // The menu for a right click at `position` of the map; entries that cannot
  // act there (no point under it, no eclipse chosen) are disabled.
  std::unique_ptr<QMenu> MenuAt(QPoint position);
  void Show(QPoint position, QPoint globalPosition);

  // The map as shown, at the screen's pixel ratio, as PNG; false when the file cannot be written.
  bool SaveMap(const QString& file);
  // The chosen eclipse's path in a file; false when there is none or the file cannot be written.
  bool ExportPath(const QString& file, PathFormat format);
  void ShowAbout();
  // "Schattenverlauf…": the tool window of the shadow's course, made on first use.
  void ShowShadowWindow();
  ShadowWindow* Shadow() const { return shadowWindow_; }
  // "Besselsche Elemente…": the selected eclipse's elements in a dialog.
  void ShowElements();
  ElementsDialog* Elements() const { return elementsDialog_; }

  QAction* AboutAction() const { return about_; }

  // "Finsternisse am Beobachtungsort…": who opens that dialog.
  std::function<void()> ShowVisibleEclipses;

 private:
  void AskAndSaveMap();
  void AskAndExportPath();

  QWidget* window_;
  TForm37& form_;
  QtPaintBox& map_;
  ErrorReport& errors_;
  QAction* about_;
  AboutDialog* aboutDialog_ = nullptr;
  ShadowWindow* shadowWindow_ = nullptr;
  ElementsDialog* elementsDialog_ = nullptr;
};

}  // namespace vellmora
