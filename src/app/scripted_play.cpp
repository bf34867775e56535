// The events-file driver: events go through the window's own handlers (the
// window exists offscreen when there is no display), with a virtual clock.
#include "app/scripted_play.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/events_file.h"
#include "app/window_options.h"
#include "base/file_io.h"
#include "platform/stop_signals.h"
#include "ui/window_session.h"

namespace app {
namespace {

// The player's own message, in the interface language, naming a file.
void report(const char* source, const std::string& file) {
  std::fprintf(stderr, "mirandel: %s\n",
               QCoreApplication::translate("Options", source).arg(QString::fromStdString(file)).toLocal8Bit().constData());
}

}  // namespace

int playEventsFile(const Options& options, const std::filesystem::path& folder) {
  auto text = base::readFileBytes(options.eventsFile);
  if (!text) {
    report(QT_TRANSLATE_NOOP("Options", "cannot read the events file %1"), options.eventsFile);
    return 1;
  }
  std::string error;
  auto events = parseEvents(*text, error);
  if (!events) {
    std::fprintf(stderr, "mirandel: %s: %s\n", options.eventsFile.c_str(), error.c_str());
    return 1;
  }
  ui::WindowSession session(windowOptions(options, folder, true));
  session.start();
  int exitCode = 0;
  session.queue.onUnsupported = [&](const std::string& why) {
    std::fprintf(stderr, "mirandel: %s\n", why.c_str());
    exitCode = 2;
  };
  for (const Event& event : *events) {
    // A stop signal ends the play between events, with the shut-down sequence below.
    if (platform::stopSignalReceived()) break;
    switch (event.kind) {
      case Event::Kind::Input: session.deliver(event.input); break;
      case Event::Kind::Text: session.typeIntoCommandBox(event.input.text); break;
      case Event::Kind::Wait: session.wait(event.milliseconds); break;
      case Event::Kind::Dump:
        if (!session.dump(event.folder)) report(QT_TRANSLATE_NOOP("Options", "cannot write the dump into %1"), event.folder);
        break;
    }
    if (exitCode != 0 || session.closed()) break;
  }
  if (!options.dumpFolder.empty() && !session.dump(options.dumpFolder)) {
    report(QT_TRANSLATE_NOOP("Options", "cannot write the dump into %1"), options.dumpFolder);
    exitCode = 1;
  }
  session.close();
  return exitCode;
}

}  // namespace app
