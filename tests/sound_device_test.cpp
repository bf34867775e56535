// The real sound output through a PulseAudio server of the test's own with a
// null sink: the device takes every byte of the decoded sound, also as the
// player opens it, from its module on the first sound. Skipped with a message
// where pulseaudio is not installed or cannot start. The sound system keeps the
// first audio server it meets for the whole process: each test wants a process
// of its own, as ctest runs them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "backends/lazy_sound_device.h"
#include "backends/qt_sound/qt_sound_device.h"
#include "media/sound_decoders.h"
#include "sound_writers.h"
#include "support/test_game.h"

using namespace testing_support;
using platform::SoundChannel;

namespace {

// A PulseAudio daemon in a private runtime folder, playing into a null sink.
class PulseServer {
 public:
  explicit PulseServer(const std::filesystem::path& runtime) : runtime_(runtime) {
    if (std::system("command -v pulseaudio >/dev/null 2>&1") != 0) {
      why_ = "pulseaudio is not installed";
      return;
    }
    std::filesystem::create_directories(runtime_);
    std::filesystem::permissions(runtime_, std::filesystem::perms::owner_all);
    const std::string start = environment() +
                              " pulseaudio -D -n --exit-idle-time=-1 --system=false --disallow-exit"
                              " --load=module-native-protocol-unix --load='module-null-sink sink_name=mirandel_test'"
                              " --log-target=file:" + (runtime_ / "log.txt").string() + " >/dev/null 2>&1";
    if (std::system(start.c_str()) != 0) {
      why_ = "pulseaudio did not start";
      return;
    }
    // The client library finds the server through these.
    setenv("PULSE_SERVER", ("unix:" + (runtime_ / "pulse" / "native").string()).c_str(), 1);
    setenv("PULSE_SINK", "mirandel_test", 1);
    running_ = true;
  }
  ~PulseServer() {
    if (running_) std::system((environment() + " pulseaudio --kill >/dev/null 2>&1").c_str());
  }
  bool running() const { return running_; }
  const std::string& why() const { return why_; }

 private:
  std::string environment() const { return "XDG_RUNTIME_DIR=" + runtime_.string() + " HOME=" + runtime_.string(); }
  std::filesystem::path runtime_;
  std::string why_;
  bool running_ = false;
};

std::shared_ptr<platform::PcmSource> decodedSound(const TempFolder& folder) {
  synth::Samples sound;
  sound.rate = 22050;
  for (int i = 0; i < 6615; ++i) sound.data.push_back(static_cast<int16_t>(8000 * std::sin(i * 0.125)));  // 300 ms
  EXPECT_TRUE(synth::writeWav(folder.path() / "som.wav", sound));
  std::string error;
  std::shared_ptr<platform::PcmSource> decoded = media::openSound(folder.path() / "som.wav", error);
  EXPECT_TRUE(decoded) << error;
  return decoded;
}

// Runs events until the channel is silent or ten seconds have gone by.
void waitForTheEnd(const platform::SoundDevice& output, SoundChannel channel) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (output.playing(channel) && std::chrono::steady_clock::now() < deadline) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

TEST(SoundDevice, TheSinkTakesEveryDecodedByte) {
  TempFolder folder;
  PulseServer server(folder.path() / "runtime");
  if (!server.running()) GTEST_SKIP() << "no audio server for the real sound output: " << server.why();

  auto decoded = decodedSound(folder);
  ASSERT_TRUE(decoded);

  backends::QtSoundDevice output;
  output.play(SoundChannel::Effect, decoded, false);
  EXPECT_TRUE(output.playing(SoundChannel::Effect));
  waitForTheEnd(output, SoundChannel::Effect);
  EXPECT_FALSE(output.playing(SoundChannel::Effect)) << "the sound never ended";
  EXPECT_EQ(output.bytesTaken(SoundChannel::Effect), 6615 * 2);

  // A loop goes on past its end until stopped.
  output.play(SoundChannel::Music, decoded, true);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  EXPECT_TRUE(output.playing(SoundChannel::Music));
  EXPECT_GT(output.bytesTaken(SoundChannel::Music), 6615 * 2);
  output.stop(SoundChannel::Music);
  EXPECT_FALSE(output.playing(SoundChannel::Music));
}

// The device as the player makes it: the module's device plays the sound through.
TEST(SoundDevice, TheModuleDevicePlaysASoundToItsEnd) {
  TempFolder folder;
  PulseServer server(folder.path() / "runtime");
  if (!server.running()) GTEST_SKIP() << "no audio server for the real sound output: " << server.why();
  auto decoded = decodedSound(folder);
  ASSERT_TRUE(decoded);
  backends::LazySoundDevice output({MIRANDEL_SOUND_MODULE_FILE});
  const auto start = std::chrono::steady_clock::now();
  output.play(SoundChannel::Effect, decoded, false);
  EXPECT_TRUE(output.opened());
  EXPECT_TRUE(output.playing(SoundChannel::Effect));
  waitForTheEnd(output, SoundChannel::Effect);
  EXPECT_FALSE(output.playing(SoundChannel::Effect)) << "the sound never ended";
  // It sounded for its length (300 ms), as a sound the sink takes does.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
}

// The player's device opens its module on the first sound, not before: what it
// was told until then (mute, volume, a stop) needs no module.
TEST(SoundDevice, TheModuleIsOpenedByTheFirstSoundAndAMissingOneLeavesTheSoundSilent) {
  TempFolder folder;
  auto decoded = decodedSound(folder);
  ASSERT_TRUE(decoded);

  backends::LazySoundDevice output({folder.path() / "nenhum.so", MIRANDEL_SOUND_MODULE_FILE});
  output.setMuted(true);
  output.setMusicVolume(0.5);
  output.stop(SoundChannel::Music);
  EXPECT_FALSE(output.playing(SoundChannel::Music));
  EXPECT_FALSE(output.opened());
  EXPECT_TRUE(output.muted());
  output.play(SoundChannel::Effect, decoded, false);
  EXPECT_TRUE(output.opened());  // the first place that exists
  EXPECT_TRUE(output.muted());
  output.stop(SoundChannel::Effect);

  testing::internal::CaptureStderr();
  backends::LazySoundDevice missing({folder.path() / "nenhum.so"});
  missing.play(SoundChannel::Effect, decoded, false);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(missing.opened());
  EXPECT_FALSE(missing.playing(SoundChannel::Effect));
  EXPECT_NE(said.find("nenhum.so"), std::string::npos) << said;
  missing.play(SoundChannel::Music, decoded, true);  // tried once; silent again
  EXPECT_FALSE(missing.playing(SoundChannel::Music));
}
