// The "Down" page, the player's on-line control panel, as plain data: every
// control with its caption, visibility and state. The engine changes it; the
// window and the terminal show it.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace model {

struct DownLabel {
  std::string caption;
  bool visible = true;
};

struct TickBox {  // shows the picture Tic1 when ticked, Tic0 when not
  bool ticked = false;
  bool visible = true;
};

struct PictureButton {  // shows btDw while pressed, btUp otherwise
  bool pressed = false;
  bool visible = true;
};

struct Gauge {
  bool visible = false;
  int x = 170, y = 142, width = 100, height = 8;
  int maximum = 100, progress = 0;
};

struct Light {
  bool visible = false;
  int x = 150, y = 142, width = 15, height = 8;
  std::string colour = "maroon";  // "maroon" idle, "red" and "green" busy
};

// The version text of this player (the version check compares the server's with it).
inline constexpr const char* kPlayerVersion = "1.0g";

struct DownPage {
  DownLabel Label2{"Atualiza\xE7\xE3o e download:"};
  DownLabel Versao{kPlayerVersion};
  PictureButton btAtual;
  DownLabel lbAviso{"Verificar atualiza\xE7\xF5" "es..."};
  Gauge G1;
  Light Led;
  PictureButton btDEG{false, false};
  DownLabel lbDEG{"Download nova vers\xE3o!", false};
  TickBox TicLine;
  DownLabel Label6{"Jogo online"};
  DownLabel Label10{"Ativa a intera\xE7\xE3o do jogo com os arquivos no servidor da VESK online."};
  TickBox TicTudo{false, false};
  DownLabel lbTicT{"Download completo", false};
  DownLabel lbTudo{"Baixa todos os arquivos mais recentes do jogo na inicializa\xE7\xE3o.", false};
  TickBox TicDown{false, false};
  DownLabel lbTicD{"Download atualizado", false};
  DownLabel lbDown{"Verifica e baixa um arquivo mais atual, sempre que ele for solicitado.", false};
  TickBox TicMult{false, false};
  DownLabel lbTicM{"Multiplayer", false};
  PictureButton btDWNtudo{false, false};
  DownLabel lbDWntudo{"Downloads", false};
  DownLabel Lbx{""};
};

// The page as name=value rows (captions, visibility, ticks, gauge and light),
// for the dump and the terminal.
std::vector<std::pair<std::string, std::string>> downPageRows(const DownPage& page);

}  // namespace model
