// The session assembly both front ends use: the game talks to the recording
// host around the session's own host, the trace file takes every trace line as
// UTF-8, and the shared steps set the save slots' folder and the input wiring.
#include <gtest/gtest.h>

#include "backends/headless_host.h"
#include "backends/real_devices.h"
#include "shell/session.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

using HeadlessSession = shell::Session<backends::HeadlessHost>;

TEST(SessionTest, TheGameTalksToTheRecordingAroundTheSessionsOwnHost) {
  HeadlessSession session;
  std::vector<std::string> shown;
  session.host.onError = [&](const std::string& message) { shown.push_back(message); };
  session.game.host.errorBox("sem mapa");
  EXPECT_EQ(shown, std::vector<std::string>{"sem mapa"});
  EXPECT_EQ(session.recording.record.errors, std::vector<std::string>{"sem mapa"});
  session.host.advance(250);
  EXPECT_EQ(session.game.host.now(), 250);
}

TEST(SessionTest, PreparingKeepsSlotsInTheFolderAndTracesIntoTheFileAsUtf8) {
  TempFolder folder;
  const std::filesystem::path slotFolder = folder.path() / "slots";
  {
    HeadlessSession session;
    session.prepare(slotFolder, (folder.path() / "trace.txt").string());
    EXPECT_EQ(session.queue.saveSlots.folder(), slotFolder);
    session.game.trace("Executando script: a\xE7\xE3o.scx");
    session.game.trace("reg= 1,x");
  }
  EXPECT_EQ(folder.readUtf8Lines("trace.txt"),
            (std::vector<std::string>{"Executando script: a\xC3\xA7\xC3\xA3o.scx", "reg= 1,x"}));
}

TEST(SessionTest, ASessionWithoutSoundKeepsTheSilentDevice) {
  HeadlessSession session;
  platform::SoundDevice* silent = &session.host.soundDevice();
  session.speakers = backends::installRealDevices(session.host, session.host.devices, false);
  EXPECT_EQ(session.speakers, nullptr);
  EXPECT_EQ(&session.game.host.soundDevice(), silent);
  EXPECT_FALSE(session.game.host.soundDevice().realTime());
}

}  // namespace
