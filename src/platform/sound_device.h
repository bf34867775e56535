// The sound device seen from the engine: two channels (music and effects), each
// playing one decoded sound at a time. The engine decodes files into PcmSource
// streams (media/); a front end gives the Host a real output, and without one
// the NullSoundDevice plays silently but keeps each sound's length, so the
// timing of a game is the same with and without a device.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

// A decoded sound pulled in chunks: interleaved signed 16-bit samples.
class PcmSource {
 public:
  virtual ~PcmSource() = default;
  virtual int sampleRate() const = 0;
  virtual int channels() const = 0;
  // The whole length in frames (one sample per channel).
  virtual int64_t frames() const = 0;
  // Fills at most maxFrames frames; returns the frames given, 0 at the end.
  virtual int64_t read(int16_t* samples, int64_t maxFrames) = 0;
  // Back to the first frame (for loops); false when the stream cannot.
  virtual bool rewind() = 0;

  // The length in milliseconds.
  int64_t milliseconds() const { return sampleRate() > 0 ? frames() * 1000 / sampleRate() : 0; }
};

enum class SoundChannel { Music, Effect };

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Plays the sound on the channel, cutting what the channel played; a looping
  // sound starts again at its end until stopped.
  virtual void play(SoundChannel channel, std::shared_ptr<PcmSource> sound, bool loop) = 0;
  virtual void stop(SoundChannel channel) = 0;
  // Whether the channel still sounds (a loop sounds until stopped).
  virtual bool playing(SoundChannel channel) const = 0;
  // The music channel's volume, 0.0 to 1.0.
  virtual void setMusicVolume(double volume) = 0;
  // Mute silences both channels; sounds go on playing unheard.
  virtual void setMuted(bool muted) = 0;
  virtual bool muted() const = 0;
  // A real device plays in real time, whatever the host's clock says.
  virtual bool realTime() const { return false; }
};

// No device: a sound "plays" for its length on the host's clock.
class NullSoundDevice : public SoundDevice {
 public:
  // The clock the lengths are measured on (the host's, set by the host).
  explicit NullSoundDevice(std::function<int64_t()> clock);

  void play(SoundChannel channel, std::shared_ptr<PcmSource> sound, bool loop) override;
  void stop(SoundChannel channel) override;
  bool playing(SoundChannel channel) const override;
  void setMusicVolume(double volume) override { volume_ = volume; }
  void setMuted(bool muted) override { muted_ = muted; }
  bool muted() const override { return muted_; }

  double musicVolume() const { return volume_; }
  // The length in milliseconds of what the channel plays (or last played).
  int64_t length(SoundChannel channel) const { return slot(channel).length; }

 private:
  struct Slot {
    int64_t start = 0, length = 0;
    bool loop = false, on = false;
  };
  Slot& slot(SoundChannel channel) { return channel == SoundChannel::Music ? music_ : effect_; }
  const Slot& slot(SoundChannel channel) const { return channel == SoundChannel::Music ? music_ : effect_; }

  std::function<int64_t()> clock_;
  Slot music_, effect_;
  double volume_ = 1.0;
  bool muted_ = false;
};

}  // namespace platform
