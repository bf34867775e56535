// The link click: "Scp=" links run scripts, pages of the game folder are shown
// in the page view, web addresses open in the user's browser, anything else is
// refused with a message.
#include "view/links.h"

#include <filesystem>
#include <optional>

#include "base/cp1252.h"
#include "base/letter_case.h"
#include "base/text.h"
#include "model/game.h"
#include "view/page.h"

namespace view {
namespace {

// The scheme that begins the address ("http" of "http://x"), in lower case, or
// empty when there is none. A drive letter ("C:\x") reads as a scheme too: it
// names no page of the game folder either.
std::string schemeOf(std::string_view address) {
  const size_t colon = address.find(':');
  if (colon == std::string_view::npos || colon == 0) return "";
  std::string scheme;
  for (size_t i = 0; i < colon; ++i) {
    const char c = address[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool later = i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.');
    if (!letter && !later) return "";  // a colon further on, inside a name
    scheme += base::lowerCaseLetter(c);
  }
  return scheme;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%20" and the like back to their bytes; a "%" without two hex digits stays.
std::string percentDecoded(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The folder, inside the game folder, of the page on show ("" for the folder
// itself): a relative link of a page leads from where that page is.
std::filesystem::path folderOfPageShown(const model::Game& game) {
  if (game.screen.pageShown.empty()) return {};
  auto relative = std::filesystem::path(game.screen.pageShown).lexically_relative(game.folders.exeFolder);
  if (relative.empty() || *relative.begin() == "..") return {};
  return base::pathToCp1252(relative.parent_path());
}

// The name inside the game folder of the page an address points to: a name
// relative to the page on show, or a path or "file://" address lying in the
// folder. A place on the page ("#...") or a query ("?...") is not part of it.
// Nothing when the address leads out of the folder.
std::optional<std::string> folderPageName(const model::Game& game, std::string_view address, bool fileUrl) {
  if (fileUrl) {
    address.remove_prefix(5);  // "file:"
    if (base::startsWith(address, "//")) {
      const size_t pathStart = address.find('/', 2);
      const std::string_view host = address.substr(2, pathStart == std::string_view::npos ? pathStart : pathStart - 2);
      if (!host.empty() && host != "localhost") return std::nullopt;
      address = pathStart == std::string_view::npos ? std::string_view() : address.substr(pathStart);
    }
  }
  std::string name = percentDecoded(address.substr(0, address.find_first_of("#?")));
  for (char& c : name)
    if (c == '\\') c = '/';
  std::filesystem::path path(name);
  if (!path.is_absolute()) {
    if (fileUrl) return std::nullopt;
    path = folderOfPageShown(game) / path;
  } else {
    // The address is game text; the folder's path is the system's.
    path = std::filesystem::path(base::cp1252ToUtf8(name)).lexically_relative(game.folders.exeFolder);
    path = base::pathToCp1252(path);
  }
  path = path.lexically_normal();
  if (path.empty() || *path.begin() == ".." || !base::GameFolder::isSafeName(path.generic_string()))
    return std::nullopt;
  return path.generic_string();
}

bool isPageName(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension;
  for (char c : name.substr(dot)) extension += base::lowerCaseLetter(c);
  return extension == ".htm" || extension == ".html";
}

void showFolderPage(model::Game& game, const std::string& name) {
  if (!isPageName(name)) return game.host.errorBox("O link " + name + " n\xE3o \xE9 uma p\xE1gina.");
  const auto file = game.folders.dataFolder.find(name);
  if (!file) return game.host.errorBox("N\xE3o encontrei a p\xE1gina " + name + ".");
  std::error_code error;
  if (std::filesystem::file_size(*file, error) > kMaxShownText && !error)
    return game.host.errorBox("A p\xE1gina " + name + " passa do limite de " + std::to_string(kMaxShownText) +
                              " caracteres.");
  showPageFile(game, *file);
}

}  // namespace

std::optional<std::string> followLink(model::Game& game, const std::string& address) {
  if (const size_t at = address.find("Scp="); at != std::string::npos) {
    const std::string target = address.substr(at + 4);
    game.host.processEvents();
    if (base::contains(target, ".htm")) return std::nullopt;
    return target;
  }
  // A place on the page on show: the page view goes there by itself.
  if (address.empty() || address.front() == '#') return std::nullopt;
  const std::string scheme = schemeOf(address);
  // A page view cannot show a web site: the user's browser does.
  if (scheme == "http" || scheme == "https") {
    game.host.openWebPage(address);
  } else if (auto name = scheme.empty() || scheme == "file" ? folderPageName(game, address, scheme == "file")
                                                          : std::nullopt) {
    showFolderPage(game, *name);
  } else {
    game.host.errorBox("Este link n\xE3o pode ser aberto: " + address);
  }
  return std::nullopt;
}

}  // namespace view
