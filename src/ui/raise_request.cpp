// The raise channel between two players of one game.
#include "ui/raise_request.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace ui {
namespace {

constexpr int kAnswerWaitMs = 500;

}  // namespace

QString raiseChannelName(const std::filesystem::path& folder) {
  std::error_code error;
  const auto canonical = std::filesystem::weakly_canonical(folder, error);
  const QByteArray path = QByteArray::fromStdString((error ? folder : canonical).string());
  const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("mirandel-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

void listenForRaise(QObject* owner, const std::filesystem::path& folder, std::function<void()> raise) {
  auto* server = new QLocalServer(owner);
  const QString name = raiseChannelName(folder);
  // A socket left by a player that was killed is taken over (the folder's lock
  // says this player is the only one).
  QLocalServer::removeServer(name);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(name)) return;
  QObject::connect(server, &QLocalServer::newConnection, server, [server, raise] {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, raise] {
        if (socket->readAll().startsWith("raise")) raise();
        socket->disconnectFromServer();
      });
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
}

bool askToRaise(const std::filesystem::path& folder) {
  QLocalSocket socket;
  socket.connectToServer(raiseChannelName(folder));
  if (!socket.waitForConnected(kAnswerWaitMs)) return false;
  socket.write("raise\n");
  return socket.waitForBytesWritten(kAnswerWaitMs);
}

}  // namespace ui
