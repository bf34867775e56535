// Host: everything the engine asks of the platform it runs on. The engine talks
// only to this interface; the Qt window (QtHost) and the headless player used by
// tests, scripted play and the terminal (HeadlessHost) implement it.
// Every text crossing this seam is game text in Windows-1252.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/http.h"

namespace platform {

// What a host was asked to show or play, in order: the dump writes it out.
struct HostRecord {
  std::vector<std::string> errors;  // every error box message
  std::vector<std::string> sounds;  // every effect and music request
  std::vector<std::string> opened;  // every web address or program opened

  void program(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = program;
    for (const auto& argument : arguments) line += " " + argument;
    opened.push_back(line);
  }
};

class Host {
 public:
  virtual ~Host() = default;

  HostRecord record;

  // Let pending window events run (input that arrives meanwhile is queued).
  virtual void processEvents() = 0;
  // Pause the calling run for the given milliseconds.
  virtual void sleep(int milliseconds) = 0;
  // Milliseconds since an arbitrary start; the headless clock is virtual.
  virtual int64_t now() const = 0;

  // The screen model changed and should be shown now (typewriter, page loads).
  virtual void repaint() {}
  // A text sink received text: the terminal prints it as it comes.
  virtual void textProduced(const std::string& sink, const std::string& text) {
    (void)sink;
    (void)text;
  }

  // The application's error box; the player goes on afterwards.
  virtual void errorBox(const std::string& message) = 0;
  // Open an address in the user's browser; failures are ignored.
  virtual void openWebPage(const std::string& address) = 0;
  // Start a separate program with arguments; failures are ignored.
  virtual void startProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;

  // Sound: a short effect file, the music file, the music volume (0-100). A
  // host without sound only records the requests.
  virtual void playEffect(const std::string& file) { record.sounds.push_back("effect " + file); }
  virtual void playMusic(const std::string& file) { record.sounds.push_back("music " + file); }
  virtual void stopMusic() { record.sounds.push_back("music stop"); }
  virtual void setVolume(int volume) { record.sounds.push_back("volume " + std::to_string(volume)); }

  // End the application (the shut-down sequence follows).
  virtual void quit() = 0;

  // HTTP for on-line play; a host given no client fails every request.
  Http& http() { return http_ ? *http_ : nullHttp_; }
  void setHttp(std::unique_ptr<Http> http) { http_ = std::move(http); }

 private:
  NullHttp nullHttp_;
  std::unique_ptr<Http> http_;
};

}  // namespace platform
