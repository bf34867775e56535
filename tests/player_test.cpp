// The input queue: input that arrives while a run lets pending events run waits
// until the run has ended; a run never starts inside another run.
#include <gtest/gtest.h>

#include "script/runner.h"
#include "shell/player.h"
#include "support/test_game.h"

using namespace testing_support;

TEST(Player, InputDuringARunIsHandledAfterTheRunInOrder) {
  TestGame t;
  shell::Player player(*t.game);
  t.script("longo", "msg= um\nsetpos= longo\nmsg= dois");
  t.script("curto", "setpos= curto");
  std::vector<std::string> started;
  int nested = 0;
  t.host.onProcessEvents = [&] {
    // A click arrives while "longo" lets pending events run (once).
    if (t.game->runner.currentScript == "longo" && nested++ == 0) {
      player.post({shell::PlayerInput::Kind::Run, "curto"});
      started.push_back(t.game->runner.currentScript);  // still longo: nothing ran inside
    }
  };
  player.post({shell::PlayerInput::Kind::Run, "longo"});
  EXPECT_EQ(started, std::vector<std::string>{"longo"});
  EXPECT_EQ(t.game->world.Posic, "curto");  // the queued run came after
  EXPECT_FALSE(player.busy());
}

TEST(Player, QuitStopsTheQueueAndUnknownInputIsReported) {
  TestGame t;
  shell::Player player(*t.game);
  std::string refused;
  player.onUnsupported = [&](const std::string& why) { refused = why; };
  player.post({shell::PlayerInput::Kind::Click, "tel", 3, 4});
  EXPECT_NE(refused.find("clicks"), std::string::npos);
  t.script("s", "setpos= s");
  t.host.onProcessEvents = [&] {
    if (!player.quitRequested()) {
      player.post({shell::PlayerInput::Kind::Quit, {}});
      player.post({shell::PlayerInput::Kind::Run, "s"});
    }
  };
  player.post({shell::PlayerInput::Kind::Run, "outro"});
  EXPECT_TRUE(player.quitRequested());
  EXPECT_NE(t.game->world.Posic, "s");  // nothing runs after quit
}

TEST(Player, AnInputThatFailsUnexpectedlyIsReportedAndTheQueueGoesOn) {
  TestGame t;
  shell::Player player(*t.game);
  player.onStart = [](shell::Game&, const shell::PlayerInput&) { throw std::runtime_error("falhou"); };
  player.post({shell::PlayerInput::Kind::Start, {}});
  ASSERT_EQ(t.host.record.errors.size(), 1u);
  EXPECT_NE(t.host.record.errors[0].find("falhou"), std::string::npos);
  EXPECT_FALSE(player.busy());
  t.script("s", "setpos= s");
  player.post({shell::PlayerInput::Kind::Run, "s"});
  EXPECT_EQ(t.game->world.Posic, "s");
}

TEST(Runner, AnUnexpectedFailureInsideARunEndsOnlyTheRun) {
  TestGame t;
  t.game->dispatch.add("quebra", [](shell::Game&, script::Statement&) { throw std::length_error("grande demais"); });
  t.script("s", "setpos= antes\nquebra\nsetpos= depois");
  t.run("s");
  EXPECT_EQ(t.game->world.Posic, "antes");
  EXPECT_FALSE(t.game->runner.running);
  EXPECT_NE(t.errors().find("s.scx, linha 2: erro inesperado: grande demais"), std::string::npos);
}
