// Terminal front end.
#include "terminal/terminal_play.h"

#include <iostream>
#include <map>
#include <unistd.h>

#include "base/cp1252.h"
#include "base/number.h"
#include "input/command_keys.h"
#include "shell/startup.h"
#include "terminal/map_picture.h"
#include "terminal/session.h"
#include "terminal/terminal_page.h"

namespace terminal {
namespace {

using Kind = shell::PlayerInput::Kind;

const char* const kHelp =
    "Comandos do jogo: digite a frase e tecle Enter (por exemplo: norte, pegue a chave).\n"
    "Uma linha vazia tecla Enter com a caixa vazia: descreve o local de novo.\n"
    "Comandos do terminal:\n"
    "  :f1 :f2 :f3 :f4        teclas de fun\xC3\xA7\xC3\xA3o (F3 traz de volta o \xC3\xBAltimo comando)\n"
    "  :norte :sul :leste :oeste   (ou :up :down :right :left) as setas\n"
    "  :saidas                as sa\xC3\xAD" "das do local\n"
    "  :links                 os links da p\xC3\xA1gina, numerados\n"
    "  :link N                segue o link N\n"
    "  :pontos                os pontos clic\xC3\xA1veis das imagens\n"
    "  :executar NOME         executa o script NOME (como um clique o faria)\n"
    "  :mapa                  grava o mapa do jogo num arquivo PNG e mostra onde\n"
    "  :ajuda                 esta lista (tamb\xC3\xA9m :help ou help)\n"
    "  :sair                  encerra e salva o jogo (o fim da entrada tamb\xC3\xA9m)\n";

// Terminal names of the command keys.
const std::map<std::string, std::string>& keyNames() {
  static const std::map<std::string, std::string> names = {
      {":f1", "F1"},       {":f2", "F2"},     {":f3", "F3"},      {":f4", "F4"},     {":norte", "Up"},
      {":up", "Up"},       {":sul", "Down"},  {":down", "Down"},  {":leste", "Right"}, {":right", "Right"},
      {":oeste", "Left"},  {":left", "Left"}, {":enter", "Enter"}};
  return names;
}

// Game text to the terminal: UTF-8 with LF. Pieces of one text (the typewriter,
// the strip under the picture) run on in one line; other texts are lines.
class Output {
 public:
  void write(const std::string& cp1252, bool wholeLine) {
    if (wholeLine) endLine();
    std::string text = base::cp1252ToUtf8(cp1252);
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      std::cout << (text[i] == '\r' ? '\n' : text[i]);
      atLineStart_ = text[i] == '\r' || text[i] == '\n';
    }
    if (wholeLine) endLine();
    std::cout << std::flush;
  }
  void line(const std::string& cp1252) { write(cp1252, true); }
  void endLine() {
    if (!atLineStart_) std::cout << '\n';
    atLineStart_ = true;
  }

 private:
  bool atLineStart_ = true;
};

class Terminal {
 public:
  Terminal(Session& session, std::filesystem::path userFolder)
      : session_(session), game_(session.game), userFolder_(std::move(userFolder)) {
    session.host.onText = [this](platform::TextSink sink, const std::string& text) { show(sink, text); };
    session.host.onError = [this](const std::string& message) { out_.line("[erro] " + message); };
    session.queue.onUnsupported = [this](const std::string& why) { out_.line("[" + why + "]"); };
  }

  // The prompt, on a line of its own; piped commands are echoed after it.
  void prompt() {
    out_.endLine();
    std::cout << "> " << std::flush;
  }
  void echo(const std::string& utf8Line) {
    std::cout << utf8Line << '\n';
  }

  // One line typed by the user; false when the player is to close.
  bool handle(const std::string& utf8Line) {
    std::string line = base::trim(utf8Line);
    if (line == ":sair") return false;
    if (line == ":ajuda" || line == ":help" || line == "help") {
      std::cout << kHelp;
    } else if (line.empty()) {
      key("Enter");
    } else if (auto named = keyNames().find(line); named != keyNames().end()) {
      key(named->second);
    } else if (line == ":saidas") {
      listExits();
    } else if (line == ":links") {
      listLinks();
    } else if (base::startsWith(line, ":link ")) {
      followLink(line.substr(6));
    } else if (line == ":pontos") {
      listHotSpots();
    } else if (line == ":mapa") {
      out_.line(writeMapPicture(game_, userFolder_));
    } else if (base::startsWith(line, ":executar ")) {
      post(Kind::Run, base::utf8ToCp1252(base::trim(line.substr(10))));
    } else if (line[0] == ':') {
      std::cout << "[comando do terminal desconhecido: " << line << "; :ajuda lista os comandos]\n";
    } else {
      // Each line is a whole command: the box starts empty.
      game_.screen.Input.text.clear();
      post(Kind::Type, base::utf8ToCp1252(line));
    }
    showCommandBox();
    return !session_.queue.quitRequested() && !session_.host.quitRequested();
  }

