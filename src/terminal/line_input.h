// The lines the player types. From a terminal they are read through libedit:
// the arrow keys move in the line and recall earlier commands, and the usual
// editing keys work. From a pipe or a file they are read as they come, with no
// prompt-time editing. Either way a stop signal (SIGTERM, SIGINT, SIGHUP) ends
// the reading at once.
#pragma once
#include <memory>
#include <string>

namespace terminal {

class LineInput {
 public:
  enum class Next { Line, End, Stop };

  virtual ~LineInput() = default;
  // Shows the prompt (an edited line shows it itself) and reads one UTF-8 line
  // without its line break.
  virtual Next next(const std::string& prompt, std::string& line) = 0;
  // True when the line was not echoed by a terminal (the caller echoes it).
  virtual bool piped() const = 0;
};

// libedit when standard input is a terminal, plain lines otherwise.
std::unique_ptr<LineInput> openLineInput();

// Plain lines of a file descriptor (a pipe, a file, a terminal in canonical mode).
std::unique_ptr<LineInput> plainLineInput(int fd);

}  // namespace terminal
