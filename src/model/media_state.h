// The media subsystem's state: what the music channel plays, the music volume,
// the effect playing, the missing sound files already logged, and the rain.
#pragma once
#include <QImage>
#include <set>
#include <string>

namespace model {

struct RainState {
  std::string rainPicture;  // the drops picture, "" for none
  std::string rainMask;     // the mask picture (white shows the scene), "" for none
  int rainInterval = 40;    // milliseconds between ticks
  int rainStep = 20;        // rows the drops fall each tick
  int timer = 0;            // the host's timer while it rains, 0 when stopped
  int fallen = 0;           // rows the drops have fallen since the start, modulo the height
  QImage maskToApply;       // the mask, until the first tick lays it over the background (Msk2)
  bool running() const { return timer != 0; }
};

struct MediaState {
  std::string music;    // the music file the last playmusica started
  int volume = 1000;    // the last volume= level, as the script gave it
  std::string effect;   // the effect file last started (a loop plays until stopped)
  std::set<std::string> missingLogged;  // sound files already logged as unplayable
  RainState rain;
};

}  // namespace model
