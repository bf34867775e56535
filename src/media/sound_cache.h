// Short sounds kept decoded by file: a click sound played for every typed
// letter is opened and decoded once while its file stays the same (file,
// size, modification time); each play gets its own stream over the kept
// samples. Long sounds (music) are streamed from the file as before.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "platform/sound_device.h"

namespace media {

// The sound as openSound gives it, from the kept samples when it was decoded
// before; nothing with the reason in `error`.
std::shared_ptr<platform::PcmSource> openSoundOnce(const std::filesystem::path& file, std::string& error);

// How many opens of a file the kept sounds spared (for tests and benchmarks).
long long soundOpensSpared();

}  // namespace media
