// Command-line parsing.
#include "app/options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "ui/window_scale.h"

namespace app {
namespace {

QString translate(const char* context, const char* source) { return QCoreApplication::translate(context, source); }

}  // namespace

std::optional<Options> parseOptions() {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      translate("Options", "mirandel: player for Quimera graphical text adventures.\n"
                "Without options it plays the bundled demo game in a window (in the terminal when there is no display)."));
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption game("game", translate("Options", "Play the game in folder DIR."), "DIR");
  QCommandLineOption name("name", translate("Options", "Base name of the player's own table (default mirandel)."), "BASE");
  QCommandLineOption server("server", translate("Options", "Address of the publisher's server (on-line play)."), "URL");
  QCommandLineOption publisher("publisher", translate("Options", "Base address of the publisher's pages on the opening screen."), "URL");
  QCommandLineOption text("text", translate("Options", "Play in the terminal."));
  QCommandLineOption events("events", translate("Options", "Scripted play: read events from FILE, no window needed."), "FILE");
  QCommandLineOption dump("dump", translate("Options", "After the last event, write a snapshot into DIR."), "DIR");
  QCommandLineOption trace("trace", translate("Options", "Write every statement trace line to FILE."), "FILE");
  QCommandLineOption transcript("transcript", translate("Options", "Keep this session's transcript (the game's text and your commands) in FILE."), "FILE");
  QCommandLineOption check("check", translate("Options", "Check the game for faults without running it (exit 0 clean, 1 findings, 2 unreadable)."));
  QCommandLineOption mute("mute", translate("Options", "Play without sound (in the window Ctrl+M turns it on and off)."));
  QCommandLineOption scale("scale",
                           translate("Options", "Show the window N times larger, N from 1 to 4 (1.5 too); Ctrl+plus and "
                                                "Ctrl+minus change it while playing, and the window remembers that choice."),
                           "N");
  QCommandLineOption scratch("scratch", translate("Options", "Play on a temporary copy of the game folder, removed at exit: nothing in the folder changes."));
  QCommandLineOption newGame("new", translate("Options", "Write the smallest complete game into the new folder DIR (its name: the argument after DIR, default mirandel)."), "DIR");
  QCommandLineOption steps("steps", translate("Options", "Write every statement run to FILE: script, line, statement, the registers it changed."), "FILE");
  QCommandLineOption coverage("coverage", translate("Options", "At exit, write to FILE which lines of each script ran and which phrases matched."), "FILE");
  parser.addOptions({game, name, server, publisher, text, events, dump, trace, transcript, check, mute, scale});
  parser.addOptions({scratch, newGame, steps, coverage});
  QCommandLineOption watch("watch", translate("Options", "While playing, reload a script, picture or table row whose file changed and run the current place again (registers and objects kept)."));
  parser.addOption(watch);
  QCommandLineOption games("games", translate("Options", "List the games the player knows (name, folder, last played) and end."));
  parser.addOption(games);
  QCommandLineOption quitWhenShown("quit-when-shown", translate("Options", "Close the window as soon as its first screen is painted (to time the start-up)."));
  parser.addOption(quitWhenShown);
  parser.addPositionalArgument("DIR", translate("Options", "The game folder to play (the same as --game DIR)."), "[DIR]");
  // A mistake is reported here, pointing to --help; process() then handles
  // --help, --help-all and --version.
  if (!parser.parse(QCoreApplication::arguments())) {
    std::fprintf(stderr, "mirandel: %s\n", translate("Options", "%1 (see --help)").arg(parser.errorText()).toLocal8Bit().constData());
    return std::nullopt;
  }
  parser.process(QCoreApplication::arguments());
  // `mirandel DIR` plays the game in DIR, as --game DIR does (a desktop opening a
  // folder); after --new DIR the one further argument is the new game's name.
  const QStringList positional = parser.positionalArguments();
  const bool newGameAsked = parser.isSet(newGame);
  if (positional.size() > 1 || (positional.size() == 1 && parser.isSet(game) && !newGameAsked)) {
    std::fprintf(stderr, "mirandel: %s\n",
                 translate("Options", "unexpected argument %1 (see --help)").arg(positional.back())
                     .toLocal8Bit().constData());
    return std::nullopt;
  }
  Options options;
  options.gameFolder = (positional.isEmpty() || newGameAsked ? parser.value(game) : positional.first()).toStdString();
  if (parser.isSet(name)) options.exeBaseName = parser.value(name).toStdString();
  options.serverBaseUrl = parser.value(server).toStdString();
  options.publisherUrl = parser.value(publisher).toStdString();
  options.text = parser.isSet(text);
  options.mute = parser.isSet(mute);
  options.eventsFile = parser.value(events).toStdString();
  options.dumpFolder = parser.value(dump).toStdString();
  options.traceFile = parser.value(trace).toStdString();
  options.transcriptFile = parser.value(transcript).toStdString();
  options.check = parser.isSet(check);
  options.scratch = parser.isSet(scratch);
  options.watch = parser.isSet(watch);
  options.newGameFolder = parser.value(newGame).toStdString();
  if (newGameAsked && !positional.isEmpty()) options.newGameName = positional.first().toStdString();
  options.stepsFile = parser.value(steps).toStdString();
  options.coverageFile = parser.value(coverage).toStdString();
  options.listGames = parser.isSet(games);
  options.quitWhenShown = parser.isSet(quitWhenShown);
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
