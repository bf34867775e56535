// The encodings of content files. Game text is Windows-1252 inside the engine,
// and the original's games are written in it; an author's editor often saves
// UTF-8 instead. A file that is valid UTF-8 and holds bytes beyond ASCII is read
// as UTF-8, any other as Windows-1252; a file written back keeps the encoding
// it has on disk.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace base {

enum class TextEncoding {
  Windows1252,  // the default, and every file of plain ASCII
  Utf8,
  Utf8WithMark,  // UTF-8 that starts with the byte order mark EF BB BF
};

struct DecodedText {
  std::string text;  // Windows-1252
  TextEncoding encoding = TextEncoding::Windows1252;
  // UTF-8 sequences and bytes that are no UTF-8 in the same file: read as
  // Windows-1252, and the checker warns.
  bool mixed = false;
};

DecodedText decodeContentText(std::string_view bytes);
// Windows-1252 text in the encoding (a UTF-8 file with its mark again).
std::string encodeContentText(std::string_view cp1252, TextEncoding encoding);

// The lines of a content file, as Windows-1252; nothing when it cannot be read.
std::optional<Lines> readContentLines(const std::filesystem::path& path, DecodedText* how = nullptr);
// How a file on disk is encoded; Windows-1252 for a file that does not exist.
TextEncoding encodingOnDisk(const std::filesystem::path& path);
// The lines, each followed by CR LF, in the encoding the file has on disk.
std::string contentBytesFor(const std::filesystem::path& path, const Lines& lines);

}  // namespace base
