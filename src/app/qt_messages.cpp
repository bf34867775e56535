// The filter of Qt's messages.
#include "app/qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <cstdio>

namespace app {
namespace {

std::atomic<bool> soundMissing{false};
std::atomic<bool> startingUp{true};
QtMessageHandler qtHandler = nullptr;

bool fromSoundBackend(const QMessageLogContext& context, const QString& message) {
  const QString category = QString::fromLatin1(context.category ? context.category : "");
  return category.startsWith(QStringLiteral("qt.multimedia")) || message.contains(QStringLiteral("PulseAudio")) ||
         message.contains(QStringLiteral("pa_context")) || message.contains(QStringLiteral("ALSA"));
}

bool fromDisplayConnection(const QMessageLogContext& context) {
  const QString category = QString::fromLatin1(context.category ? context.category : "");
  return category.startsWith(QStringLiteral("qt.qpa"));
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (fromSoundBackend(context, message)) {
      soundMissing = true;
      return;
    }
    if (startingUp && fromDisplayConnection(context)) return;
  }
  if (qtHandler)
    qtHandler(type, context, message);
  else
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void filterQtMessages() { qtHandler = qInstallMessageHandler(filter); }

void endStartUpQuiet() { startingUp = false; }

bool soundDeviceMissing() { return soundMissing; }

}  // namespace app
