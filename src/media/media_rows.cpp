// Media state rows.
#include "media/media_rows.h"

#include "model/game.h"

namespace media {

std::vector<std::pair<std::string, std::string>> mediaStateRows(const model::Game& game) {
  const model::MediaState& media = game.media;
  const model::RainState& rain = media.rain;
  return {
      {"music", media.music},
      {"volume", std::to_string(media.volume)},
      {"rain", rain.running() ? "on" : "off"},
      {"rainInterval", std::to_string(rain.rainInterval)},
      {"rainStep", std::to_string(rain.rainStep)},
      {"rainPicture", rain.rainPicture},
      {"rainMask", rain.rainMask},
  };
}

}  // namespace media
