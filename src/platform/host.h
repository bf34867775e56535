// Host: everything the engine asks of the platform it runs on, and nothing else:
// the event pump, the clock and its timers, the sound device and the HTTP
// client, and the notices of what the player shows, plays or opens. The Qt
// window (backends::QtHost) and the windowless player of tests, scripted play
// and the terminal (backends::HeadlessHost) implement it; a RecordingHost
// around either keeps the record of requests that dumps and tests read. Every
// text crossing this seam is game text in Windows-1252.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/http.h"
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

class Host {
 public:
  virtual ~Host() = default;

  // The event pump: pending window events run (input that arrives meanwhile is queued).
  virtual void processEvents() = 0;
  // The user asked to close the player: waits (a sound played to its end) stop.
  virtual bool closing() const { return false; }
  // End the application (the shut-down sequence follows).
  virtual void quit() = 0;

  // The clock: milliseconds since an arbitrary start (the headless clock is
  // virtual); a pause of the calling run; periodic timers on the interface
  // thread, ticking while the window is active (on a virtual clock: as the
  // clock is advanced). startTimer returns the timer's id.
  virtual int64_t now() const = 0;
  virtual void sleep(int milliseconds) = 0;
  virtual int startTimer(int milliseconds, std::function<void()> tick) = 0;
  virtual void stopTimer(int id) = 0;

  // The devices: where decoded sounds play, and the network.
  virtual SoundDevice& soundDevice() = 0;
  virtual HttpClient& http() = 0;

  // Notices. The screen model changed and should be shown now (typewriter,
  // page loads); a text sink received text (the terminal prints it as it
  // comes); the application's error box (the player goes on afterwards); an
  // address for the user's browser and a separate program to start (failures
  // are ignored); every sound request before it plays.
  virtual void repaint() = 0;
  virtual void textProduced(TextSink sink, const std::string& text) = 0;
  virtual void errorBox(const std::string& message) = 0;
  virtual void openWebPage(const std::string& address) = 0;
  virtual void startProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
  virtual SoundOut& soundRequests() = 0;
};

}  // namespace platform
