// The sound requests of a host without sound, as lines.
#include "platform/sound.h"

namespace platform {

void NullSound::playEffect(const std::string& file, EffectMode mode) {
  switch (mode) {
    case EffectMode::Once: lines_.push_back("effect " + file); break;
    case EffectMode::Wait: lines_.push_back("effect " + file + " wait"); break;
    case EffectMode::Loop: lines_.push_back("effect " + file + " loop"); break;
    case EffectMode::Stop: lines_.push_back("effect " + file + " stop"); break;
  }
}

void NullSound::playMusic(const std::string& file) { lines_.push_back("music " + file); }

void NullSound::stopMusic() { lines_.push_back("music stop"); }

void NullSound::setVolume(int volume) { lines_.push_back("volume " + std::to_string(volume)); }

}  // namespace platform
