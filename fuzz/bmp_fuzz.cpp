// Fuzz target: the BMP reader on any bytes. Whatever it gives must be the size
// the headers declare, and the same picture twice (a pixel the file did not
// give would show what the memory held).
#include <cstdlib>

#include "fuzz/targets.h"
#include "graphics/picture_decoders.h"

namespace fuzz {

void bmp(std::string_view input) {
  const auto picture = graphics::decodeBmpBytes(input);
  const auto declared = graphics::declaredBmpSize(input);
  if (!picture) return;
  if (!declared || *declared != picture->size()) std::abort();
  if (*graphics::decodeBmpBytes(input) != *picture) std::abort();
}

}  // namespace fuzz
