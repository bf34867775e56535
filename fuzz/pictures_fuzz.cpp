// Fuzz target: a picture file of any bytes, loaded into a surface and laid over
// the picture, as display= and the layout statements load them. The first byte
// chooses the kind the name says (.png, .jpg, .gif or .bmp).
#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"
#include "model/script_error.h"
#include "view/pictures.h"

namespace fuzz {

void pictures(std::string_view input) {
  if (input.empty()) return;
  static const char* const kinds[] = {"png", "jpg", "gif", "bmp"};
  const std::string name = std::string("figura.") + kinds[static_cast<unsigned char>(input[0]) % 4];
  FuzzGame fuzzGame;
  fuzzGame.write(name, input.substr(1));
  if (!fuzzGame.start()) return;
  try {
    view::loadPicture(*fuzzGame.game, name, graphics::SurfaceId::Tela3);
    view::placePicture(*fuzzGame.game, name, 3, 4, 0, 0, graphics::SurfaceId::Imp);
    view::placePicture(*fuzzGame.game, name, 0, 0, 17, 9, graphics::SurfaceId::TelCmd);
  } catch (const model::ScriptError&) {
    // A picture that cannot be read aborts the run that asked for it.
  }
}

}  // namespace fuzz
