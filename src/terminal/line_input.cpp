// Reading typed lines: plain, or edited through libedit with history.
#include "terminal/line_input.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <histedit.h>
#include <iostream>
#include <optional>
#include <type_traits>
#include <langinfo.h>
#include <poll.h>
#include <unistd.h>

#include "base/lazy_library.h"
#include "platform/stop_signals.h"

namespace terminal {
namespace {

constexpr int kHistorySize = 500;

// libedit's functions, looked up when a terminal is there to edit lines in:
// the window and piped play never open the library, nor those it brings.
struct Libedit {
  decltype(&::history_init) history_init;
  decltype(&::history_end) history_end;
  decltype(&::history) history;
  decltype(&::el_init) el_init;
  decltype(&::el_end) el_end;
  decltype(&::el_set) el_set;
  decltype(&::el_get) el_get;
  decltype(&::el_gets) el_gets;
  decltype(&::el_source) el_source;
};

// The library's functions, or null when it or one of them is not there (the
// lines are then read plain).
const Libedit* libedit() {
  static const std::optional<Libedit> functions = []() -> std::optional<Libedit> {
    auto find = [](auto& function, const char* name) {
      using Function = std::remove_pointer_t<std::remove_reference_t<decltype(function)>>;
      function = base::lazyFunction<Function>("libedit.so.2", name);
      return function != nullptr;
    };
    Libedit lib{};
    const bool found = find(lib.history_init, "history_init") && find(lib.history_end, "history_end") &&
                       find(lib.history, "history") && find(lib.el_init, "el_init") && find(lib.el_end, "el_end") &&
                       find(lib.el_set, "el_set") && find(lib.el_get, "el_get") && find(lib.el_gets, "el_gets") &&
                       find(lib.el_source, "el_source");
    if (!found) return std::nullopt;
    return lib;
  }();
  return functions ? &*functions : nullptr;
}

// Waits until fd has something to read or a stop signal came; false for the signal.
bool waitForInput(int fd) {
  for (;;) {
    if (platform::stopSignalReceived()) return false;
    pollfd watched[2] = {{fd, POLLIN, 0}, {platform::stopSignalFd(), POLLIN, 0}};
    if (::poll(watched, platform::stopSignalFd() >= 0 ? 2 : 1, -1) < 0) {
      if (errno == EINTR) continue;
      return true;  // the read that follows reports the fault
    }
    if (watched[0].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) return true;
  }
}

class PlainLines : public LineInput {
 public:
  explicit PlainLines(int fd) : fd_(fd) {}

  Next next(const std::string& prompt, std::string& line) override {
    std::cout << prompt << std::flush;
    for (;;) {
      if (platform::stopSignalReceived()) return Next::Stop;
      if (auto end = buffer_.find('\n'); end != std::string::npos) {
        line = buffer_.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        buffer_.erase(0, end + 1);
        return Next::Line;
      }
      if (ended_) {
        if (buffer_.empty()) return Next::End;
        line = std::move(buffer_);
        buffer_.clear();
        return Next::Line;
      }
      if (!waitForInput(fd_)) return Next::Stop;
      char chunk[4096];
      ssize_t got = ::read(fd_, chunk, sizeof chunk);
      if (got > 0) buffer_.append(chunk, static_cast<size_t>(got));
      else if (got == 0 || (errno != EINTR && errno != EAGAIN)) ended_ = true;
    }
  }
  bool piped() const override { return true; }

 private:
  int fd_;
  std::string buffer_;
  bool ended_ = false;
};

// libedit with an emacs key map and a history of the session's commands. Its
// characters are read by readCharacter below, which also watches the stop
// signals; libedit itself installs no signal handlers.
class EditedLines : public LineInput {
 public:
  explicit EditedLines(const Libedit& lib) : lib_(lib) {
    useUtf8Characters();
    history_ = lib_.history_init();
    HistEvent event;
    lib_.history(history_, &event, H_SETSIZE, kHistorySize);
    lib_.history(history_, &event, H_SETUNIQUE, 1);
    editor_ = lib_.el_init("mirandel", stdin, stdout, stderr);
    lib_.el_set(editor_, EL_CLIENTDATA, this);
    lib_.el_set(editor_, EL_EDITOR, "emacs");
    lib_.el_set(editor_, EL_PROMPT, &EditedLines::promptText);
    lib_.el_set(editor_, EL_HIST, lib_.history, history_);
    lib_.el_set(editor_, EL_GETCFN, &EditedLines::readCharacter);
    bindFunctionKeys();
    lib_.el_source(editor_, nullptr);  // the user's ~/.editrc, as other libedit programs read it
  }
  ~EditedLines() override {
    lib_.el_end(editor_);
    lib_.history_end(history_);
  }

