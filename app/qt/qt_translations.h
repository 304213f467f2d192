#pragma once

class QCoreApplication;

namespace vellmora {

// Installs Qt's own German texts (file dialogs, standard buttons, context
// menus of text fields) from Qt's translations folder, so that the dialogs
// Qt draws speak the window's language. False when they are not installed.
bool InstallGermanQtTranslations(QCoreApplication& application);

}  // namespace vellmora
