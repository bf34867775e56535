// The silent sound output that keeps time.
#include "platform/sound_device.h"

namespace platform {

NullSoundDevice::NullSoundDevice(std::function<int64_t()> clock) : clock_(std::move(clock)) {}

void NullSoundDevice::play(SoundChannel channel, std::shared_ptr<PcmSource> sound, bool loop) {
  Slot& s = slot(channel);
  s.start = clock_();
  s.length = sound ? sound->milliseconds() : 0;
  s.loop = loop;
  s.on = true;
}

void NullSoundDevice::stop(SoundChannel channel) { slot(channel).on = false; }

bool NullSoundDevice::playing(SoundChannel channel) const {
  const Slot& s = slot(channel);
  if (!s.on) return false;
  return s.loop ? s.length > 0 : clock_() < s.start + s.length;
}

}  // namespace platform