  Next next(const std::string& prompt, std::string& line) override {
    prompt_ = prompt;
    stopped_ = false;
    int count = 0;
    const char* read = lib_.el_gets(editor_, &count);
    if (stopped_ || platform::stopSignalReceived()) {
      std::cout << '\n' << std::flush;
      return Next::Stop;
    }
    if (functionKey_ > 0) {
      // F1 to F4 are the game's function keys, whatever the line held.
      line = ":f" + std::to_string(functionKey_);
      functionKey_ = 0;
      std::cout << '\n' << std::flush;
      return Next::Line;
    }
    if (read == nullptr || count <= 0) {
      std::cout << '\n' << std::flush;  // Ctrl+D leaves the cursor after the prompt
      return Next::End;
    }
    line.assign(read, static_cast<size_t>(count));
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (!line.empty()) {
      HistEvent event;
      lib_.history(history_, &event, H_ENTER, line.c_str());
    }
    return Next::Line;
  }
  bool piped() const override { return false; }

 private:
  // libedit decodes multibyte characters by the locale; the player always
  // writes UTF-8, so a locale without it (C, POSIX) reads UTF-8 as well.
  static void useUtf8Characters() {
    const char* codeset = ::nl_langinfo(CODESET);
    if (codeset == nullptr || std::strcmp(codeset, "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
  }

  // The sequences terminals send for F1 to F4 (xterm and its kin, the Linux
  // console, rxvt) end the line as that function key.
  void bindFunctionKeys() {
    static const char* const names[] = {"mirandel-f1", "mirandel-f2", "mirandel-f3", "mirandel-f4"};
    static const char* const sequences[][3] = {{"\033OP", "\033[11~", "\033[[A"},
                                               {"\033OQ", "\033[12~", "\033[[B"},
                                               {"\033OR", "\033[13~", "\033[[C"},
                                               {"\033OS", "\033[14~", "\033[[D"}};
    using Function = unsigned char (*)(EditLine*, int);
    static const Function functions[] = {&functionKey<1>, &functionKey<2>, &functionKey<3>, &functionKey<4>};
    for (int key = 0; key < 4; ++key) {
      lib_.el_set(editor_, EL_ADDFN, names[key], "a function key of the game", functions[key]);
      for (const char* sequence : sequences[key]) lib_.el_set(editor_, EL_BIND, sequence, names[key], nullptr);
    }
  }

  template <int N>
  static unsigned char functionKey(EditLine* editor, int) {
    void* self = nullptr;
    libedit()->el_get(editor, EL_CLIENTDATA, &self);
    static_cast<EditedLines*>(self)->functionKey_ = N;
    return CC_NEWLINE;
  }

  static const char* promptText(EditLine* editor) {
    void* self = nullptr;
    libedit()->el_get(editor, EL_CLIENTDATA, &self);
    return static_cast<EditedLines*>(self)->prompt_.c_str();
  }

  // One character of standard input: 1 when read, 0 for the end of the input
  // or a stop signal, -1 for a read error.
  static int readCharacter(EditLine* editor, wchar_t* character) {
    void* self = nullptr;
    libedit()->el_get(editor, EL_CLIENTDATA, &self);
    auto& lines = *static_cast<EditedLines*>(self);
    std::mbstate_t state{};
    for (;;) {
      if (!waitForInput(STDIN_FILENO)) {
        lines.stopped_ = true;
        return 0;
      }
      char byte = 0;
      ssize_t got = ::read(STDIN_FILENO, &byte, 1);
      if (got == 0) return 0;
      if (got < 0) {
        if (errno == EINTR || errno == EAGAIN) continue;
        return -1;
      }
      const size_t decoded = std::mbrtowc(character, &byte, 1, &state);
      if (decoded == static_cast<size_t>(-2)) continue;  // more bytes of the character follow
      if (decoded == static_cast<size_t>(-1)) {
        state = {};
        continue;  // a byte that is not UTF-8 is dropped
      }
      if (decoded == 0) *character = L'\0';
      return 1;
    }
  }

  const Libedit& lib_;
  EditLine* editor_ = nullptr;
  History* history_ = nullptr;
  std::string prompt_;
  bool stopped_ = false;
  int functionKey_ = 0;  // the function key that ended the line, or 0
};

}  // namespace

std::unique_ptr<LineInput> plainLineInput(int fd) { return std::make_unique<PlainLines>(fd); }

std::unique_ptr<LineInput> openLineInput() {
  if (::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO))
    if (const Libedit* lib = libedit()) return std::make_unique<EditedLines>(*lib);
  return plainLineInput(STDIN_FILENO);
}

}  // namespace terminal
