#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vellmora {

// The window needs a display server. Without one Qt aborts with a page of
// advice about platform plugins; the window instead says in one line that no
// display was found and exits with status 1.

// Reads an environment variable; nullptr when it is not set.
using EnvironmentReader = std::function<const char*(const char*)>;

// The line to print when the environment names no display at all (neither
// DISPLAY nor WAYLAND_DISPLAY, and no QT_QPA_PLATFORM chosen), else nullopt.
std::optional<std::string> MissingDisplayMessage(const EnvironmentReader& environment);

// The line to print when a display was named but Qt could not open it;
// `reason` is Qt's own complaint (such as "could not connect to display :5").
std::string UnreachableDisplayMessage(const std::string& reason);

// Creates the application, or prints one of the lines above and exits with status 1.
std::unique_ptr<QApplication> OpenApplicationOrExit(int& argc, char** argv);

}  // namespace vellmora
