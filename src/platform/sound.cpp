// The sound requests of a host without sound, as lines.
#include "platform/sound.h"

#include "platform/recent_lines.h"

namespace platform {

void NullSound::playEffect(const std::string& file, EffectMode mode) {
  switch (mode) {
    case EffectMode::Once: addRecentLine(lines_, "effect " + file); break;
    case EffectMode::Wait: addRecentLine(lines_, "effect " + file + " wait"); break;
    case EffectMode::Loop: addRecentLine(lines_, "effect " + file + " loop"); break;
    case EffectMode::Stop: addRecentLine(lines_, "effect " + file + " stop"); break;
  }
}

void NullSound::playMusic(const std::string& file) { addRecentLine(lines_, "music " + file); }

void NullSound::stopMusic() { addRecentLine(lines_, "music stop"); }

void NullSound::setVolume(int volume) { addRecentLine(lines_, "volume " + std::to_string(volume)); }

}  // namespace platform
