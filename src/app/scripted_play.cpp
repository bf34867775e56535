// The events-file driver.
#include "app/scripted_play.h"

#include <cstdio>

#include "app/events_file.h"
#include "app/session.h"
#include "base/file_io.h"
#include "shell/dump.h"
#include "shell/startup.h"

namespace app {

int playEventsFile(const Options& options, const std::filesystem::path& folder) {
  auto text = base::readFileBytes(options.eventsFile);
  if (!text) {
    std::fprintf(stderr, "mirandel: cannot read the events file %s\n", options.eventsFile.c_str());
    return 1;
  }
  std::string error;
  auto events = parseEvents(*text, error);
  if (!events) {
    std::fprintf(stderr, "mirandel: %s: %s\n", options.eventsFile.c_str(), error.c_str());
    return 1;
  }
  Session session;
  session.start(options, folder);
  int exitCode = 0;
  session.player.onUnsupported = [&](const std::string& why) {
    std::fprintf(stderr, "mirandel: %s\n", why.c_str());
    exitCode = 2;
  };
  for (const Event& event : *events) {
    switch (event.kind) {
      case Event::Kind::Input: session.player.post(event.input); break;
      case Event::Kind::Wait: session.host.advance(event.milliseconds); break;
      case Event::Kind::Dump: shell::writeDump(session.game, event.folder); break;
    }
    if (exitCode != 0 || session.player.quitRequested()) break;
  }
  if (!options.dumpFolder.empty() && !shell::writeDump(session.game, options.dumpFolder)) {
    std::fprintf(stderr, "mirandel: cannot write the dump into %s\n", options.dumpFolder.c_str());
    exitCode = 1;
  }
  shell::shutDown(session.game);
  return exitCode;
}

}  // namespace app
