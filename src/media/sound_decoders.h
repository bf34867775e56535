// Decoding sound files into PcmSource streams: ".mp3" with libmpg123, ".wav" and
// the other PCM formats libsndfile reads. Decoding happens as the stream is
// read, in chunks, so opening a long file costs only a scan of its frames.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "platform/sound_device.h"

namespace media {

// The decoded stream, or nothing with the reason in `error`.
std::unique_ptr<platform::PcmSource> openMp3(const std::filesystem::path& file, std::string& error);
std::unique_ptr<platform::PcmSource> openPcmFile(const std::filesystem::path& file, std::string& error);

// By the name: ".mp3" (any case) through libmpg123, anything else through
// libsndfile first and libmpg123 when libsndfile cannot read it.
std::unique_ptr<platform::PcmSource> openSound(const std::filesystem::path& file, std::string& error);

// The sound that plays for an effect whose file is missing or cannot be
// played: a short chime of our own, as the desktop's alert sound would.
std::unique_ptr<platform::PcmSource> defaultSound();

}  // namespace media
