// Music and sound with the silent output: playsnd's modes and what they cost on
// the clock, the name cut, missing files, volume=, playmusica's failures and
// the click sounds; and the decoders on files we wrote ourselves.
#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>

#include "base/file_io.h"

#include "input/command_keys.h"
#include "media/sound_decoders.h"
#include "sound_writers.h"
#include "support/test_game.h"

using namespace testing_support;
using platform::SoundChannel;

namespace {

// A mono tone of the given length at 22050 Hz.
synth::Samples tone(int frames, double frequency = 440) {
  synth::Samples sound;
  sound.rate = 22050;
  sound.data.resize(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i)
    sound.data[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(12000 * std::sin(2 * M_PI * frequency * i / 22050)));
  return sound;
}

struct SoundTest : ::testing::Test {
  SoundTest() {
    // 1000 ms, 500 ms and 250 ms.
    synth::writeWav(t.folder.path() / "longo.wav", tone(22050));
    synth::writeWav(t.folder.path() / "curto.wav", tone(11025));
    synth::writeWav(t.folder.path() / "clk3.wav", tone(5513));
  }
  platform::NullSoundDevice& output() { return dynamic_cast<platform::NullSoundDevice&>(t.host.soundDevice()); }
  const std::vector<std::string>& sounds() { return t.host.record.sounds; }
  int64_t runTime(const std::string& lines) {
    t.script("s", lines);
    const int64_t before = t.host.now();
    t.run("s");
    return t.host.now() - before;
  }
  TestGame t;
};

}  // namespace

TEST_F(SoundTest, ASecondEffectCutsTheFirstAndEmptyNamesDoNothing) {
  EXPECT_EQ(runTime("playsnd longo.wav\nplaysnd curto.wav\nplaysnd\nplaysnd ,off\nplaysnd ,on"), 0);
  EXPECT_EQ(sounds(), (std::vector<std::string>{"effect longo.wav", "effect curto.wav"}));
  EXPECT_EQ(t.game->media.effect, "curto.wav");
  EXPECT_EQ(output().length(SoundChannel::Effect), 500);
  t.headless.advance(499);
  EXPECT_TRUE(output().playing(SoundChannel::Effect));
  t.headless.advance(1);
  EXPECT_FALSE(output().playing(SoundChannel::Effect));  // the cut sound's longer length is gone
}

TEST_F(SoundTest, OffWaitsForTheWholeSoundOnTheClock) {
  EXPECT_EQ(runTime("playsnd longo.wav,off\nplaysnd curto.wav,off\nsetpos= depois"), 1500);
  EXPECT_EQ(t.game->world.Posic, "depois");
  EXPECT_FALSE(output().playing(SoundChannel::Effect));
  EXPECT_EQ(sounds().back(), "effect curto.wav wait");
}

TEST_F(SoundTest, ClosingThePlayerEndsTheWait) {
  t.host.quit();
  EXPECT_LT(runTime("playsnd longo.wav,off"), 1000);
  EXPECT_FALSE(output().playing(SoundChannel::Effect));
}

TEST_F(SoundTest, OnLoopsUntilItsFileIsStopped) {
  EXPECT_EQ(runTime("playsnd curto.wav,on"), 0);
  t.headless.advance(60000);
  EXPECT_TRUE(output().playing(SoundChannel::Effect));
  runTime("playsnd longo.wav,stop");  // another file: the loop goes on
  EXPECT_TRUE(output().playing(SoundChannel::Effect));
  runTime("playsnd curto.wav,stop");
  EXPECT_FALSE(output().playing(SoundChannel::Effect));
  EXPECT_EQ(sounds(), (std::vector<std::string>{"effect curto.wav loop", "effect longo.wav stop", "effect curto.wav stop"}));
}

