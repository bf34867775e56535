// Game text into the checker's sentences.
#include "check/words.h"

#include "base/cp1252.h"

namespace check {

QString piece(std::string_view cp1252) { return QString::fromStdString(base::cp1252ToUtf8(cp1252)); }

}  // namespace check
