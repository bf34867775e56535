// Host: everything the engine asks of the platform it runs on. The engine talks
// only to this interface; the Qt window (QtHost) and the headless player used by
// tests, scripted play and the terminal (HeadlessHost) implement it, both on
// RecordingHost. Every text crossing this seam is game text in Windows-1252.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/http.h"
#include "platform/recent_lines.h"
#include "platform/sound.h"
#include "platform/sound_device.h"

namespace platform {

// The text sinks of the screen: the typewriter page (mode "0"), the strip under
// the picture (mode "1"), the page (mode "2"), the text list and the text
// picture of mode "3"; Picture names a picture as it is loaded; TextBox is the
// text of a text box drawn into a picture (its links as their text); Music and
// Sound the music and the sound a script plays. The download page tells its
// notices (lbAviso), one line per file of a bulk download, and that it is shown.
enum class TextSink { MsgMd0, Msg, WebTxt, Memo3, TelMod3, Picture, TextBox, Music, Sound, DownNotice, DownProgress, DownPage };

// What a host was asked to show or play, in order: the dump writes it out.
struct HostRecord {
  // The most recent of each (see recent_lines.h).
  std::vector<std::string> errors;  // error box messages
  std::vector<std::string> sounds;  // effect and music requests
  std::vector<std::string> opened;  // web addresses and programs opened

  void program(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = program;
    for (const auto& argument : arguments) line += " " + argument;
    addRecentLine(opened, std::move(line));
  }
};

class Host {
 public:
  virtual ~Host() = default;

  // Let pending window events run (input that arrives meanwhile is queued).
  virtual void processEvents() = 0;
  // Pause the calling run for the given milliseconds.
  virtual void sleep(int milliseconds) = 0;
  // Milliseconds since an arbitrary start; the headless clock is virtual.
  virtual int64_t now() const = 0;

  // The screen model changed and should be shown now (typewriter, page loads).
  virtual void repaint() = 0;
  // A text sink received text: the terminal prints it as it comes, and the
  // observer (the transcript, when one is kept) hears it first.
  void textProduced(TextSink sink, const std::string& text) {
    if (textObserver) textObserver(sink, text);
    showText(sink, text);
  }
  std::function<void(TextSink sink, const std::string& text)> textObserver;

  // The application's error box; the player goes on afterwards.
  virtual void errorBox(const std::string& message) = 0;
  // Open an address in the user's browser; failures are ignored.
  virtual void openWebPage(const std::string& address) = 0;
  // Start a separate program with arguments; failures are ignored.
  virtual void startProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;

  // The sound requests and the network, each possibly a null variant.
  virtual SoundOut& sound() = 0;
  virtual HttpClient& http() = 0;

  // Everything the host was asked to show, play or open so far.
  virtual const HostRecord& requests() const = 0;

  // The game's sound player, while there is one, serves sound(): it decodes the
  // files and plays them on the sound device (requests are recorded either way).
  SoundOut* soundPlayer = nullptr;

  // The device the sound player plays decoded sounds through. Without one given
  // by the front end, a silent device that keeps each sound's length.
  SoundDevice& soundDevice() { return *device_; }
  void setSoundDevice(SoundDevice* device) { device_ = device ? device : &silence_; }

  // A periodic timer on the interface thread, ticking while the window is
  // active (on a virtual clock: as the clock is advanced). Returns its id.
  virtual int startTimer(int milliseconds, std::function<void()> tick) = 0;
  virtual void stopTimer(int id) = 0;

  // The user asked to close the player: waits (a sound played to its end) stop.
  virtual bool closing() const { return false; }

  // End the application (the shut-down sequence follows).
  virtual void quit() = 0;

 protected:
  // What this host does with a text a sink received.
  virtual void showText(TextSink sink, const std::string& text) = 0;

 private:
  NullSoundDevice silence_{[this] { return now(); }};
  SoundDevice* device_ = &silence_;
};

}  // namespace platform