TEST_F(SoundTest, MissingEffectsPlayTheDefaultSoundAndAreNotLogged) {
  const std::string longName = std::string(80, 'a') + ".wav";
  const int64_t chime = media::defaultSound()->milliseconds();
  ASSERT_GT(chime, 0);
  // ",off" waits for the default sound; ",on" plays it once.
  EXPECT_EQ(runTime("playsnd " + longName + "\nplaysnd " + longName + ",off\nplaysnd nada.wav,on"), chime);
  const std::string cut = longName.substr(0, 79);
  EXPECT_EQ(sounds(), (std::vector<std::string>{"effect " + cut, "effect " + cut + " wait", "effect nada.wav loop"}));
  EXPECT_TRUE(output().playing(SoundChannel::Effect));
  EXPECT_EQ(output().length(SoundChannel::Effect), chime);
  t.headless.advance(chime);
  EXPECT_FALSE(output().playing(SoundChannel::Effect));
  // The end button's clicks of a game without them: the default sound, nothing in debug.txt.
  t.game->sound().playEffect("clk0a.wav", platform::EffectMode::Once);
  EXPECT_TRUE(output().playing(SoundChannel::Effect));
  t.game->sound().playEffect("clk0b.wav", platform::EffectMode::Once);
  for (const std::string& line : t.game->debug.lines()) EXPECT_EQ(line.find(".wav"), std::string::npos) << line;
  const auto written = base::readFileBytes(t.game->folders.exeFolder / "debug.txt");
  EXPECT_TRUE(!written || written->find(".wav") == std::string::npos) << *written;

  // The cut name is the file that plays.
  synth::writeWav(t.folder.path() / cut, tone(2205));
  EXPECT_EQ(runTime("playsnd " + longName + ",off"), 100);
}

// GSM 6.10 holds 320 samples a block: a sound of 900 samples fills three
// blocks (195 bytes, an odd count padded in the file) and the fact chunk says 900.
TEST_F(SoundTest, CompressedWavesPlayTheLengthTheirFactChunkGives) {
  const auto path = t.folder.path() / "gsm.wav";
  SF_INFO info{};
  info.samplerate = 8000;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_GSM610;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr);
  const synth::Samples sound = tone(900);
  ASSERT_EQ(sf_writef_short(file, sound.data.data(), 900), 900);
  sf_close(file);
  std::string error;
  auto decoded = media::openSound(path, error);
  ASSERT_TRUE(decoded) << error;
  EXPECT_EQ(decoded->frames(), 900);
  std::vector<int16_t> samples(4096);
  int64_t total = 0;
  for (int64_t got; (got = decoded->read(samples.data(), 256)) > 0;) total += got;
  EXPECT_EQ(total, 900);
  ASSERT_TRUE(decoded->rewind());
  EXPECT_EQ(decoded->read(samples.data(), 4096), 900);
  EXPECT_EQ(decoded->milliseconds(), 112);
}

TEST_F(SoundTest, UnplayableEffectsAreLoggedAndTheRunGoesOn) {
  t.folder.writeBytes("quebrado.wav", "isto n\xE3o \xE9 som");
  runTime("playsnd quebrado.wav,off\nsetpos= depois");
  EXPECT_EQ(t.game->world.Posic, "depois");
  EXPECT_EQ(t.errors(), "");
  EXPECT_NE(utf(t.game->debug.lines().back()).find("quebrado.wav"), std::string::npos);
}

TEST_F(SoundTest, VolumeMapsTheScriptsNumberOntoTheDevice) {
  const std::pair<const char*, double> cases[] = {{"500", 0.5}, {"abc", 0.0}, {"2000", 1.0}, {"-7", 0.0}, {"1000", 1.0}};
  for (const auto& [level, volume] : cases) {
    runTime(std::string("volume= ") + level);
    EXPECT_DOUBLE_EQ(output().musicVolume(), volume) << level;
  }
  EXPECT_EQ(t.game->media.volume, 1000);
  EXPECT_EQ(sounds()[1], "volume 0");
}

