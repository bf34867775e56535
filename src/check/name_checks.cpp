// File name checks shared by every part of the game.
#include "check/name_checks.h"

#include <array>

#include "check/value_checks.h"
#include "base/text.h"
#include "view/pictures.h"

namespace check {
namespace {

// Reports how the name finds its file; returns the file's own name.
std::optional<std::string> checkFile(Context& context, const Place& place, const std::string& name,
                                     const std::string& what, const std::string& shown) {
  auto found = context.files.lookup(name);
  switch (found.kind) {
    case NameLookup::Exact:
      return found.onDisk;
    case NameLookup::CaseOnly:
      context.findings.warning(place.file, place.line,
                               "the " + what + " \"" + shown + "\" is found only by ignoring case (the file is \"" +
                                   found.onDisk + "\")");
      return found.onDisk;
    case NameLookup::Refused:
      context.findings.error(place.file, place.line,
                             "the " + what + " \"" + shown + "\" names a file outside the game folder");
      return std::nullopt;
    case NameLookup::Missing:
      context.findings.error(place.file, place.line, "there is no " + what + " \"" + shown + "\"");
      return std::nullopt;
  }
  return std::nullopt;
}

constexpr std::array<const char*, 8> kExitWords = {"norte", "sul", "leste", "oeste", "subir", "descer", "entrar", "sair"};

bool isExitPlaceholder(const std::string& name) {
  for (const char* word : kExitWords)
    if (name == std::string("@") + word) return true;
  return false;
}

}  // namespace

std::optional<std::string> checkScriptName(Context& context, const Place& place, const std::string& given) {
  if (given.empty() || given == "pagpix" || given == "picFmap" || base::contains(given, "http://") ||
      base::contains(given, "https://"))
    return std::nullopt;
  std::string name = given.substr(0, given.find('&'));
  if (isExitPlaceholder(name)) {
    if (!context.facts.exitsSet.count(name.substr(1)))
      context.findings.warning(place.file, place.line,
                               "\"" + name + "\" stands for the exit " + name.substr(1) + "=, which no script sets");
    return std::nullopt;
  }
  if (name == "@pos" || name == "@obj" || name == "xvlt" || name == "@xvlt") return std::nullopt;
  if (!name.empty() && name[0] == '@' && context.files.lookup(name + ".scx").kind != NameLookup::Exact) {
    context.findings.error(place.file, place.line,
                           "\"" + name + "\" is not a placeholder (@norte, @sul, @leste, @oeste, @subir, @descer, "
                           "@entrar, @sair, @pos, @obj, @xvlt) and no script has that name");
    return std::nullopt;
  }
  return checkFile(context, place, name + ".scx", "script", name);
}

std::optional<std::string> checkPictureName(Context& context, const Place& place, const std::string& name) {
  if (name.empty()) return std::nullopt;
  auto file = checkFile(context, place, name, "picture", name);
  if (!view::isPictureName(name) && view::isPictureName(lowerCase(name)))
    context.findings.error(place.file, place.line,
                           "the picture \"" + name +
                               "\" has its extension in capitals; the player reads only .png, .jpg, .bmp and .gif");
  return file;
}

std::optional<std::string> checkSoundName(Context& context, const Place& place, const std::string& name) {
  if (name.empty()) return std::nullopt;
  return checkFile(context, place, name, "sound", name);
}

std::optional<std::string> checkPhraseFileName(Context& context, const Place& place, const std::string& name) {
  if (name.empty()) return std::nullopt;
  return checkFile(context, place, name + ".scx", "phrase file", name + ".scx");
}

}  // namespace check
