// A snapshot of the player for authors' regression tests: the engine state as
// name=value lines, the text of the text controls, the error boxes, sounds and
// opened addresses, and every surface as a PNG file.
#pragma once
#include <filesystem>

namespace model { struct Game; }
namespace platform { struct HostRecord; }

namespace shell {

// Writes the snapshot into the folder (created when missing). Returns false when
// the folder cannot be written.
bool writeDump(const model::Game& game, const platform::HostRecord& record, const std::filesystem::path& folder);

}  // namespace shell
