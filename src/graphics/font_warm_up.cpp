// Fontconfig's configuration read on a thread of its own at start-up.
#include "graphics/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <future>
#include <mutex>

namespace graphics {
namespace {

std::mutex warmUpGuard;
std::shared_future<void> warmUp;

}  // namespace

FontWarmUp::FontWarmUp() {
  std::lock_guard lock(warmUpGuard);
  warmUp = std::async(std::launch::async, [] { FcInit(); }).share();
}

FontWarmUp::~FontWarmUp() {
  awaitFontWarmUp();
  std::lock_guard lock(warmUpGuard);
  warmUp = {};
}

void awaitFontWarmUp() {
  std::shared_future<void> reading;
  {
    std::lock_guard lock(warmUpGuard);
    reading = warmUp;
  }
  if (reading.valid()) reading.wait();
}

}  // namespace graphics
