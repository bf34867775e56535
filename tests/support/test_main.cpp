// The test program's main: a Qt application (offscreen unless a platform is set)
// so pictures, fonts and the window can be used by the tests. The offscreen
// desktop has two screens side by side: a large main one (3840 x 2160) that
// holds the window at every scale, and a smaller one (1600 x 1000) on its
// right, where a window 2x and larger no longer fits. Every test program and the
// players it starts keep their per-user config (the games library, the window's
// scale) in a folder of their own, never the user's.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string offscreenDesktop() {
  const std::string file = "/tmp/mirandel-tests-screens-" + std::to_string(getpid()) + ".json";
  if (FILE* out = std::fopen(file.c_str(), "w")) {
    std::fputs("{ \"screens\": ["
               " { \"name\": \"main\", \"x\": 0, \"y\": 0, \"width\": 3840, \"height\": 2160,"
               "   \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 },"
               " { \"name\": \"small\", \"x\": 3840, \"y\": 0, \"width\": 1600, \"height\": 1000,"
               "   \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n",
               out);
    std::fclose(out);
  }
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  std::string desktop;
  if (!platform || std::string(platform) == "offscreen") {
    desktop = offscreenDesktop();
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + desktop).c_str(), 1);
  }
  std::string config = (std::filesystem::temp_directory_path() / "mirandel-test-config-XXXXXX").string();
  const bool ownConfig = ::mkdtemp(config.data()) != nullptr;
  if (ownConfig) setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  int result = 0;
  {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  if (!desktop.empty()) std::remove(desktop.c_str());
  std::error_code ignored;
  if (ownConfig) std::filesystem::remove_all(config, ignored);
  return result;
}
