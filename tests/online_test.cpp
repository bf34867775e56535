// On-line play against a real HTTP server on 127.0.0.1: content files fetched
// before they are read, the server's file list and the bulk download, the
// request headers, time-outs, size caps, redirects, cookies, refused names, the
// version check, the package download and the "Down" page's switches.
#include <gtest/gtest.h>
#include <utime.h>

#include <chrono>
#include <ctime>

#include "base/file_io.h"
#include "online/content_files.h"
#include "backends/curl_http.h"
#include "online/down_controls.h"
#include "online/file_stamp.h"
#include "shell/input_wiring.h"
#include "script/runner.h"
#include "world/game_load.h"
#include "world/object_restore.h"
#include "model/defs.h"
#include "support/test_game.h"
#include "support/test_server.h"

using namespace testing_support;

namespace {

constexpr const char* kContent = "/mrd2023/mrd/";

// Sets the file's last-write time to a local date and time.
void touchLocal(const std::filesystem::path& file, int year, int month, int day, int hour, int minute, int second) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  utimbuf times{std::mktime(&local), std::mktime(&local)};
  ASSERT_EQ(::utime(file.c_str(), &times), 0);
}

// A game whose table has the given on-line switches, played against the server.
struct OnlineGame {
  explicit OnlineGame(std::initializer_list<int> switchesOn, bool startNow = true) {
    base::Lines rows = model::DefinitionsTable::builtInRows();
    rows.resize(107);
    for (int row : switchesOn) rows[static_cast<size_t>(row)] = "*";
    test.folder.writeBytes("mirandel.ini", base::joinLines(rows));
    test.headless.onText = [this](platform::TextSink sink, const std::string& text) {
      produced.push_back(std::string(sink == platform::TextSink::DownProgress ? "progress" : "text") + ": " + utf(text));
    };
    if (startNow) start();
  }
  void start(const std::string& serverUrl = "") {
    test.serverBaseUrl = serverUrl.empty() ? server.url() : serverUrl;
    test.headless.devices.useHttp(std::make_unique<backends::CurlHttp>());
    test.start();
  }
  model::Game& game() { return *test.game; }
  std::string msg() { return utf(game().screen.Msg.text); }

  TestServer server;
  TestGame test{false};
  std::vector<std::string> produced;
};

std::vector<std::string> requestedPaths(const TestServer& server) {
  std::vector<std::string> paths;
  for (const auto& request : server.requests()) paths.push_back(request.path);
  return paths;
}

}  // namespace

