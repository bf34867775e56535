// The host's seams: the recording host writes each request as a line (the
// dump's errors.txt, sounds.txt, opened.txt) and passes everything on to the
// host inside it; the null network fails every request; a front end chooses
// the devices at run time.
#include <gtest/gtest.h>

#include "backends/headless_host.h"
#include "platform/recording_host.h"

TEST(HostSeams, TheRecordingHostRecordsEverySoundRequestWithItsMode) {
  backends::HeadlessHost headless;
  platform::RecordingHost host(headless);
  auto& sound = host.soundRequests();
  sound.playEffect("clk3.wav", platform::EffectMode::Once);
  sound.playEffect("sino.wav", platform::EffectMode::Wait);
  sound.playEffect("chuva.wav", platform::EffectMode::Loop);
  sound.playEffect("chuva.wav", platform::EffectMode::Stop);
  sound.playMusic("tema.mp3");
  sound.setVolume(80);
  sound.stopMusic();
  EXPECT_EQ(host.record.sounds,
            (std::vector<std::string>{"effect clk3.wav", "effect sino.wav wait", "effect chuva.wav loop",
                                      "effect chuva.wav stop", "music tema.mp3", "volume 80", "music stop"}));
}

TEST(HostSeams, TheRecordingHostPassesEverythingOnToTheHostInsideIt) {
  backends::HeadlessHost headless;
  platform::RecordingHost host(headless);
  std::vector<std::string> told;
  headless.onError = [&](const std::string& message) { told.push_back("error " + message); };
  headless.onText = [&](platform::TextSink, const std::string& text) { told.push_back("text " + text); };
  host.errorBox("falhou");
  host.textProduced(platform::TextSink::Msg, "Ol\xE1");
  host.startProgram("leia.exe", {"-a", "b.txt"});
  host.sleep(250);
  EXPECT_EQ(told, (std::vector<std::string>{"error falhou", "text Ol\xE1"}));
  EXPECT_EQ(host.record.errors, std::vector<std::string>{"falhou"});
  EXPECT_EQ(host.record.opened, std::vector<std::string>{"leia.exe -a b.txt"});
  EXPECT_EQ(headless.now(), 250);
  EXPECT_EQ(headless.sleptTotal(), 250);
  EXPECT_EQ(&host.soundDevice(), &headless.soundDevice());
  EXPECT_EQ(&host.http(), &headless.http());
  host.quit();
  EXPECT_TRUE(host.closing());
}

TEST(HostSeams, AFrontEndChoosesTheDevicesAtRunTime) {
  backends::HeadlessHost host;
  platform::SoundDevice& silence = host.soundDevice();
  platform::NullSoundDevice speakers([] { return int64_t{0}; });
  host.devices.setSoundDevice(&speakers);
  EXPECT_EQ(&host.soundDevice(), &speakers);
  host.devices.setSoundDevice(nullptr);  // none given: the silent device again
  EXPECT_EQ(&host.soundDevice(), &silence);
  platform::HttpClient& network = host.http();
  host.devices.useHttp(nullptr);  // none given: the one in use stays
  EXPECT_EQ(&host.http(), &network);
  auto chosen = std::make_unique<platform::NullHttp>();
  platform::NullHttp* expected = chosen.get();
  host.devices.useHttp(std::move(chosen));
  EXPECT_EQ(&host.http(), expected);
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

TEST(HostSeams, TheRecordKeepsTheMostRecentRequestsHoweverLongThePlay) {
  // A game failing in a loop for hours: the record holds the latest requests,
  // in order and without gaps, and never more than twice the number kept.
  backends::HeadlessHost headless;
  platform::RecordingHost host(headless);
  const int total = 5 * static_cast<int>(platform::kRecentLinesKept) + 123;
  for (int i = 0; i < total; ++i) {
    host.errorBox("erro " + std::to_string(i));
    host.soundRequests().playEffect(std::to_string(i) + ".wav", platform::EffectMode::Once);
    host.openWebPage("http://exemplo.net/" + std::to_string(i));
  }
  for (const auto* lines : {&host.record.errors, &host.record.sounds, &host.record.opened}) {
    ASSERT_GE(lines->size(), platform::kRecentLinesKept);
    ASSERT_LT(lines->size(), 2 * platform::kRecentLinesKept);
    const int first = total - static_cast<int>(lines->size());
    for (size_t i = 0; i < lines->size(); i += 997)
      EXPECT_NE((*lines)[i].find(std::to_string(first + static_cast<int>(i))), std::string::npos) << (*lines)[i];
    EXPECT_NE(lines->back().find(std::to_string(total - 1)), std::string::npos);
  }
}
