// Text to the terminal, wrapped at word boundaries to its width. The width is
// counted in characters of the UTF-8 printed, never in bytes, so accented game
// text wraps where it is seen to. A width of 0 writes the text as it comes (pipes
// and screen readers get plain, unwrapped lines). Texts that meet never make
// more than one empty line between them (a text ending in a line of its own, the
// next starting with line breaks).
#pragma once
#include <functional>
#include <ostream>
#include <string>

namespace terminal {

class WrappedOutput {
 public:
  // width() is asked at the start of every write, so a resized terminal wraps
  // the next text to its new width.
  WrappedOutput(std::ostream& out, std::function<int()> width) : out_(out), width_(std::move(width)) {}

  // UTF-8 text; CR LF and a lone CR are line breaks. A word that is not yet
  // followed by a blank or a line break is held until the next write or end().
  void write(const std::string& utf8);
  // Writes what is held and starts a new line unless at the start of one.
  void endLine();
  // Writes what is held and flushes, staying on the line (before a prompt).
  void flush();
  bool atLineStart() const { return column_ == 0 && word_.empty() && blanks_ == 0; }
  // A line was written by someone else (the prompt and the line typed after it).
  void lineWrittenElsewhere() {
    column_ = 0;
    emptyLines_ = 0;
  }
  // Lists laid out in columns (the help): a line wrapped goes on under the text
  // after its first gap of two blanks or more (or under its own indent).
  void setHangingIndent(bool hanging) { hanging_ = hanging; }

 private:
  void putWord();
  void newLine();
  // A line break of the text itself: the next line has an indent of its own.
  void lineBreak();

  std::ostream& out_;
  std::function<int()> width_;
  int width = 0;            // of the write in progress
  int column_ = 0;          // characters on the current line
  int blanks_ = 0;          // blanks waiting before the next word
  std::string word_;        // the word being read
  int wordChars_ = 0;
  bool afterCr_ = false;    // a CR was the last character (CR LF is one break)
  int emptyLines_ = 0;      // written in a row; more than one never shows
  bool hanging_ = false;
  int indent_ = 0;          // where a wrapped line goes on
  bool indentFound_ = false;
};

// The width of the terminal standard output is, or 0 when it is not a terminal.
int standardOutputWidth();

}  // namespace terminal
