// Content file resolution, the server list and the bulk download.
#include "online/content_files.h"

#include "base/file_io.h"
#include "online/down_notices.h"
#include "online/file_stamp.h"
#include "model/game.h"

namespace online {
namespace {

constexpr size_t kEntryLines = 4;  // name, date, time, unused

platform::HttpRequest requestFor(const model::Game& game, const std::string& url) {
  platform::HttpRequest request;
  request.url = url;
  request.headers = game.online.requestHeaders;  // no user name, no password
  request.connectTimeoutMs = 5000;
  request.readTimeoutMs = 5000;
  request.totalTimeoutMs = 0;             // a slow but moving transfer goes on
  request.maxBodyBytes = size_t(64) << 20;  // server content is untrusted
  return request;
}

std::optional<Stamp> listedStamp(const base::Lines& list, const std::string& name) {
  for (size_t k = 0; k + 2 < list.size(); k += kEntryLines)
    if (list[k] == name) return parseServerStamp(list[k + 1] + " " + list[k + 2]);
  return std::nullopt;
}

// Whether the local copy is strictly later than the server's (so no transfer).
bool localCopyIsLater(const model::Game& game, const std::string& name, const std::string& serverStamp) {
  auto local = game.folders.dataFolder.find(name);
  if (!local) return false;
  auto localStamp = localFileStamp(*local);
  auto server = serverStamp.empty() ? listedStamp(game.online.serverFileList, name) : parseServerStamp(serverStamp);
  return localStamp && server && *localStamp > *server;
}

// The file name as it goes into an address: "\" as "/", and the characters an
// address cannot hold as they stand (a blank, "%", "#", "?") escaped.
std::string addressPart(const std::string& name) {
  std::string part;
  for (char c : name) {
    if (c == '\\') part += '/';
    else if (c == ' ' || c == '%' || c == '#' || c == '?') {
      static const char* digits = "0123456789ABCDEF";
      part += '%';
      part += digits[(static_cast<unsigned char>(c) >> 4) & 15];
      part += digits[static_cast<unsigned char>(c) & 15];
    } else {
      part += c;
    }
  }
  return part;
}

bool refusedName(model::Game& game, const std::string& name) {
  if (base::GameFolder::isSafeName(name)) return false;
  game.debug.logDebug("Nome de arquivo recusado (fora da pasta do jogo): " + name);
  return true;
}

}  // namespace

void setRequestHeaders(model::Game& game) {
  platform::HttpHeaders headers = model::clientDefaultHeaders();
  auto set = [&](const std::string& name, const std::string& value) {
    for (auto& header : headers)
      if (header.first == name) {
        header.second = value;
        return;
      }
    headers.emplace_back(name, value);
  };
  set("Accept-Charset", "utf-8");
  set("Content-Type", "application/json;odata=light;charset=utf-8;");
  set("Connection", "keep-alive");
  set("User-Agent",
      "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
      "Chrome/58.0.3029.96 Safari/537.36");
  set("Accept-Encoding", "gzip, deflate");
  set("Accept-Language", "pt-BR,pt;q=0.8,en-US;q=0.6,en;q=0.4");
  set("Cache-Control", "no-cache");
  game.online.requestHeaders = std::move(headers);
}

bool fetchToFolder(model::Game& game, const std::string& urlPrefix, const std::string& name) {
  if (game.folders.serverBaseUrl.empty() || refusedName(game, name)) return false;
  setRequestHeaders(game);
  game.host.processEvents();
  platform::HttpResult reply = game.host.http().get(requestFor(game, urlPrefix + addressPart(name)));
  if (!reply.succeeded()) return false;
  auto path = game.folders.dataFolder.pathForWriting(name);
  if (!path) return false;
  std::error_code error;
  std::filesystem::create_directories(path->parent_path(), error);
  return base::writeFileAtomically(*path, reply.body);
}

bool resolveContentFile(model::Game& game, const std::string& name, const std::string& serverStamp) {
  if (game.folders.serverBaseUrl.empty() || refusedName(game, name)) return false;
  if (game.Defs.isOn(model::row::UpdatedDownload) && localCopyIsLater(game, name, serverStamp)) return false;
  return fetchToFolder(game, game.folders.serverBaseUrl + kContentPath, name);
}

std::optional<base::Lines> fetchServerFileList(model::Game& game, std::string& error) {
  error.clear();
  if (game.folders.serverBaseUrl.empty()) {
    error = "nenhum servidor";
    return std::nullopt;
  }
  platform::HttpResult reply = game.host.http().get(requestFor(game, game.folders.serverBaseUrl + kFileListPath));
  if (!reply.succeeded()) {
    error = reply.answered() ? "HTTP " + std::to_string(*reply.status) : reply.failure;
    return std::nullopt;
  }
  base::Lines lines = base::splitLines(reply.body);
  if (lines.empty() || lines.front() != "Ok!") return std::nullopt;
  lines.erase(lines.begin());
  return lines;
}

void fetchListAtStartUp(model::Game& game) {
  if (game.folders.serverBaseUrl.empty()) return;  // no server: on-line play has nothing to fetch
  game.host.processEvents();
  std::string error;
  auto list = fetchServerFileList(game, error);
  if (!error.empty()) {
    game.online.serverFileList.clear();
    game.host.errorBox("N\xE3o consegui obter a lista de arquivos do servidor " + game.folders.serverBaseUrl +
                       " (" + error + ").");
    return;
  }
  game.online.serverFileList = list.value_or(base::Lines{});
  if (list && game.Defs.isOn(model::row::FullDownload)) downloadAll(game, false);
}

void downloadAll(model::Game& game, bool showProgress) {
  setRequestHeaders(game);
  game.host.processEvents();
  std::string error;
  auto list = fetchServerFileList(game, error);
  if (!list) return;
  game.online.serverFileList = *list;
  model::DownPage& page = game.online.page;
  const size_t entries = (list->size() + kEntryLines - 1) / kEntryLines;
  if (showProgress) {
    page.Led = {true, 295, 315, page.Led.width, page.Led.height, "red"};
    page.G1.x = 315;
    page.G1.y = 315;
    page.G1.visible = true;
    page.G1.progress = 0;
    page.G1.maximum = static_cast<int>(list->size() / kEntryLines);
    pageChanged(game);
  }
  for (size_t k = 0; k < entries; ++k) {
    const std::string name = (*list)[k * kEntryLines];
    showFileName(game, name);
    if (showProgress) progressLine(game, k + 1, entries, name);
    // A last entry without its date or time is skipped; one entry's failure
    // does not stop the others.
    if (k * kEntryLines + 2 < list->size())
      resolveContentFile(game, name, (*list)[k * kEntryLines + 1] + " " + (*list)[k * kEntryLines + 2]);
    if (showProgress) {
      ++page.G1.progress;
      pageChanged(game);
    }
    game.host.processEvents();
  }
  page.G1 = model::Gauge{false, 170, 142, page.G1.width, page.G1.height, page.G1.maximum, page.G1.progress};
  page.Led = model::Light{};
  showFileName(game, "");
}

}  // namespace online
