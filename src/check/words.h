// The checker's own words in the interface language. Every message is one
// sentence marked with Check::tr (translation context "Check"); its %1, %2...
// take game text (Windows-1252, shown as the game wrote it), numbers, or words
// already translated. The finished message is UTF-8.
#pragma once
#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>
#include <type_traits>

namespace check {

// Check::tr("...") marks and translates one sentence; the struct is named like
// its context so lupdate finds the context wherever it reads the call.
struct Check {
  Q_DECLARE_TR_FUNCTIONS(Check)
};

// One piece put into a sentence.
QString piece(std::string_view cp1252);
inline QString piece(const char* cp1252) { return piece(std::string_view(cp1252)); }
inline QString piece(const QString& translated) { return translated; }
template <typename Number, std::enable_if_t<std::is_integral_v<Number>, int> = 0>
QString piece(Number number) {
  return QString::number(number);
}

// The sentence with its pieces in place, in one pass: a "%1" inside a piece
// stays as it is.
template <typename... Pieces>
std::string say(const QString& sentence, const Pieces&... pieces) {
  if constexpr (sizeof...(Pieces) == 0)
    return sentence.toStdString();
  else
    return sentence.arg(piece(pieces)...).toStdString();
}

}  // namespace check
