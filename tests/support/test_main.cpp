// The test program's main: a Qt application (offscreen unless a platform is set)
// so pictures, fonts and the window can be used by the tests. Every test program
// and the players it starts keep their per-user config (the games library, the
// window's scale) in a folder of their own, never the user's.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::string config = (std::filesystem::temp_directory_path() / "mirandel-test-config-XXXXXX").string();
  const bool ownConfig = ::mkdtemp(config.data()) != nullptr;
  if (ownConfig) setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  int result = 0;
  {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  std::error_code ignored;
  if (ownConfig) std::filesystem::remove_all(config, ignored);
  return result;
}
