// The one conversion between the engine's Windows-1252 game text and Qt's
// strings, used wherever the window shows or reads game text.
#pragma once
#include <QString>
#include <string>

#include "base/cp1252.h"

namespace backends {

inline QString unicode(const std::string& cp1252) { return QString::fromStdString(base::cp1252ToUtf8(cp1252)); }

inline std::string cp1252(const QString& text) { return base::utf8ToCp1252(text.toStdString()); }

}  // namespace backends
