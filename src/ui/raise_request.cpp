// The raise channel between two players of one game: a Unix socket in the
// temporary folder, listened on through the window's event loop. Plain sockets
// and not Qt Network, whose Kerberos and proxy libraries would be loaded before
// the opening screen for one line between two players.
#include "ui/raise_request.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QSocketNotifier>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace ui {
namespace {

constexpr int kAnswerWaitMs = 500;

// The socket's address; false when the path does not fit in one.
bool addressOf(const QString& name, sockaddr_un& address) {
  const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name);
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (static_cast<size_t>(path.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  return true;
}

// A socket watched for what it has to read, closed with the object (the
// notifier first, so the event loop never watches a closed descriptor); a
// listening socket's file goes with it.
class WatchedSocket : public QObject {
 public:
  WatchedSocket(int descriptor, QObject* parent, std::string file = {})
      : QObject(parent),
        descriptor_(descriptor),
        readable_(new QSocketNotifier(descriptor, QSocketNotifier::Read)),
        file_(std::move(file)) {}
  ~WatchedSocket() override {
    delete readable_;
    ::close(descriptor_);
    if (!file_.empty()) ::unlink(file_.c_str());
  }
  int descriptor() const { return descriptor_; }
  QSocketNotifier* readable() const { return readable_; }

 private:
  int descriptor_;
  QSocketNotifier* readable_;
  std::string file_;
};

// One player asking: its line is read when it arrives, and the connection closed.
void hear(int client, QObject* parent, const std::function<void()>& raise) {
  auto* socket = new WatchedSocket(client, parent);
  QObject::connect(socket->readable(), &QSocketNotifier::activated, socket, [socket, raise] {
    char line[16] = {};
    const ssize_t got = ::recv(socket->descriptor(), line, sizeof line - 1, MSG_DONTWAIT);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got > 0 && std::strncmp(line, "raise", 5) == 0) raise();
    socket->readable()->setEnabled(false);
    socket->deleteLater();
  });
}

}  // namespace

QString raiseChannelName(const std::filesystem::path& folder) {
  std::error_code error;
  const auto canonical = std::filesystem::weakly_canonical(folder, error);
  const QByteArray path = QByteArray::fromStdString((error ? folder : canonical).string());
  const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("mirandel-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

void listenForRaise(QObject* owner, const std::filesystem::path& folder, std::function<void()> raise) {
  sockaddr_un address;
  if (!addressOf(raiseChannelName(folder), address)) return;
  const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listening < 0) return;
  // A socket left by a player that was killed is taken over (the folder's lock
  // says this player is the only one); only this user may connect.
  ::unlink(address.sun_path);
  if (::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(listening);
    return;
  }
  auto* server = new WatchedSocket(listening, owner, address.sun_path);
  if (::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listening, 8) != 0) {
    delete server;
    return;
  }
  QObject::connect(server->readable(), &QSocketNotifier::activated, server, [server, raise] {
    for (int client; (client = ::accept4(server->descriptor(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;)
      hear(client, server, raise);
  });
}

bool askToRaise(const std::filesystem::path& folder) {
  sockaddr_un address;
  if (!addressOf(raiseChannelName(folder), address)) return false;
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket < 0) return false;
  const timeval wait{0, kAnswerWaitMs * 1000};
  ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
  static constexpr char kLine[] = "raise\n";
  const bool asked = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                     ::send(socket, kLine, sizeof kLine - 1, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof kLine - 1);
  ::close(socket);
  return asked;
}

}  // namespace ui
