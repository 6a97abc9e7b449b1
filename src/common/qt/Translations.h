// Qt's own texts (standard buttons, the page's fallback menu, file and print
// dialogs) in Russian, the language of the viewer: Qt's Russian translations
// from the system's translation folder.
#pragma once

class QTranslator;

namespace remont {

// Installs the translations into the application; returns the translator
// (owned by the application), or nullptr when the system has none.
QTranslator* InstallQtTranslations();

}  // namespace remont
