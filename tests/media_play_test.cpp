// End to end: the title theme, sounds and rain in scripted play (the dump's
// state rows, sounds.txt, the rain frame in tela.png) and in the terminal.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>

#include "model/defs.h"
#include "sound_writers.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

synth::Samples tone(int frames) {
  synth::Samples sound;
  for (int i = 0; i < frames; ++i) sound.data.push_back(static_cast<int16_t>(9000 * std::sin(i * 0.1)));
  return sound;
}

struct MediaPlayTest : ::testing::Test {
  MediaPlayTest() {
    writeGameFiles(game, {"a"});
    game.write("abertura.scx", "modo= 1\nmsg= Olá.");
    game.write("chuva.scx",
               "cleartela 202020\nchuva= gotas.bmp\nchuva= time,40\nchuva= on\nvolume= 250\nplaysnd sino.wav,off\n"
               "playsnd porta.wav");
    QImage drops(670, 280, QImage::Format_RGB32);
    drops.fill(0xFFFF00FF);
    for (int x = 0; x < 670; ++x) drops.setPixel(x, 10, 0xFFFFFFFF);
    drops.save(QString::fromStdString((game.path() / "gotas.bmp").string()), "BMP");
    synth::writeWav(game.path() / "sino.wav", tone(11025));  // half a second
    synth::writeWav(game.path() / "porta.wav", tone(2205));
  }
  int run(const std::string& command) { return WEXITSTATUS(std::system(command.c_str())); }
  std::string state(const std::string& dump, const std::string& name) { return dumpedState(game, dump, name); }
  TempFolder game;
};

}  // namespace

TEST_F(MediaPlayTest, ScriptedPlayDumpsTheSoundsAndTheRainFrame) {
  ASSERT_EQ(playEvents(game, "start\nrun chuva\nwait 400\ndump " + (game.path() / "d").string() + "\n"), 0)
      << game.read("stderr.txt");
  // Without the title theme the player says so and goes on.
  auto errors = game.readUtf8Lines("d/errors.txt");
  ASSERT_EQ(errors.size(), 1u) << game.read("d/errors.txt");
  EXPECT_EQ(errors[0], "Não encontrei a música mirandel.mp3");
  EXPECT_EQ(game.readUtf8Lines("d/sounds.txt"),
            (std::vector<std::string>{"music mirandel.mp3", "volume 250", "effect sino.wav wait", "effect porta.wav"}));
  EXPECT_EQ(state("d", "music"), "");
  EXPECT_EQ(state("d", "volume"), "250");
  EXPECT_EQ(state("d", "rain"), "on");
  EXPECT_EQ(state("d", "rainInterval"), "40");
  EXPECT_EQ(state("d", "rainStep"), "20");
  EXPECT_EQ(state("d", "rainPicture"), "gotas.bmp");
  EXPECT_EQ(state("d", "rainMask"), "");
  // The "off" wait took half a second of the clock, which the rain did not
  // see (no tick during a run): ten ticks from the wait, the tenth showing the
  // drops nine steps down.
  QImage tela((game.path() / "d" / "tela.png").c_str());
  ASSERT_FALSE(tela.isNull());
  EXPECT_EQ(tela.pixel(100, 190), 0xFFFFFFFF);
  EXPECT_EQ(tela.pixel(100, 10), 0xFF202020);
}

TEST_F(MediaPlayTest, TheTerminalNamesTheMusicAndTheSoundsAndStartsTheTheme) {
  synth::writeMp3(game.path() / "mirandel.mp3", tone(22050), 32);
  game.write("comandos.scx", "SOM | som\n");
  game.write("som.scx", "playsnd porta.wav\nplaymusica outra.mp3");
  game.writeBytes("input.txt", "som\n");
  // The terminal's own words in Portuguese.
  run("LANGUAGE= LC_ALL= LANG=pt_BR.UTF-8 " + std::string(MIRANDEL_BINARY) + " --text --mute --game " + game.path().string() + " <" +
      (game.path() / "input.txt").string() + " >" + (game.path() / "output.txt").string() + " 2>&1");
  const std::string out = game.read("output.txt");
  EXPECT_NE(out.find("[música: mirandel.mp3]"), std::string::npos) << out;
  EXPECT_NE(out.find("[som: porta.wav]\n[música: outra.mp3]"), std::string::npos) << out;
  EXPECT_NE(out.find("[erro] Erro no script som.scx, linha 2: não encontrei a música outra.mp3"), std::string::npos) << out;
  EXPECT_EQ(out.find("[erro] Não encontrei a música mirandel.mp3"), std::string::npos) << out;
}
