// The fuzz targets: one function per reader of untrusted content, each taking
// the raw bytes of one input. The libFuzzer programs call them (fuzz/entry.cpp)
// and the test suite feeds them every file of tests/fuzz/<name>/.
#pragma once
#include <string_view>
#include <vector>

namespace fuzz {

void script(std::string_view input);      // a script run by the executor
void defs(std::string_view input);        // the definitions table
void registers(std::string_view input);   // the register file (.rgs)
void objects(std::string_view input);     // .obz, .obx and .obj files
void phrases(std::string_view input);     // the command phrase file and a command
void events(std::string_view input);      // an events file
void pictures(std::string_view input);    // a PNG, JPEG, GIF or BMP picture file
void page(std::string_view input);        // the mode-"2" page writer, with markers
void pageView(std::string_view input);    // the window's page view, given a page
void bmp(std::string_view input);         // the BMP reader alone

struct Target {
  const char* name;  // also the folder of its corpus under tests/fuzz/
  void (*run)(std::string_view input);
};

const std::vector<Target>& allTargets();

}  // namespace fuzz
