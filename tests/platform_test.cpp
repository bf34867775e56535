// The host's seams: the null sound backend writes each request as a line (the
// dump's sounds.txt), the null network fails every request, and a front end can
// put a real backend in place of either.
#include <gtest/gtest.h>

#include "platform/headless_host.h"

namespace {

struct CountingSound : platform::SoundOut {
  void playEffect(const std::string&, platform::EffectMode) override { ++effects; }
  void playMusic(const std::string&) override {}
  void stopMusic() override {}
  void setVolume(int) override {}
  int effects = 0;
};

}  // namespace

TEST(HostSeams, TheNullSoundRecordsEveryRequestWithItsMode) {
  platform::HeadlessHost host;
  auto& sound = host.sound();
  sound.playEffect("clk3.wav", platform::EffectMode::Once);
  sound.playEffect("sino.wav", platform::EffectMode::Wait);
  sound.playEffect("chuva.wav", platform::EffectMode::Loop);
  sound.playEffect("chuva.wav", platform::EffectMode::Stop);
  sound.playMusic("tema.mp3");
  sound.setVolume(80);
  sound.stopMusic();
  EXPECT_EQ(host.requests().sounds,
            (std::vector<std::string>{"effect clk3.wav", "effect sino.wav wait", "effect chuva.wav loop",
                                      "effect chuva.wav stop", "music tema.mp3", "volume 80", "music stop"}));
}

TEST(HostSeams, TheNullNetworkFailsEveryRequestAndKeepsItsAddress) {
  platform::HeadlessHost host;
  platform::HttpRequest request;
  request.url = "http://127.0.0.1:1/lista.txt";
  request.headers = {{"User-Agent", "mirandel"}};
  auto result = host.http().get(request);
  EXPECT_FALSE(result.answered());
  EXPECT_FALSE(result.failure.empty());
  EXPECT_TRUE(result.body.empty());
  platform::NullHttp http;
  http.get(request);
  EXPECT_EQ(http.requested, std::vector<std::string>{"http://127.0.0.1:1/lista.txt"});
}

TEST(HostSeams, AFrontEndChoosesTheSoundBackendAtRunTime) {
  platform::HeadlessHost host;
  auto counting = std::make_unique<CountingSound>();
  CountingSound* backend = counting.get();
  host.useSound(std::move(counting));
  host.sound().playEffect("clk3.wav", platform::EffectMode::Once);
  EXPECT_EQ(backend->effects, 1);
  EXPECT_TRUE(host.requests().sounds.empty());  // the real backend plays; nothing is recorded
  host.useSound(nullptr);                        // no backend given: the one in use stays
  host.sound().playEffect("clk3.wav", platform::EffectMode::Once);
  EXPECT_EQ(backend->effects, 2);
}
