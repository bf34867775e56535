// RecordingHost: a host around another that keeps the record of requests (error
// boxes, sounds, opened addresses and programs) and passes everything on. Tests,
// dumps and the debug console read the record; the player is the same with it
// or without it.
#pragma once
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/recent_lines.h"

namespace platform {

// What a host was asked to show or play, in order: the dump writes it out.
// Each list keeps the most recent lines (see recent_lines.h).
struct HostRecord {
  std::vector<std::string> errors;  // error box messages
  std::vector<std::string> sounds;  // effect and music requests
  std::vector<std::string> opened;  // web addresses and programs opened
};

class RecordingHost : public Host {
 public:
  explicit RecordingHost(Host& inner) : inner_(inner) {}
  HostRecord record;

  void processEvents() override { inner_.processEvents(); }
  bool closing() const override { return inner_.closing(); }
  void quit() override { inner_.quit(); }
  int64_t now() const override { return inner_.now(); }
  void sleep(int milliseconds) override { inner_.sleep(milliseconds); }
  int startTimer(int milliseconds, std::function<void()> tick) override {
    return inner_.startTimer(milliseconds, std::move(tick));
  }
  void stopTimer(int id) override { inner_.stopTimer(id); }
  SoundDevice& soundDevice() override { return inner_.soundDevice(); }
  HttpClient& http() override { return inner_.http(); }
  void repaint() override { inner_.repaint(); }
  void textProduced(TextSink sink, const std::string& text) override { inner_.textProduced(sink, text); }

  void errorBox(const std::string& message) override {
    addRecentLine(record.errors, message);
    inner_.errorBox(message);
  }
  void openWebPage(const std::string& address) override {
    addRecentLine(record.opened, address);
    inner_.openWebPage(address);
  }
  void startProgram(const std::string& program, const std::vector<std::string>& arguments) override {
    std::string line = program;
    for (const auto& argument : arguments) line += " " + argument;
    addRecentLine(record.opened, std::move(line));
    inner_.startProgram(program, arguments);
  }
  // The requests are written down; the hosts themselves do nothing with them.
  SoundOut& soundRequests() override { return requests_; }

 private:
  Host& inner_;
  NullSound requests_{record.sounds};
};

}  // namespace platform
