// Reading content files in either encoding and writing them back in theirs.
#include "base/text_encoding.h"

#include <cstdint>

#include "base/cp1252.h"
#include "base/file_io.h"

namespace base {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the well-formed UTF-8 sequence at text[i] (shortest form, no
// surrogates, at most U+10FFFF), or 0.
size_t utf8SequenceLength(std::string_view text, size_t i) {
  auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  const uint8_t second = byte(i + 1);
  if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
  if (lead == 0xED && second >= 0xA0) return 0;  // surrogate
  if (lead == 0xF0 && second < 0x90) return 0;  // overlong
  if (lead == 0xF4 && second >= 0x90) return 0;  // beyond U+10FFFF
  return length;
}

}  // namespace

DecodedText decodeContentText(std::string_view bytes) {
  const bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
  std::string_view body = marked ? bytes.substr(kByteOrderMark.size()) : bytes;
  size_t sequences = 0, strays = 0;
  for (size_t i = 0; i < body.size();) {
    if (static_cast<uint8_t>(body[i]) < 0x80) {
      ++i;
    } else if (size_t length = utf8SequenceLength(body, i)) {
      ++sequences;
      i += length;
    } else {
      ++strays;
      ++i;
    }
  }
  DecodedText decoded;
  if (strays == 0 && (sequences > 0 || marked)) {
    decoded.text = utf8ToCp1252(body);
    decoded.encoding = marked ? TextEncoding::Utf8WithMark : TextEncoding::Utf8;
    return decoded;
  }
  decoded.text = std::string(bytes);
  decoded.mixed = sequences > 0 && strays > 0;
  return decoded;
}

std::string encodeContentText(std::string_view cp1252, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Windows1252: return std::string(cp1252);
    case TextEncoding::Utf8: return cp1252ToUtf8(cp1252);
    case TextEncoding::Utf8WithMark: return std::string(kByteOrderMark) + cp1252ToUtf8(cp1252);
  }
  return std::string(cp1252);
}

std::optional<Lines> readContentLines(const std::filesystem::path& path, DecodedText* how) {
  auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  DecodedText decoded = decodeContentText(*bytes);
  Lines lines = splitLines(decoded.text);
  if (how) {
    decoded.text.clear();
    *how = std::move(decoded);
  }
  return lines;
}

TextEncoding encodingOnDisk(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  return bytes ? decodeContentText(*bytes).encoding : TextEncoding::Windows1252;
}

std::string contentBytesFor(const std::filesystem::path& path, const Lines& lines) {
  return encodeContentText(joinLines(lines), encodingOnDisk(path));
}

}  // namespace base
