// File name checks shared by every part of the game.
#include "check/name_checks.h"

#include <array>

#include "base/text.h"
#include "check/value_checks.h"
#include "check/words.h"
#include "script/placeholders.h"
#include "view/pictures.h"

namespace check {
namespace {

// What is said of a name of one kind of file: found only by ignoring case (%1
// the name, %2 the file), leaving the game folder, and missing.
struct FileWords {
  const char* caseOnly;
  const char* outside;
  const char* missing;
};

constexpr FileWords kScriptWords = {
    QT_TRANSLATE_NOOP("Check", "the script \"%1\" is found only by ignoring case (the file is \"%2\")"),
    QT_TRANSLATE_NOOP("Check", "the script \"%1\" names a file outside the game folder"),
    QT_TRANSLATE_NOOP("Check", "there is no script \"%1\"")};
constexpr FileWords kPictureWords = {
    QT_TRANSLATE_NOOP("Check", "the picture \"%1\" is found only by ignoring case (the file is \"%2\")"),
    QT_TRANSLATE_NOOP("Check", "the picture \"%1\" names a file outside the game folder"),
    QT_TRANSLATE_NOOP("Check", "there is no picture \"%1\"")};
constexpr FileWords kSoundWords = {
    QT_TRANSLATE_NOOP("Check", "the sound \"%1\" is found only by ignoring case (the file is \"%2\")"),
    QT_TRANSLATE_NOOP("Check", "the sound \"%1\" names a file outside the game folder"),
    QT_TRANSLATE_NOOP("Check", "there is no sound \"%1\"")};
constexpr FileWords kPhraseFileWords = {
    QT_TRANSLATE_NOOP("Check", "the phrase file \"%1\" is found only by ignoring case (the file is \"%2\")"),
    QT_TRANSLATE_NOOP("Check", "the phrase file \"%1\" names a file outside the game folder"),
    QT_TRANSLATE_NOOP("Check", "there is no phrase file \"%1\"")};

// Reports how the name finds its file; returns the file's own name.
std::optional<std::string> checkFile(Context& context, const Place& place, const std::string& name,
                                     const FileWords& words, const std::string& shown) {
  auto found = context.files.lookup(name);
  switch (found.kind) {
    case NameLookup::Exact:
      return found.onDisk;
    case NameLookup::CaseOnly:
      context.findings.warning(place.file, place.line, say(Check::tr(words.caseOnly), shown, found.onDisk));
      return found.onDisk;
    case NameLookup::Refused:
      context.findings.error(place.file, place.line, say(Check::tr(words.outside), shown));
      return std::nullopt;
    case NameLookup::Missing:
      context.findings.error(place.file, place.line, say(Check::tr(words.missing), shown));
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> checkScriptName(Context& context, const Place& place, const std::string& given) {
  if (given.empty() || given == "pagpix" || given == "picFmap" || base::contains(given, "http://") ||
      base::contains(given, "https://"))
    return std::nullopt;
  std::string name = given.substr(0, given.find('&'));
  if (const auto placeholder = script::readPlaceholder(name)) {
    if (placeholder->kind == script::Placeholder::Exit && !context.facts.exitsSet.count(name.substr(1)))
      context.findings.warning(
          place.file, place.line,
          say(Check::tr("\"%1\" stands for the exit %2=, which no script sets"), name, name.substr(1)));
    return std::nullopt;
  }
  if (!name.empty() && name[0] == '@' && context.files.lookup(name + ".scx").kind != NameLookup::Exact) {
    context.findings.error(place.file, place.line,
                           say(Check::tr("\"%1\" is not a placeholder (@norte, @sul, @leste, @oeste, @subir, @descer, "
                                         "@entrar, @sair, @pos, @obj, @xvlt) and no script has that name"),
                               name));
    return std::nullopt;
  }
  return checkFile(context, place, name + ".scx", kScriptWords, name);
}

std::optional<std::string> checkPictureName(Context& context, const Place& place, const std::string& name) {
  if (name.empty()) return std::nullopt;
  auto file = checkFile(context, place, name, kPictureWords, name);
  if (!view::isPictureName(name) && view::isPictureName(lowerCase(name)))
    context.findings.error(
        place.file, place.line,
        say(Check::tr("the picture \"%1\" has its extension in capitals; the player reads only .png, "
                      ".jpg, .bmp and .gif"),
            name));
  return file;
}

std::optional<std::string> checkSoundName(Context& context, const Place& place, const std::string& name) {
  if (name.empty()) return std::nullopt;
  return checkFile(context, place, name, kSoundWords, name);
}

std::optional<std::string> checkPhraseFileName(Context& context, const Place& place, const std::string& name) {
  if (name.empty()) return std::nullopt;
  return checkFile(context, place, name + ".scx", kPhraseFileWords, name + ".scx");
}

}  // namespace check
