#pragma once

class QTranslator;

// Loads Qt's own texts in German (the file dialogs and their buttons, Qt's messages) from Qt's
// translations folder into translator and installs it, whatever the user's locale. False when
// the translation is not there (Debian's package qt6-translations-l10n brings it).
bool InstallQtGermanTexts(QTranslator &translator);
