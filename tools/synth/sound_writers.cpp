// WAV and MP3 writers.
#include "sound_writers.h"

#include <lame/lame.h>
#include <sndfile.h>

#include <cstdio>
#include <memory>

namespace synth {

bool writeWav(const std::filesystem::path& file, const Samples& sound) {
  SF_INFO info{};
  info.samplerate = sound.rate;
  info.channels = sound.channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
  if (!out) return false;
  const sf_count_t written = sf_writef_short(out, sound.data.data(), sound.frames());
  return sf_close(out) == 0 && written == sound.frames();
}

bool writeMp3(const std::filesystem::path& file, const Samples& sound, int kilobitsPerSecond) {
  std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> lame(lame_init(), lame_close);
  if (!lame) return false;
  lame_set_in_samplerate(lame.get(), sound.rate);
  lame_set_out_samplerate(lame.get(), sound.rate);
  lame_set_num_channels(lame.get(), sound.channels);
  lame_set_mode(lame.get(), sound.channels == 1 ? MONO : JOINT_STEREO);
  lame_set_brate(lame.get(), kilobitsPerSecond);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_bWriteVbrTag(lame.get(), 1);
  lame_set_quality(lame.get(), 2);
  if (lame_init_params(lame.get()) < 0) return false;

  const int frames = static_cast<int>(sound.frames());
  std::vector<unsigned char> mp3(static_cast<size_t>(frames) * 5 / 4 + 7200 + 16384);
  int size = sound.channels == 1
                 ? lame_encode_buffer(lame.get(), sound.data.data(), nullptr, frames, mp3.data(), static_cast<int>(mp3.size()))
                 : lame_encode_buffer_interleaved(lame.get(), const_cast<short*>(sound.data.data()), frames, mp3.data(),
                                                  static_cast<int>(mp3.size()));
  if (size < 0) return false;
  const int flushed = lame_encode_flush(lame.get(), mp3.data() + size, static_cast<int>(mp3.size()) - size);
  if (flushed < 0) return false;
  size += flushed;
  // The tag frame, with the encoder delay and padding, replaces the blank one
  // the stream begins with.
  unsigned char tag[2880];
  const size_t tagSize = lame_get_lametag_frame(lame.get(), tag, sizeof tag);
  if (tagSize > 0 && tagSize <= static_cast<size_t>(size)) std::copy(tag, tag + tagSize, mp3.begin());
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) return false;
  const bool ok = std::fwrite(mp3.data(), 1, static_cast<size_t>(size), out) == static_cast<size_t>(size);
  return std::fclose(out) == 0 && ok;
}

}  // namespace synth
