// Loading a script and running its lines.
#include "script/runner.h"

#include <sys/stat.h>

#include <optional>

#include "base/file_io.h"
#include "base/text_encoding.h"
#include "script/executor.h"
#include "model/run_observer.h"
#include "model/script_error.h"
#include "model/game.h"

namespace script {
namespace {

std::string scriptFileName(const std::string& name) { return name + ".scx"; }

void traceScriptStart(model::Game& game, const std::string& name) {
  game.trace("Executando script: " + name + ".scc");
  game.trace("Labels neste script...");
  game.trace(listLabels(game));
  game.trace("");
}

void executeAllLines(model::Game& game) {
  auto& runner = game.runner;
  for (runner.currentLine = 0; runner.currentLine < static_cast<int>(runner.Script.size());
       ++runner.currentLine)
    executeStatement(game);
}

std::optional<model::ScriptSource> sourceOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return model::ScriptSource{path.string(), static_cast<long long>(info.st_size),
                      static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec,
                      static_cast<long long>(info.st_ino)};
}

}  // namespace

void loadScript(model::Game& game, const std::string& name) {
  auto& runner = game.runner;
  game.refreshBeforeReading(scriptFileName(name));
  auto path = game.folders.dataFolder.find(scriptFileName(name));
  auto source = path ? sourceOf(*path) : std::nullopt;
  if (!source) throw model::ScriptError("n\xE3o encontrei o script " + scriptFileName(name));
  // The script that is loaded already, unchanged: its lines stay.
  if (*source == runner.scriptSource) return;
  if (runner.scriptBytesThisRun + source->size > model::kMaxScriptBytesPerRun)
    throw model::ScriptError("a execu\xE7\xE3o leu mais de " + std::to_string(model::kMaxScriptBytesPerRun >> 20) +
                      " MB de scripts (um script que se carrega sem fim?)");
  auto lines = base::readContentLines(*path);
  if (!lines) throw model::ScriptError("n\xE3o encontrei o script " + scriptFileName(name));
  runner.scriptBytesThisRun += source->size;
  runner.Script = std::move(*lines);
  runner.scriptSource = *source;
}

std::string parseLinkParameters(model::Game& game, const std::string& name) {
  size_t ampersand = name.find('&');
  if (ampersand == std::string::npos) return name;
  const std::string parameters = name.substr(ampersand);
  auto take = [&](const char* key, std::string& parameter) {
    size_t at = parameters.find(key);
    if (at == std::string::npos) return;
    std::string value = parameters.substr(at + std::char_traits<char>::length(key));
    parameter = value.substr(0, value.find('&'));
  };
  take("&Prm=", game.runner.Prm);
  take("&Prx=", game.runner.Prx);
  take("&Pry=", game.runner.Pry);
  return name.substr(0, ampersand);
}

std::string listLabels(const model::Game& game) {
  std::string labels;
  for (const auto& line : game.runner.Script) {
    auto trimmed = base::trimView(line);
    if (!trimmed.empty() && trimmed[0] == ':' && trimmed.find(' ') == std::string_view::npos)
      labels += std::string(trimmed) + " ";
  }
  return labels.empty() ? "Este script n\xE3o tem labels!" : labels;
}

std::string describeRunError(const model::Game& game, const std::string& cause) {
  return "Erro no script " + game.runner.currentScript + ".scx, linha " +
         std::to_string(game.runner.currentLine + 1) + ": " + cause;
}

void runLines(model::Game& game, const std::string& name) {
  // A run reads its first script afresh: only a script loaded again within the
  // run may keep its lines (a file rewritten within the file system's time
  // granularity keeps its stamp).
  game.runner.scriptBytesThisRun = 0;
  game.runner.scriptSource = {};
  // On-line play fetches the script before looking for it, so a script only
  // the server has runs too; loading it asks the server once more.
  game.refreshBeforeReading(scriptFileName(name));
  if (game.folders.dataFolder.exists(scriptFileName(name))) {
    loadScript(game, name);
    traceScriptStart(game, name);
  } else {
    // A missing script runs nothing (not the lines left from the last script).
    game.runner.Script.clear();
    game.trace("N\xE3o encontrei o script: " + name + ".scx");
    game.trace("");
  }
  try {
    executeAllLines(game);
  } catch (const std::exception& error) {
    if (game.runner.observer) game.runner.observer->runStopped(game, error.what());
    throw;
  }
}

}  // namespace script
