// Scripts that make a run work without end inside its step bound: one that
// loads itself (a megabyte) at every step, two that load each other, and an
// endless loop the player closes the window on.
#include <gtest/gtest.h>

#include "model/runner_state.h"
#include "support/child_process.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A script of about a megabyte: the given first lines, then comments.
std::string megabyteScript(const std::string& firstLines) {
  std::string script = firstLines;
  for (int i = 0; i < 30000; ++i) script += "\n// comentario que so ocupa lugar no script";
  return script;
}

}  // namespace

TEST(HostileScript, AScriptThatLoadsItselfIsReadOnce) {
  EXPECT_TRUE(finishesInChild(60, [] {
    TestGame t;
    t.script("s", megabyteScript("script s\nscript s"));
    t.game->runner.maxStepsPerRun = 50'000;  // tens of gigabytes if each load read the file
    t.run("s");
    return contains(t.errors(), "50000") && t.game->runner.scriptBytesThisRun < (2 << 20);
  }));
  // A script changed on disk is read again.
  TestGame t;
  t.script("a", "script b\nmsg= fim");
  t.script("b", "x\nreg= 1,primeiro");
  t.run("a");
  EXPECT_EQ(t.reg(1), "primeiro");
  t.script("b", "x\nreg= 1,segundo e mais longo");
  t.run("a");
  EXPECT_EQ(t.reg(1), "segundo e mais longo");
}

TEST(HostileScript, ScriptsThatLoadEachOtherStopAtTheBytesBound) {
  EXPECT_TRUE(finishesInChild(120, [] {
    TestGame t;
    t.script("a", megabyteScript("x\nscript b"));
    t.script("b", megabyteScript("x\nscript a"));
    t.run("a");
    return contains(t.errors(), "256 MB") && t.game->runner.stepsThisRun < 1000;
  }));
}

TEST(HostileScript, ClosingThePlayerEndsAnEndlessRun) {
  EXPECT_TRUE(finishesInChild(60, [] {
    TestGame t;
    // The close comes once the loop runs.
    t.headless.onProcessEvents = [&] {
      if (t.game->runner.stepsThisRun > 0) t.host.quit();
    };
    t.script("s", ":volta\ngoto volta");
    t.run("s");
    const long long steps = t.game->runner.stepsThisRun;
    return t.headless.quitRequested() && steps > 0 && steps < 10 * model::kStepsBetweenEvents;
  }));
}
