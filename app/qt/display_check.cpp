#include "app/qt/display_check.h"

#include <cstdlib>
#include <iostream>

namespace vellmora {
namespace {

constexpr const char* kWithoutDisplay = "; vellmora-cli works without one";

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// Qt's complaints while it looks for a display; the first one says why it failed.
std::string& FirstPlatformComplaint() {
  static std::string complaint;
  return complaint;
}

// While the application is created: the platform plugin's warnings are kept,
// and the fatal end of a failed start becomes one line and status 1.
void ReportFailedStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const bool fromPlatform = context.category != nullptr && QByteArray(context.category).startsWith("qt.qpa");
  if (type == QtFatalMsg) {
    const std::string reason =
        FirstPlatformComplaint().empty() ? message.section('\n', 0, 0).toStdString() : FirstPlatformComplaint();
    std::cerr << UnreachableDisplayMessage(reason) << std::endl;
    std::_Exit(1);
  }
  if (fromPlatform) {
    if (FirstPlatformComplaint().empty()) FirstPlatformComplaint() = message.toStdString();
    return;
  }
  std::cerr << message.toStdString() << '\n';
}

}  // namespace

std::optional<std::string> MissingDisplayMessage(const EnvironmentReader& environment) {
  if (IsSet(environment("QT_QPA_PLATFORM")) || IsSet(environment("DISPLAY")) || IsSet(environment("WAYLAND_DISPLAY"))) {
    return std::nullopt;
  }
  return std::string("vellmora: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)") + kWithoutDisplay;
}

std::string UnreachableDisplayMessage(const std::string& reason) {
  return "vellmora: no display found (" + reason + ")" + kWithoutDisplay;
}

std::unique_ptr<QApplication> OpenApplicationOrExit(int& argc, char** argv) {
  if (const auto missing = MissingDisplayMessage([](const char* name) { return std::getenv(name); })) {
    std::cerr << *missing << '\n';
    std::exit(1);
  }
  const QtMessageHandler previous = qInstallMessageHandler(ReportFailedStart);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  return application;
}

}  // namespace vellmora
