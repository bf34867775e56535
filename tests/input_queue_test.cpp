// The input queue: input that arrives while a run lets pending events run waits
// until the run has ended; a run never starts inside another run.
#include <gtest/gtest.h>

#include "shell/input_queue.h"
#include "shell/turn.h"
#include "support/test_game.h"

using namespace testing_support;

TEST(InputQueue, InputDuringARunIsHandledAfterTheRunInOrder) {
  TestGame t;
  shell::InputQueue queue(*t.game);
  t.script("longo", "msg= um\nsetpos= longo\nmsg= dois");
  t.script("curto", "setpos= curto");
  std::vector<std::string> started;
  int nested = 0;
  t.headless.onProcessEvents = [&] {
    // A click arrives while "longo" lets pending events run (once).
    if (t.game->runner.currentScript == "longo" && nested++ == 0) {
      queue.post({shell::PlayerInput::Kind::Run, "curto"});
      started.push_back(t.game->runner.currentScript);  // still longo: nothing ran inside
    }
  };
  queue.post({shell::PlayerInput::Kind::Run, "longo"});
  EXPECT_EQ(started, std::vector<std::string>{"longo"});
  EXPECT_EQ(t.game->world.Posic, "curto");  // the queued run came after
  EXPECT_FALSE(queue.busy());
}

TEST(InputQueue, QuitStopsTheQueueAndUnknownInputIsReported) {
  TestGame t;
  shell::InputQueue queue(*t.game);
  std::string refused;
  queue.onUnsupported = [&](const std::string& why) { refused = why; };
  queue.post({shell::PlayerInput::Kind::Click, "tel", 3, 4});
  EXPECT_NE(refused.find("clicks"), std::string::npos);
  t.script("s", "setpos= s");
  t.headless.onProcessEvents = [&] {
    if (!queue.quitRequested()) {
      queue.post({shell::PlayerInput::Kind::Quit, {}});
      queue.post({shell::PlayerInput::Kind::Run, "s"});
    }
  };
  queue.post({shell::PlayerInput::Kind::Run, "outro"});
  EXPECT_TRUE(queue.quitRequested());
  EXPECT_NE(t.game->world.Posic, "s");  // nothing runs after quit
}

TEST(InputQueue, AnInputThatFailsUnexpectedlyIsReportedAndTheQueueGoesOn) {
  TestGame t;
  shell::InputQueue queue(*t.game);
  queue.onStart = [](model::Game&, const shell::PlayerInput&) { throw std::runtime_error("falhou"); };
  queue.post({shell::PlayerInput::Kind::Start, {}});
  ASSERT_EQ(t.host.record.errors.size(), 1u);
  EXPECT_NE(t.host.record.errors[0].find("falhou"), std::string::npos);
  EXPECT_FALSE(queue.busy());
  t.script("s", "setpos= s");
  queue.post({shell::PlayerInput::Kind::Run, "s"});
  EXPECT_EQ(t.game->world.Posic, "s");
}

TEST(Runner, AnUnexpectedFailureInsideARunEndsOnlyTheRun) {
  TestGame t;
  t.game->dispatch.add("quebra", [](model::Game&, model::Statement&) { throw std::length_error("grande demais"); });
  t.script("s", "setpos= antes\nquebra\nsetpos= depois");
  t.run("s");
  EXPECT_EQ(t.game->world.Posic, "antes");
  EXPECT_FALSE(t.game->runner.running);
  EXPECT_NE(t.errors().find("s.scx, linha 2: erro inesperado: grande demais"), std::string::npos);
}
