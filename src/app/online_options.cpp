// On-line start options.
#include "app/online_options.h"

#include <QCoreApplication>
#include <QDir>

namespace app {

void setOnlineOptions(const Options& options, shell::StartOptions& start) {
  start.serverBaseUrl = options.serverBaseUrl;
  // Only the updater installed with this player is ever started, never a
  // program from the game folder.
  start.updaterProgram = QDir(QCoreApplication::applicationDirPath()).filePath("mirandel-update").toStdString();
  start.restartCommand.clear();
  start.restartCommand.push_back(QCoreApplication::applicationFilePath().toStdString());
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) start.restartCommand.push_back(arguments[i].toStdString());
}

}  // namespace app
