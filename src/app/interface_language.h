// The language of the player's own words (command-line help, option errors,
// terminal hints, window tooltips): Portuguese (Brazil) or English, chosen from
// the locale (LANGUAGE first, then LC_ALL, LC_MESSAGES, LANG). The texts the game
// defines are never translated.
#pragma once
#include <QString>

class QCoreApplication;

namespace app {

// The catalogue for the locale's languages in order of preference: "pt_BR" for
// any Portuguese, "en" for any English, "en" when neither is listed.
QString interfaceLanguage(const QStringList& uiLanguages);

// Installs our catalogue and Qt's own (the parser's "Usage:" and its errors) for
// the system locale, before the command line is read.
void installInterfaceLanguage(QCoreApplication& application);

}  // namespace app
