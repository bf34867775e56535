// Fontconfig's configuration read on a thread of its own at start-up. Reading
// it (its XML files and caches) is the larger part of the first text's cost;
// begun before the window is built, it goes on beside the rest of the
// start-up, and the first text painted finds it ready instead of reading it.
#pragma once

namespace graphics {

// The reading, from construction on; the destructor waits for its end.
class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;
};

// Returns once the reading under way has ended, at once when there is none.
// Text painted before it would read the configuration a second time.
void awaitFontWarmUp();

}  // namespace graphics
