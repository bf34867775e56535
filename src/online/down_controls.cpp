// The "Down" page's switches and buttons.
#include "online/down_controls.h"

#include "base/file_io.h"
#include "base/text_encoding.h"
#include "online/content_files.h"
#include "online/down_notices.h"
#include "online/updates.h"
#include "model/game.h"

namespace online {
namespace {

constexpr int kOnline = model::row::OnlineGame, kDownloadAll = model::row::FullDownload,
              kUpdated = model::row::UpdatedDownload, kMultiplayer = model::row::Multiplayer;
constexpr size_t kTableRows = 107;

model::PictureButton* button(model::DownPage& page, const std::string& name) {
  if (name == "btAtual") return &page.btAtual;
  if (name == "btDEG") return &page.btDEG;
  if (name == "btDWNtudo") return &page.btDWNtudo;
  return nullptr;
}

// The three switches, their labels and the "Downloads" button appear with on-line play.
void showOnlineOptions(model::DownPage& page, bool visible) {
  for (model::TickBox* tick : {&page.TicTudo, &page.TicDown, &page.TicMult}) tick->visible = visible;
  for (model::DownLabel* label : {&page.lbTicT, &page.lbTudo, &page.lbTicD, &page.lbDown, &page.lbTicM, &page.lbDWntudo})
    label->visible = visible;
  page.btDWNtudo.visible = visible;
}

void saveTable(model::Game& game) {
  auto path = game.folders.exeFile(game.folders.exeBaseName + ".ini");
  if (!base::writeFileAtomically(path, base::contentBytesFor(path, game.Defs.rows()))) game.host.errorBox("N\xE3o consegui gravar " + path.string());
}

void switchOnline(model::Game& game) {
  model::DownPage& page = game.online.page;
  const bool on = !game.Defs.isOn(kOnline);
  if (on) {
    game.Defs.setDefsRow(kOnline, "*");
  } else {
    // Off clears the three options too: switched on again, they start unticked.
    for (int row : {kOnline, kDownloadAll, kUpdated, kMultiplayer}) game.Defs.setDefsRow(row, "");
  }
  page.TicLine.ticked = on;
  if (!on) page.TicTudo.ticked = page.TicDown.ticked = page.TicMult.ticked = false;
  showOnlineOptions(page, on);
}

void flip(model::Game& game, int row, model::TickBox& tick) {
  const bool on = !game.Defs.isOn(row);
  game.Defs.setDefsRow(row, on ? "*" : "");
  tick.ticked = on;
}

bool shown(const model::DownPage& page, const std::string& name) {
  if (name == "btAtual") return page.btAtual.visible;
  if (name == "btDEG") return page.btDEG.visible;
  if (name == "btDWNtudo") return page.btDWNtudo.visible;
  if (name == "TicTudo") return page.TicTudo.visible;
  if (name == "TicDown") return page.TicDown.visible;
  if (name == "TicMult") return page.TicMult.visible;
  return page.TicLine.visible;
}

void showDownPage(model::Game& game, model::Statement&) {
  game.screen.viewerPage = model::ViewerPage::Down;
  game.textProduced(platform::TextSink::DownPage, "");  // the terminal lists the page
}

}  // namespace

void showSwitches(model::Game& game) {
  model::DownPage& page = game.online.page;
  const auto& defs = game.Defs;
  page.TicLine.ticked = defs.isOn(kOnline);
  showOnlineOptions(page, page.TicLine.ticked);
  page.TicTudo.ticked = defs.isOn(kDownloadAll);
  page.TicDown.ticked = defs.isOn(kUpdated);
  page.TicMult.ticked = defs.isOn(kMultiplayer);
  page.Lbx.caption.clear();
}

bool isPictureButton(const std::string& name) {
  model::DownPage page;
  return button(page, name) != nullptr;
}

bool isDownControl(const std::string& name) {
  return isPictureButton(name) || name == "TicLine" || name == "TicTudo" || name == "TicDown" || name == "TicMult";
}

void pressDownButton(model::Game& game, const std::string& name) {
  if (model::PictureButton* pressed = button(game.online.page, name); pressed && pressed->visible) {
    pressed->pressed = true;
    game.sound().playEffect("clk0a.wav", platform::EffectMode::Once);
    pageChanged(game);
  }
}

void releaseDownButton(model::Game& game, const std::string& name) {
  if (model::PictureButton* released = button(game.online.page, name); released && released->visible) {
    released->pressed = false;
    game.sound().playEffect("clk0b.wav", platform::EffectMode::Once);
    pageChanged(game);
  }
}

bool actOnDownControl(model::Game& game, const std::string& name) {
  model::DownPage& page = game.online.page;
  if (!isDownControl(name)) return false;
  if (!shown(page, name)) return true;  // a hidden control cannot be clicked
  if (name == "btAtual") {
    checkVersion(game);
  } else if (name == "btDEG") {
    downloadPackage(game);
  } else if (name == "btDWNtudo") {
    downloadAll(game, true);
  } else if (name == "TicLine" || name == "TicTudo" || name == "TicDown" || name == "TicMult") {
    // Every switch saves the whole table at once, extended to hold rows 103 to 106.
    game.Defs.extendTo(kTableRows);
    if (name == "TicLine") switchOnline(game);
    if (name == "TicTudo") flip(game, kDownloadAll, page.TicTudo);
    if (name == "TicDown") flip(game, kUpdated, page.TicDown);
    if (name == "TicMult") flip(game, kMultiplayer, page.TicMult);
    saveTable(game);
    pageChanged(game);
  }
  return true;
}

void registerOnlineStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"download", {}, showDownPage, {{"", 0}},
       "Shows the download page: the on-line switches, the version check and the update."},
  };
  dispatch.add(rows);
}

}  // namespace online
