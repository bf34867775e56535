// A server that never lets go: a reply that drips a byte at a time is given
// up under the minimum rate, and a stop (the player closing, a stop signal)
// ends a transfer at once.
#include <gtest/gtest.h>

#include <csignal>
#include <chrono>
#include <thread>

#include <unistd.h>

#include "backends/curl_http.h"
#include "platform/stop_signals.h"
#include "support/child_process.h"
#include "support/test_server.h"

using namespace testing_support;
using Clock = std::chrono::steady_clock;

TEST(HostileOnline, AReplyThatDripsIsGivenUpUnderTheMinimumRate) {
  TestServer server;
  server.dripAt("/lista", 1600000);  // days at two bytes a second
  const std::string url = server.url() + "lista";
  EXPECT_TRUE(finishesInChild(20, [&] {
    backends::CurlHttp http;
    platform::HttpRequest request;
    request.url = url;
    request.readTimeoutMs = 2000;  // every byte comes well within it
    request.totalTimeoutMs = 0;    // as for the game's files
    const auto started = Clock::now();
    const auto reply = http.get(request);
    return !reply.answered() && reply.failure.find("bytes por segundo") != std::string::npos &&
           Clock::now() - started < std::chrono::seconds(5);
  }));
}

TEST(HostileOnline, ThePlayerClosingEndsATransferAtOnce) {
  TestServer server;
  server.stallAt("/parado");
  const auto started = Clock::now();
  backends::CurlHttp http({}, [&] { return Clock::now() - started > std::chrono::milliseconds(300); });
  platform::HttpRequest request;
  request.url = server.url() + "parado";
  request.readTimeoutMs = 10000;
  const auto reply = http.get(request);
  EXPECT_FALSE(reply.answered());
  EXPECT_LT(Clock::now() - started, std::chrono::seconds(3));
}

TEST(HostileOnline, AStopSignalEndsATransferAtOnceAndStaysForTheFrontEnd) {
  TestServer server;
  server.stallAt("/parado");
  const std::string url = server.url() + "parado";
  // In a child: the stop signals' handlers stay out of the test program.
  EXPECT_TRUE(finishesInChild(30, [&] {
    platform::installStopSignals();
    std::thread stopper([] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      ::kill(::getpid(), SIGTERM);
    });
    backends::CurlHttp http;
    platform::HttpRequest request;
    request.url = url;
    request.readTimeoutMs = 10000;
    const auto started = Clock::now();
    const auto reply = http.get(request);
    const auto took = Clock::now() - started;
    stopper.join();
    return !reply.answered() && took < std::chrono::seconds(3) && platform::stopSignalReceived();
  }));
}
