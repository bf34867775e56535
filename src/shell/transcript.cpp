// The transcript of a session.
#include "shell/transcript.h"


#include "base/cp1252.h"
#include "base/text.h"
#include "shell/game.h"
#include "shell/input_queue.h"
#include "view/page_text.h"

namespace shell {
namespace {

// Game text breaks lines with CR LF (or a lone CR); the transcript with LF.
std::string plainLines(const std::string& cp1252) {
  std::string text = base::cp1252ToUtf8(cp1252), lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') lines += text[i];
    else if (i + 1 >= text.size() || text[i + 1] != '\n') lines += '\n';
  }
  return lines;
}

}  // namespace

bool Transcript::open(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  out_.open(file, std::ios::binary | std::ios::app);
  if (!out_) return false;
  file_ = file;
  return true;
}

void Transcript::attach(model::Game& game, InputQueue& queue) {
  game.textObserver = [this](platform::TextSink sink, const std::string& text) { gameText(sink, text); };
  queue.onInput = [this](const model::Game& game, const PlayerInput& input) {
    using Kind = PlayerInput::Kind;
    if (input.kind != Kind::Move) pageLinks_ = 0;  // what it runs starts a new page
    if (input.kind == Kind::Type) command(input.text);
    // Enter in the command box sends what the box holds.
    if (input.kind == Kind::Key && input.text == "Enter") command(game.screen.Input.text);
  };
}

bool Transcript::begin(model::Game& game, InputQueue& queue, const std::filesystem::path& file) {
  attach(game, queue);
  const bool opened = file.empty() || open(file);
  mark("=== " + base::cp1252ToUtf8(game.folders.gameName) + " \xC2\xB7 " + base::localTimeText() + " ===");
  return opened;
}

void Transcript::mark(const std::string& utf8Line) {
  lineBreak();
  write(utf8Line + "\n");
}

void Transcript::gameText(platform::TextSink sink, const std::string& cp1252) {
  using platform::TextSink;
  switch (sink) {
    // Pieces of one text run on: the typewriter's and the strip's.
    case TextSink::MsgMd0:
    case TextSink::Msg: {
      const std::string text = plainLines(cp1252);
      write(text);
      midLine_ = !text.empty() && text.back() != '\n';
      break;
    }
    case TextSink::WebTxt: {
      // The page's lines, with their links numbered through the page.
      std::string shown = view::pageLineText(cp1252, pageLinks_ + 1);
      pageLinks_ += view::pageLinks({cp1252}).size();
      if (!base::trim(shown).empty()) mark(plainLines(shown));
      break;
    }
    case TextSink::Memo3:
    case TextSink::TelMod3:
    case TextSink::TextBox: mark(plainLines(cp1252)); break;
    // Pictures, sounds and the download page's progress are not text the player reads.
    default: break;
  }
}

void Transcript::command(const std::string& cp1252) { mark("> " + plainLines(cp1252)); }

void Transcript::lineBreak() {
  if (midLine_) write("\n");
  midLine_ = false;
}

void Transcript::write(const std::string& utf8) {
  session_ += utf8;
  // The scrollback keeps the most recent text of a very long session.
  if (session_.size() > kSessionLimit) {
    size_t cut = session_.find('\n', session_.size() - kSessionLimit / 2);
    session_.erase(0, cut == std::string::npos ? session_.size() - kSessionLimit / 2 : cut + 1);
  }
  if (out_) out_ << utf8 << std::flush;
}

}  // namespace shell
