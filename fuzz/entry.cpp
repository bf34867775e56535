// The libFuzzer entry of one target; the build names the target's function in
// MIRANDEL_FUZZ_TARGET (fuzz/CMakeLists.txt).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return MIRANDEL_FUZZ_TARGET(std::string_view(reinterpret_cast<const char*>(data), size)), 0;
}
