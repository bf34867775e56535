// The steps every front end's session takes.
#include "shell/session.h"

#include <QCoreApplication>
#include <cstdio>

#include "base/cp1252.h"
#include "shell/input_wiring.h"

namespace shell {

void SessionParts::prepare(const std::filesystem::path& slotsFolder, const std::string& traceFile) {
  if (!traceFile.empty()) {
    trace_.open(traceFile, std::ios::binary | std::ios::trunc);
    game.traceHook = [this](const std::string& line) { trace_ << base::cp1252ToUtf8(line) << '\n'; };
  }
  connectPlayerInput(queue);
  queue.saveSlots.setFolder(slotsFolder);
}

void SessionParts::beginTranscript(const std::filesystem::path& file) {
  if (!transcript.begin(game, queue, file))
    std::fprintf(stderr, "mirandel: %s\n",
                 QCoreApplication::translate("Terminal", "cannot keep the transcript in %1")
                     .arg(QString::fromStdString(file.string())).toLocal8Bit().constData());
}

}  // namespace shell
