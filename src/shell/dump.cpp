// Snapshot files (UTF-8, LF).
#include "shell/dump.h"

#include <fstream>

#include "base/cp1252.h"
#include "media/media_rows.h"
#include "model/down_page.h"
#include "platform/recording_host.h"
#include "shell/game.h"
#include "view/map_page.h"
#include "view/screen_state.h"

namespace shell {
namespace {

bool writeUtf8(const std::filesystem::path& file, const std::string& cp1252Text) {
  std::ofstream out(file, std::ios::binary);
  std::string text = base::cp1252ToUtf8(cp1252Text);
  // Line breaks inside controls are CR LF; the dump uses LF.
  std::string lf;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
  out << lf;
  return static_cast<bool>(out);
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

std::string stateLines(const model::Game& game) {
  const auto& s = game.screen;
  std::vector<std::pair<std::string, std::string>> rows = {
      {"Modelo", s.Modelo.text()},
      {"Posic", game.world.Posic},
      {"currentScript", game.runner.currentScript},
      {"IniScp", game.IniScp},
      {"RetScp", game.RetScp},
      {"Objeto", game.world.Objeto},
      {"registerCount", std::to_string(game.registerCount)},
      {"gameName", game.folders.gameName},
      {"commandsScript", game.commandsScript},
      {"lastCommand", game.parser.lastCommand},
      {"Prm", game.runner.Prm},
      {"Prx", game.runner.Prx},
      {"Pry", game.runner.Pry},
  };
  const auto& words = model::directionWords();
  for (size_t slot = 0; slot < words.size(); ++slot) rows.emplace_back(words[slot], game.world.exits[slot]);
  rows.insert(rows.end(), {
      {"page", s.viewerPage.text()},
      {"outerPage", std::to_string(static_cast<int>(s.outerPage))},
      {"inputVisible", s.Input.visible ? "1" : "0"},
      {"msgVisible", s.Msg.visible ? "1" : "0"},
      {"textX", std::to_string(s.textX)},
      {"textY", std::to_string(s.textY)},
      {"typewriterDelay", std::to_string(s.typewriterDelay)},
      {"currentLine", std::to_string(game.runner.currentLine)},
      {"registers", std::to_string(game.Regs.size())},
      {"objects", std::to_string(game.world.Objs.size())},
  });
  for (auto& row : view::screenStateRows(game)) rows.push_back(std::move(row));
  for (auto& row : view::mapStateRows(game)) rows.push_back(std::move(row));
  for (auto& row : media::mediaStateRows(game)) rows.push_back(std::move(row));
  for (auto& row : model::downPageRows(game.online.page)) rows.push_back(std::move(row));
  std::string text;
  for (const auto& [name, value] : rows) text += name + "=" + value + "\n";
  return text;
}

}  // namespace

bool writeDump(const model::Game& game, const platform::HostRecord& record, const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const auto& s = game.screen;
  bool ok = writeUtf8(folder / "state.txt", stateLines(game));
  ok = writeUtf8(folder / "msgmd0.txt", s.MsgMd0.text) && ok;
  ok = writeUtf8(folder / "msg.txt", s.Msg.text) && ok;
  ok = writeUtf8(folder / "memo3.txt", joined(s.Memo3)) && ok;
  ok = writeUtf8(folder / "webtxt.txt", joined(s.WebTxt)) && ok;
  ok = writeUtf8(folder / "input.txt", s.Input.text) && ok;
  ok = writeUtf8(folder / "errors.txt", joined(record.errors)) && ok;
  ok = writeUtf8(folder / "sounds.txt", joined(record.sounds)) && ok;
  ok = writeUtf8(folder / "opened.txt", joined(record.opened)) && ok;
  ok = writeUtf8(folder / "hotspots.txt", game.hotSpots.listing()) && ok;
  const auto& f = game.surfaces;
  for (const auto& [image, name] : {std::pair{&f.Tela, "tela"}, {&f.BufTela, "buftela"}, {&f.BufFunc, "buffunc"},
                                    {&f.TelCmd, "telcmd"}, {&f.Imp, "imp"}, {&f.TelMod3, "telmod3"},
                                    {&f.Tela3, "tela3"}}) {
    if (!image->isNull()) ok = image->save(QString::fromStdString((folder / (std::string(name) + ".png")).string()), "PNG") && ok;
  }
  if (!game.map.MapJog.isNull())
    ok = game.map.MapJog.save(QString::fromStdString((folder / "mapjog.png").string()), "PNG") && ok;
  return ok;
}

}  // namespace shell
