// Terminal front end.
#include "terminal/terminal_play.h"

#include <cerrno>
#include <iostream>
#include <map>
#include <poll.h>
#include <unistd.h>

#include "base/cp1252.h"
#include "base/number.h"
#include "input/command_keys.h"
#include "platform/stop_signals.h"
#include "online/down_controls.h"
#include "online/down_page.h"
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
    "  :pontos                os pontos clic\xC3\xA1veis das imagens, numerados\n"
    "  :clicar N              clica no ponto N\n"
    "  :executar NOME         executa o script NOME (como um clique o faria)\n"
    "  :mapa                  grava o mapa do jogo num arquivo PNG e mostra onde\n"
    "  :baixar                a p\xC3\xA1gina de download (jogo online, atualiza\xC3\xA7\xC3\xB5" "es)\n"
    "  :baixar CONTROLE       clica num controle dela (TicLine, btAtual, btDEG, btDWNtudo...)\n"
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

// Lines of standard input, read as they come, unless a stop signal comes first.
class InputLines {
 public:
  enum class Next { Line, End, Stop };

  Next next(std::string& line) {
    for (;;) {
      if (platform::stopSignalReceived()) return Next::Stop;
      if (auto end = buffer_.find('\n'); end != std::string::npos) {
        line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return Next::Line;
      }
      if (ended_) {
        if (buffer_.empty()) return Next::End;
        line = std::move(buffer_);
        buffer_.clear();
        return Next::Line;
      }
      waitAndRead();
    }
  }

 private:
  void waitAndRead() {
    pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {platform::stopSignalFd(), POLLIN, 0}};
    if (::poll(watched, platform::stopSignalFd() >= 0 ? 2 : 1, -1) < 0) {
      if (errno != EINTR) ended_ = true;
      return;
    }
    if (!(watched[0].revents & (POLLIN | POLLHUP | POLLERR))) return;
    char chunk[4096];
    ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (got > 0) buffer_.append(chunk, static_cast<size_t>(got));
    else if (got == 0 || (errno != EINTR && errno != EAGAIN)) ended_ = true;
  }

  std::string buffer_;
  bool ended_ = false;
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
    } else if (base::startsWith(line, ":clicar ")) {
      clickHotSpot(line.substr(8));
    } else if (line == ":baixar") {
      showDownPage();
    } else if (base::startsWith(line, ":baixar ")) {
      clickDownControl(base::trim(line.substr(8)));
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
    if (sink == TextSink::Music) return out_.line("[m\xFAsica: " + text + "]");
    if (sink == TextSink::Sound) return out_.line("[som: " + text + "]");
    if (sink == TextSink::DownPage) return showDownPage();
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

  // The links of the page on show (the links of text boxes drawn into pictures
  // are hot spots: :pontos lists them).
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

  // The active hot spots of every picture, in slot order.
  std::vector<int> activeSlots() const {
    std::vector<int> listed;
    for (int slot = 0; slot < view::kHotSpotSlots; ++slot)
      if (game_.hotSpots.spots[static_cast<size_t>(slot)].active) listed.push_back(slot);
    return listed;
  }

  static const char* surfaceCaption(int slot) {
    switch (view::surfaceOfSlot(slot)) {
      case view::PointerSurface::Tela: return "imagem";
      case view::PointerSurface::TelCmd: return "painel";
      case view::PointerSurface::Imp: return "moldura";
      case view::PointerSurface::Tela3: return "p\xE1gina";
    }
    return "imagem";
  }

  void listHotSpots() {
    const auto listed = activeSlots();
    if (listed.empty()) return out_.line("Nenhum ponto clic\xE1vel nesta tela.");
    for (size_t i = 0; i < listed.size(); ++i) {
      const view::HotSpot& spot = game_.hotSpots.spots[static_cast<size_t>(listed[i])];
      const std::string& name = !spot.picture.empty() ? spot.picture : spot.script;
      out_.line("  " + std::to_string(i + 1) + ". " + (name.empty() ? "(sem nome)" : name) + " (" +
                surfaceCaption(listed[i]) + ")");
    }
    out_.line("(:clicar N clica no ponto N)");
  }

  // A click at the centre of hot spot N: press and release, as a mouse would.
  void clickHotSpot(const std::string& number) {
    const auto listed = activeSlots();
    auto n = base::readNumber(number);
    if (!n || *n < 1 || static_cast<size_t>(*n) > listed.size())
      return out_.line("N\xE3o h\xE1 o ponto " + base::utf8ToCp1252(base::trim(number)) + "; :pontos lista os pontos.");
    const int slot = listed[static_cast<size_t>(*n - 1)];
    const view::HotSpot& spot = game_.hotSpots.spots[static_cast<size_t>(slot)];
    shell::PlayerInput click{Kind::Click, view::surfaceName(view::surfaceOfSlot(slot)), spot.x + spot.width / 2,
                             spot.y + spot.height / 2};
    session_.queue.post(click);
  }

  // The "Down" page as lines: what each visible control says or holds.
  void showDownPage() {
    const auto& rows = online::downPageRows(game_.online.page);
    auto value = [&](const std::string& name) {
      for (const auto& [row, text] : rows)
        if (row == name) return text;
      return std::string();
    };
    for (const char* tick : {"TicLine", "TicTudo", "TicDown", "TicMult"})
      if (value(std::string(tick) + ".visible") == "1")
        out_.line(std::string(value(std::string(tick) + ".ticked") == "1" ? "[x] " : "[ ] ") + tick);
    for (const char* button : {"btAtual", "btDEG", "btDWNtudo"})
      if (value(std::string(button) + ".visible") == "1") out_.line(std::string("(bot\xE3o) ") + button);
    for (const char* label : {"Versao", "lbAviso", "lbDEG", "Lbx"})
      if (value(std::string(label) + ".visible") == "1" && !value(label).empty()) out_.line(value(label));
  }

  void clickDownControl(const std::string& name) {
    if (!online::isDownControl(name))
      return out_.line("N\xE3o h\xE1 o controle " + base::utf8ToCp1252(name) + "; :baixar mostra a p\xE1gina.");
    online::pressDownButton(game_, name);
    online::releaseDownButton(game_, name);
    post(Kind::Down, name);
    showDownPage();
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
  InputLines input;
  std::string line;
  while (!session.queue.quitRequested()) {
    terminal.prompt();
    // The end of the input and a stop signal close the player like :sair.
    if (input.next(line) != InputLines::Next::Line) break;
    if (piped) terminal.echo(line);
    if (!terminal.handle(line)) break;
  }
  std::cout << "\n";
  shell::shutDown(session.game);
  return 0;
}

}  // namespace terminal
