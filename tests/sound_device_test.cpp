// The real sound output through a PulseAudio server of the test's own with a
// null sink: the device takes every byte of the decoded sound. Skipped with a
// message where pulseaudio is not installed or cannot start.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "backends/qt_sound_device.h"
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

}  // namespace

TEST(SoundDevice, TheSinkTakesEveryDecodedByte) {
  TempFolder folder;
  PulseServer server(folder.path() / "runtime");
  if (!server.running()) GTEST_SKIP() << "no audio server for the real sound output: " << server.why();

  synth::Samples sound;
  sound.rate = 22050;
  for (int i = 0; i < 6615; ++i) sound.data.push_back(static_cast<int16_t>(8000 * std::sin(i * 0.125)));  // 300 ms
  ASSERT_TRUE(synth::writeWav(folder.path() / "som.wav", sound));
  std::string error;
  std::shared_ptr<platform::PcmSource> decoded = media::openSound(folder.path() / "som.wav", error);
  ASSERT_TRUE(decoded) << error;

  backends::QtSoundDevice output;
  output.play(SoundChannel::Effect, decoded, false);
  EXPECT_TRUE(output.playing(SoundChannel::Effect));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (output.playing(SoundChannel::Effect) && std::chrono::steady_clock::now() < deadline) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
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
