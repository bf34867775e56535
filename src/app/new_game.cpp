// The new-game skeleton: the table, the phrase file, an opening script, two
// places that lead to each other, the error script, the saved set, the end
// button's two pictures, the clicks and a silent title theme.
#include "app/new_game.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <fstream>

#include "base/file_io.h"
#include "model/defs.h"

namespace app {
namespace {

namespace row = model::row;

// Rows that differ from the built-in ones: the game's name and where play starts.
base::Lines tableRows(const std::string& name) {
  base::Lines rows = model::DefinitionsTable::builtInRows();
  rows[row::GameName] = name;
  rows[row::RegisterCount] = "20";
  for (int start : {row::IniScp, row::CurrentScript, row::RetScp, row::Posic}) rows[start] = "praca";
  rows[row::Objeto] = "";
  return rows;
}

struct ScriptFile {
  const char* name;
  const char* text;  // Windows-1252
};

constexpr ScriptFile kScripts[] = {
    {"abertura.scx",
     "/ abertura: todo jogo come\xE7" "a aqui; continua no lugar salvo\r\n"
     "modo= 1\r\n"
     "script @pos\r\n"},
    {"praca.scx",
     "/ praca: o primeiro lugar\r\n"
     "setpos= praca\r\n"
     "cleardir\r\n"
     "norte= capela\r\n"
     "display= praca.bmp,tel,0,0\r\n"
     "msg= Voc\xEA est\xE1 na pra\xE7" "a. Ao norte fica a capela.\r\n"},
    {"capela.scx",
     "/ capela: o segundo lugar\r\n"
     "setpos= capela\r\n"
     "cleardir\r\n"
     "sul= praca\r\n"
     "display= capela.bmp,tel,0,0\r\n"
     "msg= Voc\xEA est\xE1 na capela. A pra\xE7" "a fica ao sul.\r\n"},
    {"errocmd.scx",
     "/ errocmd: o que o modo 2 responde a um comando que n\xE3o conhece\r\n"
     "msg= N\xE3o entendi.\r\n"},
    {"comandos.scx",
     "NORTE | @norte\r\n"
     "N | @norte\r\n"
     "SUL | @sul\r\n"
     "S | @sul\r\n"
     "OLHAR | @pos\r\n"},
};

// A place's picture: sky, ground and one building of its own colour.
QImage placePicture(QColor sky, QColor ground, QColor building, int door) {
  QImage picture(670, 280, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.fillRect(0, 0, 670, 170, sky);
  painter.fillRect(0, 170, 670, 110, ground);
  painter.fillRect(240, 60, 190, 130, building);
  painter.fillRect(door, 130, 40, 60, ground.darker(160));
  return picture;
}

QImage endButtonPicture(bool pressed) {
  QImage picture(60, 30, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.fillRect(0, 0, 60, 30, pressed ? QColor(0x90, 0x30, 0x20) : QColor(0xC0, 0x50, 0x30));
  painter.fillRect(pressed ? 4 : 2, pressed ? 4 : 2, 54, 24, pressed ? QColor(0xB0, 0x40, 0x28) : QColor(0xE0, 0x70, 0x40));
  return picture;
}

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A short click: 16-bit mono PCM at 22 050 Hz, a decaying square wave.
std::string clickWav(int period) {
  constexpr int kRate = 22050, kFrames = 1100;
  std::string samples;
  for (int i = 0; i < kFrames; ++i) {
    const int level = 9000 * (kFrames - i) / kFrames;
    putLittleEndian(samples, static_cast<uint16_t>(static_cast<int16_t>((i / period) % 2 ? level : -level)), 2);
  }
  std::string wav = "RIFF";
  putLittleEndian(wav, static_cast<uint32_t>(36 + samples.size()), 4);
  wav += "WAVEfmt ";
  putLittleEndian(wav, 16, 4);
  putLittleEndian(wav, 1, 2);  // PCM
  putLittleEndian(wav, 1, 2);  // mono
  putLittleEndian(wav, kRate, 4);
  putLittleEndian(wav, kRate * 2, 4);
  putLittleEndian(wav, 2, 2);
  putLittleEndian(wav, 16, 2);
  wav += "data";
  putLittleEndian(wav, static_cast<uint32_t>(samples.size()), 4);
  return wav + samples;
}

// A second of silence as MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz, mono):
// every frame's side information is zero, so it decodes to silence.
std::string silentMp3() {
  constexpr int kFrameBytes = 144 * 128000 / 44100, kFrames = 38;
  std::string frame(kFrameBytes, '\0');
  frame[0] = '\xFF';
  frame[1] = '\xFB';
  frame[2] = '\x90';
  frame[3] = '\xC0';
  std::string mp3;
  for (int i = 0; i < kFrames; ++i) mp3 += frame;
  return mp3;
}

bool folderHoldsFiles(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::exists(folder, error) && !std::filesystem::is_empty(folder, error);
}

QString translate(const char* source) { return QCoreApplication::translate("Options", source); }

}  // namespace

bool writeNewGame(const std::filesystem::path& folder, const std::string& name, std::string& error) {
  if (name.empty() || name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-") !=
                          std::string::npos) {
    error = translate("the game's name \"%1\" must be letters, digits, - and _ only").arg(QString::fromStdString(name)).toStdString();
    return false;
  }
  if (folderHoldsFiles(folder)) {
    error = translate("%1 already holds files; --new writes only into a new or empty folder")
                .arg(QString::fromStdString(folder.string()))
                .toStdString();
    return false;
  }
  std::error_code created;
  std::filesystem::create_directories(folder, created);
  const base::Lines rows = tableRows(name);
  bool written = base::writeTextLines(folder / "mirandel.ini", rows);
  if (name != "mirandel") written = written && base::writeTextLines(folder / (name + ".ini"), rows);
  written = written && base::writeTextLines(folder / (name + ".rgs"), base::Lines(20, ""));
  written = written && base::writeFileAtomically(folder / (name + ".obz"), "");
  written = written && base::writeFileAtomically(folder / (name + ".obx"), "");
  for (const auto& script : kScripts) written = written && base::writeFileAtomically(folder / script.name, script.text);
  written = written && base::writeFileAtomically(folder / "clk0a.wav", clickWav(6));
  written = written && base::writeFileAtomically(folder / "clk0b.wav", clickWav(9));
  written = written && base::writeFileAtomically(folder / "clk3.wav", clickWav(3));
  // The title theme is named after the player (its own table), not the game.
  written = written && base::writeFileAtomically(folder / "mirandel.mp3", silentMp3());
  written = written && placePicture(QColor(0x9C, 0xC8, 0xE8), QColor(0x8A, 0x7A, 0x5C), QColor(0xB8, 0x6A, 0x48), 315)
                           .save(QString::fromStdString((folder / "praca.bmp").string()), "BMP");
  written = written && placePicture(QColor(0x50, 0x60, 0x90), QColor(0x6C, 0x6C, 0x64), QColor(0xD8, 0xD0, 0xB8), 315)
                           .save(QString::fromStdString((folder / "capela.bmp").string()), "BMP");
  written = written && endButtonPicture(false).save(QString::fromStdString((folder / "U-bot1.bmp").string()), "BMP");
  written = written && endButtonPicture(true).save(QString::fromStdString((folder / "D-bot1.bmp").string()), "BMP");
  if (!written)
    error = translate("cannot write the game into %1").arg(QString::fromStdString(folder.string())).toStdString();
  return written;
}

int newGameCommand(const std::string& folder, const std::string& name) {
  std::string error;
  if (!writeNewGame(folder, name, error)) {
    std::fprintf(stderr, "mirandel: %s\n", error.c_str());
    return 1;
  }
  std::printf("mirandel: %s\n",
              translate("wrote the game %1 into %2; play it with: mirandel --game %2")
                  .arg(QString::fromStdString(name), QString::fromStdString(folder))
                  .toLocal8Bit()
                  .constData());
  return 0;
}

}  // namespace app
