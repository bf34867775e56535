// Command-line parsing.
#include "app/options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "ui/window_scale.h"

namespace app {

std::optional<Options> parseOptions() {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "mirandel: player for Quimera graphical text adventures.\n"
      "Without options it plays the bundled demo game in a window (in the terminal when there is no display).");
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption game("game", "Play the game in folder DIR.", "DIR");
  QCommandLineOption name("name", "Base name of the player's own table (default mirandel).", "BASE");
  QCommandLineOption server("server", "Address of the publisher's server (on-line play).", "URL");
  QCommandLineOption publisher("publisher", "Base address of the publisher's pages on the opening screen.", "URL");
  QCommandLineOption text("text", "Play in the terminal.");
  QCommandLineOption events("events", "Scripted play: read events from FILE, no window needed.", "FILE");
  QCommandLineOption dump("dump", "After the last event, write a snapshot into DIR.", "DIR");
  QCommandLineOption trace("trace", "Write every statement trace line to FILE.", "FILE");
  QCommandLineOption check("check", "Check the game for faults without running it (exit 0 clean, 1 findings, 2 unreadable).");
  QCommandLineOption mute("mute", "Play without sound (in the window Ctrl+M turns it on and off).");
  QCommandLineOption scale("scale",
                           "Show the window N times larger, N from 1 to 4 (1.5 too); Ctrl+plus and Ctrl+minus "
                           "change it while playing, and the window remembers that choice.",
                           "N");
  parser.addOptions({game, name, server, publisher, text, events, dump, trace, check, mute, scale});
  // A mistake is reported here, pointing to --help; process() then handles
  // --help, --help-all and --version.
  if (!parser.parse(QCoreApplication::arguments())) {
    std::fprintf(stderr, "mirandel: %s (see --help)\n", parser.errorText().toLocal8Bit().constData());
    return std::nullopt;
  }
  parser.process(QCoreApplication::arguments());
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "mirandel: unexpected argument %s (see --help)\n",
                 parser.positionalArguments().first().toLocal8Bit().constData());
    return std::nullopt;
  }
  Options options;
  options.gameFolder = parser.value(game).toStdString();
  if (parser.isSet(name)) options.exeBaseName = parser.value(name).toStdString();
  options.serverBaseUrl = parser.value(server).toStdString();
  options.publisherUrl = parser.value(publisher).toStdString();
  options.text = parser.isSet(text);
  options.mute = parser.isSet(mute);
  options.eventsFile = parser.value(events).toStdString();
  options.dumpFolder = parser.value(dump).toStdString();
  options.traceFile = parser.value(trace).toStdString();
  options.check = parser.isSet(check);
  if (parser.isSet(scale)) {
    auto factor = ui::readScale(parser.value(scale));
    if (!factor) {
      std::fprintf(stderr, "mirandel: --scale takes a number from 1 to 4, not \"%s\" (see --help)\n",
                   parser.value(scale).toLocal8Bit().constData());
      return std::nullopt;
    }
    options.scale = *factor;
  }
  return options;
}

}  // namespace app