 private:
  void show(platform::TextSink sink, const std::string& text) {
    using platform::TextSink;
    if (sink == TextSink::Picture) return out_.line("[imagem: " + text + "]");
    if (sink == TextSink::MsgMd0 || sink == TextSink::Msg) return out_.write(text, false);
    if (sink != TextSink::WebTxt) return out_.line(text);
    // The line is already the last of the page: its links number after those before it.
    const auto& page = game_.screen.WebTxt;
    size_t before = page.empty() ? 0 : pageLinks(base::Lines(page.begin(), page.end() - 1)).size();
    std::string shown = pageLineText(text, before + 1);
    if (!base::trim(shown).empty()) out_.line(shown);
  }

  void post(Kind kind, std::string text) { session_.queue.post({kind, std::move(text)}); }

  void key(const std::string& name) {
    input::keyPressed(game_);
    post(Kind::Key, name);
  }

  // What stays in the command box (a recalled command, a command kept after an error).
  void showCommandBox() {
    if (!game_.screen.Input.text.empty())
      out_.line("[caixa de comando: " + game_.screen.Input.text + "; uma linha vazia tecla Enter]");
  }

  void listExits() {
    const auto& words = world::directionWords();
    std::string list;
    for (size_t slot = 0; slot < words.size(); ++slot)
      if (!game_.world.exits[slot].empty()) list += std::string(list.empty() ? "" : ", ") + words[slot];
    out_.line(list.empty() ? "Nenhuma sa\xED" "da marcada neste local." : "Sa\xED" "das: " + list + ".");
  }

  // The links of the page on show; text boxes drawn into pictures will add theirs here.
  std::vector<PageLink> currentLinks() const {
    if (!game_.screen.isPageMode()) return {};
    return pageLinks(game_.screen.WebTxt);
  }

  void listLinks() {
    auto links = currentLinks();
    if (links.empty()) return out_.line("Esta tela n\xE3o tem links.");
    for (size_t i = 0; i < links.size(); ++i)
      out_.line("  " + std::to_string(i + 1) + ". " + pageLineText(links[i].text, 0) + " -> " + links[i].address);
  }

  void followLink(const std::string& number) {
    auto links = currentLinks();
    auto n = base::readNumber(number);
    if (!n || *n < 1 || static_cast<size_t>(*n) > links.size())
      return out_.line("N\xE3o h\xE1 o link " + base::utf8ToCp1252(base::trim(number)) + "; :links lista os links.");
    post(Kind::Link, links[static_cast<size_t>(*n - 1)].address);
  }

  void listHotSpots() {
    // The clickable places of the pictures are listed here once the hot-spot
    // table exists; until then only the objects gathered for icons are known.
    const auto& icons = game_.world.ObjtsClk;
    if (icons.empty()) return out_.line("Nenhum ponto clic\xE1vel conhecido nesta tela.");
    std::string list;
    for (const auto& key : icons) list += (list.empty() ? "" : ", ") + key;
    out_.line("Objetos clic\xE1veis: " + list + " (:executar NOME para clicar).");
  }

  Session& session_;
  shell::Game& game_;
  std::filesystem::path userFolder_;
  Output out_;
};

}  // namespace

int playInTerminal(const TerminalOptions& options) {
  Session session;
  Terminal terminal(session, options.userFolder);
  session.start(options);
  std::cout << "mirandel \xE2\x80\x94 " << base::cp1252ToUtf8(session.game.folders.gameName)
            << " (:ajuda lista os comandos do terminal)\n" << std::flush;
  session.queue.post({Kind::Start, {}});
  const bool piped = !::isatty(STDIN_FILENO);
  std::string line;
  while (!session.queue.quitRequested()) {
    terminal.prompt();
    if (!std::getline(std::cin, line)) break;
    if (piped) terminal.echo(line);
    if (!terminal.handle(line)) break;
  }
  std::cout << "\n";
  shell::shutDown(session.game);
  return 0;
}

}  // namespace terminal