TEST_F(SoundTest, MusicPlaysAndAMissingOrBrokenFileAbortsTheRun) {
  synth::writeMp3(t.folder.path() / "tema.mp3", tone(22050), 64);
  runTime("playmusica tema.mp3\nsetpos= tocando");
  EXPECT_EQ(t.errors(), "");
  EXPECT_EQ(t.game->media.music, "tema.mp3");
  EXPECT_TRUE(output().playing(SoundChannel::Music));
  EXPECT_EQ(output().length(SoundChannel::Music), 1000);

  runTime("play nada.mp3\nsetpos= depois");
  EXPECT_EQ(t.game->world.Posic, "tocando");
  EXPECT_NE(t.errors().find("s.scx, linha 1: não encontrei a música nada.mp3"), std::string::npos) << t.errors();
  t.folder.writeBytes("ruim.mp3", std::string(3000, 'x'));
  runTime("playmusica ruim.mp3\nsetpos= depois");
  EXPECT_EQ(t.game->world.Posic, "tocando");
  EXPECT_NE(t.errors().find("não consegui tocar a música ruim.mp3"), std::string::npos) << t.errors();
  EXPECT_EQ(t.game->media.music, "tema.mp3");
}

TEST_F(SoundTest, KeysInTheCommandBoxClick) {
  input::keyPressed(*t.game);
  EXPECT_EQ(sounds(), std::vector<std::string>{"effect clk3.wav"});
  EXPECT_EQ(t.game->media.effect, "clk3.wav");
  EXPECT_TRUE(output().playing(SoundChannel::Effect));
  EXPECT_EQ(output().length(SoundChannel::Effect), 250);
}

TEST(SoundDecoders, WavAndMp3DecodeToTheirFramesAndSamples) {
  TempFolder folder;
  synth::Samples stereo;
  stereo.rate = 8000;
  stereo.channels = 2;
  for (int i = 0; i < 1000; ++i) stereo.data.insert(stereo.data.end(), {int16_t(i * 7 - 3000), int16_t(-i)});
  ASSERT_TRUE(synth::writeWav(folder.path() / "par.wav", stereo));
  std::string error;
  auto wav = media::openSound(folder.path() / "par.wav", error);
  ASSERT_TRUE(wav) << error;
  EXPECT_EQ(wav->sampleRate(), 8000);
  EXPECT_EQ(wav->channels(), 2);
  EXPECT_EQ(wav->frames(), 1000);
  std::vector<int16_t> samples(2400);
  EXPECT_EQ(wav->read(samples.data(), 1200), 1000);
  samples.resize(2000);
  EXPECT_EQ(samples, stereo.data);
  ASSERT_TRUE(wav->rewind());
  EXPECT_EQ(wav->read(samples.data(), 1), 1);
  EXPECT_EQ(samples[0], -3000);

  const synth::Samples sine = tone(22050, 440);
  ASSERT_TRUE(synth::writeMp3(folder.path() / "seno.mp3", sine, 64));
  auto mp3 = media::openSound(folder.path() / "seno.mp3", error);
  ASSERT_TRUE(mp3) << error;
  EXPECT_EQ(mp3->sampleRate(), 22050);
  EXPECT_EQ(mp3->channels(), 1);
  EXPECT_EQ(mp3->frames(), 22050);  // the encoder's delay and padding are dropped
  std::vector<int16_t> decoded(30000);
  ASSERT_EQ(mp3->read(decoded.data(), 30000), 22050);
  double error2 = 0, signal2 = 0;
  for (size_t i = 0; i < 22050; ++i) {
    error2 += std::pow(double(decoded[i]) - sine.data[i], 2);
    signal2 += std::pow(double(sine.data[i]), 2);
  }
  EXPECT_LT(std::sqrt(error2 / signal2), 0.08);  // within the codec's loss at 64 kbit/s

  folder.writeBytes("nada.wav", "RIFF????WAVEjunk");
  EXPECT_FALSE(media::openSound(folder.path() / "nada.wav", error));
  EXPECT_FALSE(error.empty());
}
