// Choosing and installing the interface language.
#include "app/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace app {

QString interfaceLanguage(const QStringList& uiLanguages) {
  for (const QString& language : uiLanguages) {
    const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (code == QLatin1String("pt")) return QStringLiteral("pt_BR");
    if (code == QLatin1String("en")) return QStringLiteral("en");
  }
  return QStringLiteral("en");
}

void installInterfaceLanguage(QCoreApplication& application) {
  const QString language = interfaceLanguage(QLocale::system().uiLanguages());
  // Ours are compiled into the program; Qt's come with Qt (Debian qt6-translations-l10n)
  // and are left out quietly when missing.
  static QTranslator ours;
  static QTranslator qts;
  if (ours.load(QStringLiteral(":/i18n/mirandel_") + language)) application.installTranslator(&ours);
  if (qts.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    application.installTranslator(&qts);
}

}  // namespace app
