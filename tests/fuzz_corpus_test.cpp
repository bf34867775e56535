// Every file of the fuzz corpora (tests/fuzz/<target>/: our seeds and every input
// a fuzzer found a fault with) fed to the same function its fuzz program calls:
// a fault fixed once stays fixed, in the normal and the sanitizer builds alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/targets.h"

namespace fuzz {
// A target shows as its name in the test's name and messages.
void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }
}  // namespace fuzz

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class FuzzCorpus : public ::testing::TestWithParam<fuzz::Target> {};

TEST_P(FuzzCorpus, EveryInputRunsToItsEnd) {
  const fs::path folder = fs::path(MIRANDEL_SOURCE_DIR) / "tests" / "fuzz" / GetParam().name;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << "no corpus in " << folder;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    EXPECT_NO_THROW(GetParam().run(readAll(file)));
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, ::testing::ValuesIn(fuzz::allTargets()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
