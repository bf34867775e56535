// chuva= keyword, value: only in display mode "1". The cases are tested in
// order and several may apply ("off" stops the rain and then forgets the mask).
#include "media/rain_statement.h"

#include "base/number.h"
#include "base/text.h"
#include "media/rain.h"
#include "model/dispatch.h"
#include "model/game.h"

namespace media {
namespace {

void rain(model::Game& game, model::Statement& s) {
  if (!game.screen.isStripMode()) return;
  auto& rain = game.media.rain;
  const std::string& keyword = s.arg(1);
  const std::string& value = s.arg(2);
  if (base::contains(keyword, ".bmp")) rain.rainPicture = keyword;
  if (keyword == "off") stopRain(game);
  if (keyword == "mask") {
    if (value.empty() || value == "off")
      rain.rainMask.clear();
    else if (base::contains(value, ".bmp"))
      rain.rainMask = value;
  }
  if (keyword == "time") setRainInterval(game, base::readNumberOr(value, 40));
  if (keyword == "wgotas") rain.rainStep = base::readNumberOr(value, 20);
  if (keyword == "off") {
    stopRain(game);
    rain.rainMask.clear();
  }
  if (keyword == "on") startRain(game);
}

}  // namespace

void registerRainStatement(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"chuva=", {}, rain, std::nullopt,
       "`keyword, value`."},
  };
  dispatch.add(rows);
}

}  // namespace media