TEST(OnlineContent, OnLinePlayFetchesEachScriptBeforeItRunsWithTheRequestHeaders) {
  OnlineGame online({103});
  online.test.script("sala", "msg= velho");
  online.server.serve(std::string(kContent) + "sala.scx", "msg= novo\r\n");
  online.test.run("sala");
  EXPECT_EQ(online.msg(), "novo");
  EXPECT_EQ(online.test.folder.read("sala.scx"), "msg= novo\r\n");
  // Row 105 off: every run downloads again (the run looks for the script, then loads it).
  online.test.run("sala");
  EXPECT_EQ(online.server.count(std::string(kContent) + "sala.scx"), 4u);

  auto requests = online.server.requests();
  ASSERT_GE(requests.size(), 2u);
  // The start-up list request goes out with the client's own headers.
  EXPECT_EQ(requests[0].path, "/mrd2023/ONlstarq.php");
  EXPECT_EQ(requests[0].header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(requests[0].header("Accept"), "text/html, */*");
  EXPECT_EQ(requests[0].header("Accept-Language"), "<none>");
  const SeenRequest& content = requests[1];
  EXPECT_EQ(content.header("Accept"), "text/html, */*");
  EXPECT_EQ(content.header("Accept-Charset"), "utf-8");
  EXPECT_EQ(content.header("Content-Type"), "application/json;odata=light;charset=utf-8;");
  EXPECT_EQ(content.header("Connection"), "keep-alive");
  EXPECT_EQ(content.header("User-Agent"),
            "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
            "Chrome/58.0.3029.96 Safari/537.36");
  EXPECT_EQ(content.header("Accept-Encoding"), "gzip, deflate");
  EXPECT_EQ(content.header("Accept-Language"), "pt-BR,pt;q=0.8,en-US;q=0.6,en;q=0.4");
  EXPECT_EQ(content.header("Cache-Control"), "no-cache");
  EXPECT_EQ(content.header("Authorization"), "<none>");

  // Off line, nothing is asked of the server.
  online.game().Defs.setDefsRow(103, "");
  online.test.run("sala");
  EXPECT_EQ(online.server.count(std::string(kContent) + "sala.scx"), 4u);
}

TEST(OnlineContent, DownloadUpdatedKeepsOnlyAStrictlyLaterLocalCopy) {
  OnlineGame online({103, 105}, false);
  const std::string path = std::string(kContent) + "sala.scx";
  online.server.serveList({"sala.scx", "05/03/2024", "10:20:29", "x", "hall.scx", "05/03/2024", "10:20:30", "x"});
  online.server.serve(path, "msg= novo\r\n");
  online.server.serve(std::string(kContent) + "hall.scx", "msg= hall novo\r\n");
  online.server.serve(std::string(kContent) + "sotao.scx", "msg= sotao do servidor\r\n");
  online.server.serve(std::string(kContent) + "porao.scx", "msg= porao novo\r\n");
  online.start();
  // Local copies written at 10:20:31: DOS times keep even seconds, so 10:20:30.
  online.test.script("sala", "msg= velho");
  touchLocal(online.test.folder.path() / "sala.scx", 2024, 3, 5, 10, 20, 31);
  online.test.script("hall", "msg= hall velho");
  touchLocal(online.test.folder.path() / "hall.scx", 2024, 3, 5, 10, 20, 31);

  online.test.run("sala");  // local 10:20:30 later than 10:20:29: no request
  EXPECT_EQ(online.msg(), "velho");
  EXPECT_EQ(online.server.count(path), 0u);
  online.test.run("hall");  // exactly the server's time: downloaded again
  EXPECT_EQ(online.msg(), "hall novo");
  // A file the list does not name is downloaded.
  online.test.script("porao", "msg= porao velho");
  online.test.run("porao");
  EXPECT_EQ(online.msg(), "porao novo");
  // No local copy: downloaded, whatever the list says.
  online.test.run("sotao");
  EXPECT_EQ(online.msg(), "sotao do servidor");
  // A name with a blank goes into the address escaped.
  online.server.serve(std::string(kContent) + "sala de estar.scx", "msg= estar\r\n");
  online.test.run("sala de estar");
  EXPECT_EQ(online.msg(), "estar");
}

TEST(OnlineContent, ServerStampsAreReadInTheRegionalForm) {
  EXPECT_EQ(online::parseServerStamp("05/03/2024 10:20:30"), 20240305102030);
  EXPECT_EQ(online::parseServerStamp("05/03/2024 10:20"), 20240305102000);
  EXPECT_EQ(online::parseServerStamp("2024-03-05 10:20:30"), 20240305102030);
  EXPECT_FALSE(online::parseServerStamp(" "));
  EXPECT_FALSE(online::parseServerStamp("31/13/2024 10:20:30"));
  EXPECT_FALSE(online::parseServerStamp("ontem"));
}

TEST(OnlineContent, EveryReaderFetchesItsFileOnLine) {
  OnlineGame online({103}, false);
  online.server.serve(std::string(kContent) + "mirandel.ini", [] {
    base::Lines rows = model::DefinitionsTable::builtInRows();
    rows.resize(107);
    rows[103] = "*";
    rows[10] = "sala";
    return base::joinLines(rows);
  }());
  online.server.serve(std::string(kContent) + "mirandel.rgs", "");
  online.server.serve(std::string(kContent) + "mirandel.obz", "lanterna\r\n");
  online.server.serve(std::string(kContent) + "mirandel.obx", "lanterna\r\nlanterna\r\nUma lanterna.\r\nsala\r\n\r\n0\r\n\r\n\r\n");
  online.server.serve(std::string(kContent) + "comandos.scx", "NORTE | sala\r\n");
  online.server.serve(std::string(kContent) + "sala.scx", "msg= na sala\r\n");
  online.server.serve(std::string(kContent) + "abertura.scx", "msg= abertura\r\n");
  online.start();
  // The game's own table, fetched first, switches on-line play on for the rest.
  world::loadGame(online.game(), "mirandel");
  EXPECT_EQ(online.game().world.Posic, "sala");
  EXPECT_EQ(online.game().world.Objs, base::Lines{"lanterna"});
  for (const char* file : {"mirandel.ini", "mirandel.rgs", "mirandel.obz", "mirandel.obx"})
    EXPECT_EQ(online.server.count(std::string(kContent) + file), 1u) << file;
  // The phrase file, then the script it names.
  shell::typeCommand(online.game(), "NORTE");
  EXPECT_EQ(online.server.count(std::string(kContent) + "comandos.scx"), 1u);
  EXPECT_EQ(online.msg(), "na sala");
  // An object file, read to restore the object.
  online.server.serve(std::string(kContent) + "lanterna.obj", "lanterna\r\nlanterna\r\nNova.\r\njog\r\n\r\n0\r\n\r\n\r\n");
  world::restoreObjects(online.game(), "lanterna");
  EXPECT_EQ(online.game().world.Objx.at(3), "jog");
}

TEST(OnlineTransport, AnUnreachableServerLeavesTheLocalCopyAndIsReportedAtStartUp) {
  OnlineGame online({103}, false);
  online.test.script("sala", "msg= local");
  auto started = std::chrono::steady_clock::now();
  online.start("http://127.0.0.1:" + std::to_string(closedPort()) + "/");
  // The list request failed: the user is told, and the player goes on.
  EXPECT_NE(online.test.errors().find("lista de arquivos"), std::string::npos) << online.test.errors();
  online.test.run("sala");
  EXPECT_EQ(online.msg(), "local");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(OnlineTransport, AStalledReplyIsGivenUpAfterTheReadTimeOut) {
  TestServer server;
  server.stallAt("/parado");
  backends::CurlHttp http;
  platform::HttpRequest request;
  request.url = server.url() + "parado";
  request.readTimeoutMs = 5000;
  auto started = std::chrono::steady_clock::now();
  auto reply = http.get(request);
  auto took = std::chrono::steady_clock::now() - started;
  EXPECT_FALSE(reply.succeeded());
  EXPECT_TRUE(reply.body.empty());
  EXPECT_GE(took, std::chrono::milliseconds(4500));
  EXPECT_LT(took, std::chrono::milliseconds(6500));
}

TEST(OnlineTransport, HugeAndBrokenRepliesAreRefusedAndNeverWritten) {
  OnlineGame online({103});
  online.test.script("grande", "msg= local");
  online.server.hugeAt(std::string(kContent) + "grande.scx", 100u << 20, false);
  online.server.hugeAt(std::string(kContent) + "anunciado.scx", 100u << 20, true);
  EXPECT_FALSE(online::resolveContentFile(online.game(), "grande.scx"));
  EXPECT_EQ(online.test.folder.read("grande.scx"), "msg= local\r\n");
  EXPECT_FALSE(online::resolveContentFile(online.game(), "anunciado.scx"));
  EXPECT_FALSE(online.test.folder.exists("anunciado.scx"));
  // A reply broken off half-way replaces nothing.
  online.server.truncatedAt(std::string(kContent) + "grande.scx");
  EXPECT_FALSE(online::resolveContentFile(online.game(), "grande.scx"));
  EXPECT_EQ(online.test.folder.read("grande.scx"), "msg= local\r\n");
  // The client stops at its cap: the reply is never held whole.
  backends::CurlHttp http;
  platform::HttpRequest request;
  online.server.hugeAt(std::string(kContent) + "grande.scx", 100u << 20, false);
  request.url = online.server.url() + "mrd2023/mrd/grande.scx";
  request.maxBodyBytes = 1u << 20;
  auto reply = http.get(request);
  EXPECT_FALSE(reply.succeeded());
  EXPECT_NE(reply.failure.find("maior"), std::string::npos) << reply.failure;
}

TEST(OnlineTransport, RedirectsStayOnTheSameServerAndCookiesLastTheSession) {
  TestServer server, other;
  server.serve("/destino", "aqui");
  server.redirect("/mesmo", "/destino");
  other.serve("/destino", "outro");
  server.redirect("/fora", other.url() + "destino");
  backends::CurlHttp http;
  platform::HttpRequest request;
  request.url = server.url() + "mesmo";
  auto reply = http.get(request);
  EXPECT_TRUE(reply.succeeded()) << reply.failure;
  EXPECT_EQ(reply.body, "aqui");
  request.url = server.url() + "fora";
  EXPECT_FALSE(http.get(request).succeeded());
  EXPECT_EQ(other.count("/destino"), 0u);

  request.url = server.url() + "set-cookie";
  ASSERT_TRUE(http.get(request).succeeded());
  request.url = server.url() + "cookie-seen";
  EXPECT_EQ(http.get(request).body, "sessao=abc123");
  // A failed status is a failure, with nothing kept.
  request.url = server.url() + "nada";
  auto missing = http.get(request);
  EXPECT_FALSE(missing.succeeded());
  EXPECT_EQ(missing.status, 404);  // an answer, not a success
}

TEST(OnlineTransport, HttpsIsSpokenAndAnUnvouchedCertificateIsRefused) {
  TempFolder keys;
  const std::string certificate = (keys.path() / "cert.pem").string(), key = (keys.path() / "key.pem").string();
  std::string command = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -keyout " + key +
                        " -out " + certificate + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  TestServer server(certificate, key);
  server.serve("/x", "segredo");
  ASSERT_EQ(server.url().rfind("https://", 0), 0u);
  backends::CurlHttp http;
  platform::HttpRequest request;
  request.url = server.url() + "x";
  auto reply = http.get(request);
  // The scheme is spoken; a certificate nobody vouches for is refused.
  EXPECT_FALSE(reply.succeeded());
  EXPECT_NE(reply.failure.find("certificate"), std::string::npos) << reply.failure;
  EXPECT_EQ(server.count("/x"), 0u);
}

TEST(OnlineList, BulkDownloadShowsProgressSkipsAnEntryWithoutItsTimeAndRefusesForeignNames) {
  OnlineGame online({103});
  online.server.serveList({"a.scx", "01/01/2024", "10:00:00", "x", "b.scx", "01/01/2024", "10:00:00", "x", "c.scx"});
  online.server.serve(std::string(kContent) + "a.scx", "A");
  online.server.serve(std::string(kContent) + "b.scx", "B");
  online.server.serve(std::string(kContent) + "c.scx", "C");
  int maximumSeen = -1;
  online.test.headless.onProcessEvents = [&] {
    if (online.game().online.page.G1.visible) maximumSeen = online.game().online.page.G1.maximum;
  };
  online.produced.clear();
  ASSERT_TRUE(online::actOnDownControl(online.game(), "btDWNtudo"));
  EXPECT_EQ(online.test.folder.read("a.scx"), "A");
  EXPECT_EQ(online.test.folder.read("b.scx"), "B");
  EXPECT_FALSE(online.test.folder.exists("c.scx"));
  EXPECT_EQ(online.server.count(std::string(kContent) + "c.scx"), 0u);
  EXPECT_EQ(maximumSeen, 2);  // 9 lines div 4
  std::vector<std::string> progress;
  for (const auto& line : online.produced)
    if (line.rfind("progress: ", 0) == 0) progress.push_back(line.substr(10));
  EXPECT_EQ(progress, (std::vector<std::string>{"[1/3] a.scx", "[2/3] b.scx", "[3/3] c.scx"}));
  const auto& page = online.game().online.page;
  EXPECT_FALSE(page.G1.visible);
  EXPECT_EQ(page.G1.x, 170);
  EXPECT_EQ(page.Led.colour, "maroon");
  EXPECT_EQ(page.Led.x, 150);
  EXPECT_EQ(page.Lbx.caption, "");
  EXPECT_EQ(online.game().online.serverFileList.size(), 9u);

  // Names that would leave the game folder are refused: no request, nothing written.
  const std::string outside = (online.test.folder.path().parent_path() / "fora-do-jogo.txt").string();
  online.server.serveList({"../fora-do-jogo.txt", "01/01/2024", "10:00:00", "x", outside, "01/01/2024", "10:00:00", "x"});
  online::downloadAll(online.game(), false);
  EXPECT_FALSE(std::filesystem::exists(outside));
  for (const auto& path : requestedPaths(online.server)) EXPECT_EQ(path.find("fora-do-jogo"), std::string::npos) << path;
}

TEST(OnlineList, ARowOneHundredFourGameDownloadsEverythingAtStartUpAndABadListIsNoList) {
  OnlineGame online({103, 104}, false);
  online.server.serveList({"a.scx", "01/01/2024", "10:00:00", "x"});
  online.server.serve(std::string(kContent) + "a.scx", "A");
  online.start();
  EXPECT_EQ(online.test.folder.read("a.scx"), "A");
  EXPECT_EQ(online.test.errors(), "");

  OnlineGame refused({103, 104}, false);
  refused.server.serve("/mrd2023/ONlstarq.php", "Erro\r\na.scx\r\n01/01/2024\r\n10:00:00\r\nx\r\n");
  refused.start();
  EXPECT_TRUE(refused.game().online.serverFileList.empty());
  EXPECT_EQ(refused.server.count(std::string(kContent) + "a.scx"), 0u);
  EXPECT_EQ(refused.test.errors(), "");
}

TEST(OnlineVersion, TheVersionCheckOffersAPackageOnlyForAnotherVersion) {
  OnlineGame online({});
  // The version file is asked for with the doubled separator of the original.
  online.server.serve("//mrd2023/vrsmrd.txt", "1.0g\r\n");
  online::pressDownButton(online.game(), "btAtual");
  EXPECT_TRUE(online.game().online.page.btAtual.pressed);
  online::releaseDownButton(online.game(), "btAtual");
  online::actOnDownControl(online.game(), "btAtual");
  const auto& page = online.game().online.page;
  EXPECT_EQ(utf(page.lbAviso.caption), "1.0g não precisa ser atualizado!");
  EXPECT_FALSE(page.btDEG.visible);
  EXPECT_FALSE(page.G1.visible);
  const auto& sounds = online.test.host.record.sounds;
  ASSERT_GE(sounds.size(), 2u);
  EXPECT_EQ((std::vector<std::string>(sounds.end() - 2, sounds.end())),
            (std::vector<std::string>{"effect clk0a.wav", "effect clk0b.wav"}));
  EXPECT_FALSE(online.game().online.page.btAtual.pressed);

  online.server.serve("//mrd2023/vrsmrd.txt", "1.1\r\nsala.scx\r\n");
  online::actOnDownControl(online.game(), "btAtual");
  EXPECT_EQ(utf(page.lbAviso.caption), "1.1 - tem novidades no jogo!!!");
  EXPECT_TRUE(page.btDEG.visible);
  EXPECT_EQ(utf(page.lbDEG.caption), "Download versão 1.1");
  EXPECT_EQ(online.game().online.ListaTemp, (base::Lines{"1.1", "sala.scx"}));

  online.server.remove("//mrd2023/vrsmrd.txt");
  online::actOnDownControl(online.game(), "btAtual");
  EXPECT_EQ(page.lbAviso.caption, "Erro ao baixar arquivo ou internet fora do ar!");
  EXPECT_FALSE(page.Led.visible);
  EXPECT_EQ(page.Led.colour, "maroon");
}

TEST(OnlineVersion, ThePackageFetchesItsFilesReloadsTheTableAndStartsOnlyOurUpdater) {
  OnlineGame online({});
  base::Lines table = model::DefinitionsTable::builtInRows();
  table[72] = "Sair";
  online.server.serve("//mrd2023/vrsmrd.txt", "1.1\r\nsala.scx\r\nmirandel.ini\r\n");
  online.server.serve("/mrd2023/sala.scx", "msg= nova\r\n");
  online.server.serve("/mrd2023/mirandel.ini", base::joinLines(table));
  online.game().online.updaterProgram = MIRANDEL_UPDATER;
  online::actOnDownControl(online.game(), "btAtual");
  online::actOnDownControl(online.game(), "btDEG");
  const auto& page = online.game().online.page;
  EXPECT_EQ(page.lbAviso.caption, "Download completo!");
  EXPECT_EQ(online.test.folder.read("sala.scx"), "msg= nova\r\n");
  EXPECT_EQ(online.game().Defs.defsRow(72), "Sair");  // the table replaced in memory
  EXPECT_EQ(online.test.folder.readLines("vrsmrd.txt"), (std::vector<std::string>{"1.1", "sala.scx", "mirandel.ini"}));
  EXPECT_EQ(page.G1.progress, 2);
  // No package in the folder: no updater, the player goes on.
  EXPECT_TRUE(online.test.host.record.opened.empty());
  EXPECT_FALSE(online.test.headless.quitRequested());

  // A version file with only its version line, and the package present: the
  // updater beside the player starts with the three arguments, and the player ends.
  online.server.serve("//mrd2023/vrsmrd.txt", "1.2\r\n");
  online.test.folder.writeBytes("mirandel.zpp", "pacote");
  online::actOnDownControl(online.game(), "btAtual");
  online::actOnDownControl(online.game(), "btDEG");
  ASSERT_EQ(online.test.host.record.opened.size(), 1u);
  const std::string started = online.test.host.record.opened[0];
  EXPECT_EQ(started.rfind(std::string(MIRANDEL_UPDATER) + " --game ", 0), 0u) << started;
  EXPECT_NE(started.find(" q8m41xw mirandel mirandel.zpp"), std::string::npos) << started;
  EXPECT_TRUE(online.test.headless.quitRequested());

  // Without an installed updater the package stays and the player goes on.
  OnlineGame bare({});
  bare.server.serve("//mrd2023/vrsmrd.txt", "1.2\r\n");
  bare.test.folder.writeBytes("mirandel.zpp", "pacote");
  bare.game().online.updaterProgram = bare.test.folder.path() / "mirandel-update";
  bare.test.folder.writeBytes("mirandel-update", "#!/bin/sh\n");  // one in the game folder is never run
  online::actOnDownControl(bare.game(), "btAtual");
  online::actOnDownControl(bare.game(), "btDEG");
  EXPECT_TRUE(bare.test.host.record.opened.empty());
  EXPECT_FALSE(bare.test.headless.quitRequested());
}

TEST(OnlineVersion, PackageNamesThatLeaveTheFolderStopTheDownload) {
  OnlineGame online({});
  const std::string outside = (online.test.folder.path().parent_path() / "fora-pacote.txt").string();
  online.server.serve("//mrd2023/vrsmrd.txt", "1.1\r\n../fora-pacote.txt\r\n" + outside + "\r\n");
  online.test.folder.writeBytes("mirandel.zpp", "pacote");
  online::actOnDownControl(online.game(), "btAtual");
  online::actOnDownControl(online.game(), "btDEG");
  EXPECT_EQ(online.game().online.page.lbAviso.caption, "Erro ao baixar arquivos ou internet fora do ar!");
  EXPECT_FALSE(std::filesystem::exists(outside));
  EXPECT_TRUE(online.test.host.record.opened.empty());
  EXPECT_NE(online.test.folder.read("debug.txt").find("recusado"), std::string::npos);
}

TEST(OnlineSwitches, TheSwitchesSaveTheTableAtOnceAndOffClearsTheOptions) {
  OnlineGame online({});
  auto& game = online.game();
  const auto& page = game.online.page;
  game.Defs.rows().resize(101);
  EXPECT_FALSE(page.TicTudo.visible);
  online::actOnDownControl(game, "TicTudo");  // hidden: cannot be clicked
  EXPECT_EQ(game.Defs.defsRow(104), "");
  online::actOnDownControl(game, "TicLine");
  EXPECT_TRUE(page.TicLine.ticked);
  EXPECT_TRUE(page.TicTudo.visible && page.TicDown.visible && page.TicMult.visible && page.btDWNtudo.visible);
  for (const char* name : {"TicTudo", "TicDown", "TicMult"}) online::actOnDownControl(game, name);
  auto saved = online.test.folder.readLines("mirandel.ini");
  ASSERT_EQ(saved.size(), 107u);
  EXPECT_EQ((std::vector<std::string>(saved.begin() + 103, saved.end())), (std::vector<std::string>{"*", "*", "*", "*"}));
  online::actOnDownControl(game, "TicDown");
  EXPECT_EQ(online.test.folder.readLines("mirandel.ini").at(105), "");

  online::actOnDownControl(game, "TicLine");  // off clears 104 to 106 too
  saved = online.test.folder.readLines("mirandel.ini");
  EXPECT_EQ((std::vector<std::string>(saved.begin() + 103, saved.end())), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_FALSE(page.TicTudo.visible || page.btDWNtudo.visible || page.lbTudo.visible);
  online::actOnDownControl(game, "TicLine");
  EXPECT_FALSE(page.TicTudo.ticked || page.TicDown.ticked || page.TicMult.ticked);

  // The statement shows the page; start-up shows the table's switches.
  online.test.script("opcoes", "download");
  online.test.run("opcoes");
  EXPECT_EQ(game.screen.viewerPage.text(), "Down");
  OnlineGame again({103, 105});
  EXPECT_TRUE(again.game().online.page.TicLine.ticked && again.game().online.page.TicDown.ticked);
  EXPECT_FALSE(again.game().online.page.TicTudo.ticked);
  EXPECT_TRUE(again.game().online.page.TicTudo.visible);
}
