#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

// Qt's warnings about the desktop session it does not have are no business of the command line.
void ReportOnlyQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The map is painted with Qt's raster engine, which needs its fonts; no window is
  // opened, so no platform the user's environment names (xcb without a display) is tried.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(ReportOnlyQtFailures);
  int qtArgc = 1;
  QGuiApplication application(qtArgc, argv);
  return vellmora::RunCli(args, std::cout, std::cerr);
}
