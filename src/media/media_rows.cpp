// Media state rows.
#include "media/media_rows.h"

#include "shell/game.h"

namespace media {

std::vector<std::pair<std::string, std::string>> mediaStateRows(const shell::Game& game) {
  const MediaState& media = game.media;
  const RainState& rain = media.rain;
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
