// Decoded pictures kept by file: a picture read again (the compass on every
// location change, the map pieces, the rain's drops and mask) is decoded once
// while its file stays the same (the same file, size and modification time).
// The pictures are shared, not copied: a surface that is drawn on gets its own
// copy then, the kept one never changes. The memory kept is bounded; the
// pictures used least recently go first.
#pragma once
#include <QImage>
#include <filesystem>
#include <functional>
#include <string>

namespace view {

// The picture the decode gives for the file, asked for as `how` (what the
// caller decodes it as: the name with its extensions, a rain picture); the
// decode runs only when that file has not been decoded so before. A decode
// that throws keeps nothing.
QImage decodedOnce(const std::filesystem::path& file, const std::string& how, const std::function<QImage()>& decode);

// How many decodes the pictures kept so far spared (for tests and benchmarks).
long long pictureDecodesSpared();

}  // namespace view
