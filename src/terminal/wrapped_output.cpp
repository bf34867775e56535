// Word wrapping of terminal output.
#include "terminal/wrapped_output.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace terminal {
namespace {

// A byte that continues a UTF-8 character (10xxxxxx) adds no column.
bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void WrappedOutput::write(const std::string& utf8) {
  width = width_ ? width_() : 0;
  for (char c : utf8) {
    const bool lineFeedOfCrLf = c == '\n' && afterCr_;
    afterCr_ = c == '\r';
    if (lineFeedOfCrLf) continue;
    if (c == '\r' || c == '\n') {
      putWord();
      blanks_ = 0;  // blanks at the end of a line are not written when wrapping
      lineBreak();
    } else if (c == ' ') {
      putWord();
      ++blanks_;
    } else {
      word_ += c;
      if (!continuesCharacter(c)) ++wordChars_;
    }
  }
  if (width == 0) putWord();  // unwrapped text holds nothing back
}

void WrappedOutput::putWord() {
  if (width == 0) {
    out_ << std::string(static_cast<size_t>(blanks_), ' ') << word_;
    column_ += blanks_ + wordChars_;
  } else if (!word_.empty()) {
    if (hanging_ && !indentFound_) {
      if (column_ == 0) indent_ = blanks_;
      if (column_ > 0 && blanks_ >= 2) {
        indent_ = column_ + blanks_;
        indentFound_ = true;
      }
      if (indent_ > width / 2) indent_ = 2;
    }
    if (column_ > 0 && column_ + blanks_ + wordChars_ > width) {
      newLine();
      blanks_ = hanging_ ? indent_ : 0;  // the blanks that led to the break are the break
    }
    out_ << std::string(static_cast<size_t>(blanks_), ' ');
    column_ += blanks_;
    // A word longer than the line is cut where the line ends.
    size_t start = 0;
    int taken = 0;
    for (size_t i = 0; i <= word_.size(); ++i) {
      const bool characterStart = i == word_.size() || !continuesCharacter(word_[i]);
      if (!characterStart) continue;
      if (column_ + taken >= width && taken > 0 && i < word_.size()) {
        out_ << word_.substr(start, i - start);
        column_ += taken;
        newLine();
        start = i;
        taken = 0;
      }
      if (i < word_.size()) ++taken;
    }
    out_ << word_.substr(start);
    column_ += taken;
  } else {
    return;  // blanks wait for the word they lead
  }
  blanks_ = 0;
  word_.clear();
  wordChars_ = 0;
}

void WrappedOutput::newLine() {
  if (column_ > 0)
    emptyLines_ = 0;
  else if (++emptyLines_ > 1)
    return;
  out_ << '\n';
  column_ = 0;
}

void WrappedOutput::lineBreak() {
  newLine();
  indent_ = 0;
  indentFound_ = false;
}

void WrappedOutput::endLine() {
  putWord();
  blanks_ = 0;
  if (column_ > 0) newLine();
  indent_ = 0;
  indentFound_ = false;
  out_.flush();
}

void WrappedOutput::flush() {
  putWord();
  out_.flush();
}

int standardOutputWidth() {
  if (!::isatty(STDOUT_FILENO)) return 0;
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return 0;
  return size.ws_col;
}

}  // namespace terminal
