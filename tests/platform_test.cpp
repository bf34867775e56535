// The host's seams: the null sound backend writes each request as a line (the
// dump's sounds.txt), the null network fails every request, and a front end can
// put a real backend in place of either.
#include <gtest/gtest.h>

#include "backends/headless_host.h"

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
  backends::HeadlessHost host;
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
  backends::HeadlessHost host;
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
  backends::HeadlessHost host;
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

TEST(HostSeams, TheRecordKeepsTheMostRecentRequestsHoweverLongThePlay) {
  // A game failing in a loop for hours: the record holds the latest requests,
  // in order and without gaps, and never more than twice the number kept.
  backends::HeadlessHost host;
  const int total = 5 * static_cast<int>(platform::kRecentLinesKept) + 123;
  for (int i = 0; i < total; ++i) {
    host.errorBox("erro " + std::to_string(i));
    host.sound().playEffect(std::to_string(i) + ".wav", platform::EffectMode::Once);
    host.openWebPage("http://exemplo.net/" + std::to_string(i));
  }
  for (const auto* lines : {&host.requests().errors, &host.requests().sounds, &host.requests().opened}) {
    ASSERT_GE(lines->size(), platform::kRecentLinesKept);
    ASSERT_LT(lines->size(), 2 * platform::kRecentLinesKept);
    const int first = total - static_cast<int>(lines->size());
    for (size_t i = 0; i < lines->size(); i += 997)
      EXPECT_NE((*lines)[i].find(std::to_string(first + static_cast<int>(i))), std::string::npos) << (*lines)[i];
    EXPECT_NE(lines->back().find(std::to_string(total - 1)), std::string::npos);
  }
}
