// The "Down" page as rows.
#include "model/down_page.h"

namespace model {

std::vector<std::pair<std::string, std::string>> downPageRows(const DownPage& page) {
  std::vector<std::pair<std::string, std::string>> rows;
  auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  auto label = [&](const char* name, const DownLabel& l) {
    rows.emplace_back(name, l.caption);
    rows.emplace_back(std::string(name) + ".visible", flag(l.visible));
  };
  auto tick = [&](const char* name, const TickBox& t) {
    rows.emplace_back(std::string(name) + ".ticked", flag(t.ticked));
    rows.emplace_back(std::string(name) + ".visible", flag(t.visible));
  };
  auto button = [&](const char* name, const PictureButton& b) {
    rows.emplace_back(std::string(name) + ".picture", b.pressed ? "btDw" : "btUp");
    rows.emplace_back(std::string(name) + ".visible", flag(b.visible));
  };
  label("Label2", page.Label2);
  label("Versao", page.Versao);
  button("btAtual", page.btAtual);
  label("lbAviso", page.lbAviso);
  rows.emplace_back("G1.visible", flag(page.G1.visible));
  rows.emplace_back("G1.position", std::to_string(page.G1.x) + "," + std::to_string(page.G1.y));
  rows.emplace_back("G1.progress", std::to_string(page.G1.progress) + "/" + std::to_string(page.G1.maximum));
  rows.emplace_back("Led.visible", flag(page.Led.visible));
  rows.emplace_back("Led.position", std::to_string(page.Led.x) + "," + std::to_string(page.Led.y));
  rows.emplace_back("Led.colour", page.Led.colour);
  button("btDEG", page.btDEG);
  label("lbDEG", page.lbDEG);
  tick("TicLine", page.TicLine);
  label("Label6", page.Label6);
  label("Label10", page.Label10);
  tick("TicTudo", page.TicTudo);
  label("lbTicT", page.lbTicT);
  label("lbTudo", page.lbTudo);
  tick("TicDown", page.TicDown);
  label("lbTicD", page.lbTicD);
  label("lbDown", page.lbDown);
  tick("TicMult", page.TicMult);
  label("lbTicM", page.lbTicM);
  button("btDWNtudo", page.btDWNtudo);
  label("lbDWntudo", page.lbDWntudo);
  label("Lbx", page.Lbx);
  return rows;
}

}  // namespace model
