// Restoring a snapshot.
#include "shell/state_restore.h"

#include "media/rain.h"
#include "model/script_error.h"
#include "shell/game.h"
#include "world/saved_state.h"

namespace shell {
namespace {

// The music channel and the volume follow the restored state; the rain starts
// again over the restored picture when it fell then.
void resumeMedia(model::Game& game, const model::MediaState& before) {
  const model::MediaState& now = game.media;
  try {
    if (now.volume != before.volume) game.sound().setVolume(now.volume);
    if (now.music != before.music) {
      if (now.music.empty())
        game.sound().stopMusic();
      else
        game.sound().playMusic(now.music);
    }
    if (game.media.rain.running()) {
      game.media.rain.timer = 0;  // the restored timer is gone
      media::startRain(game);
    }
  } catch (const model::ScriptError& error) {
    game.host.errorBox(error.what());
  }
}

// The saved map follows the map shown, in the file the game saves it to: it
// goes with the saved set (a file that holds it already is left alone).
void mapWithTheSave(model::Game& game, const std::string& fileBefore) {
  const std::string& file = game.map.savedFile.empty() ? fileBefore : game.map.savedFile;
  if (file.empty() || game.map.MapJog.isNull()) return;
  if (auto path = game.folders.dataFolder.pathForWriting(file)) {
    game.map.unsavedMap = model::MapState::UnsavedMap{*path, game.map.MapJog};
    game.map.mapInFile = *path;
  }
}

}  // namespace

void restoreState(model::Game& game, model::GameState state) {
  const model::MediaState mediaBefore = game.media;
  const std::string mapFileBefore = game.map.savedFile;
  media::stopRain(game);
  game.state() = std::move(state);
  resumeMedia(game, mediaBefore);
  mapWithTheSave(game, mapFileBefore);
  world::saveAfterRun(game);
  game.host.repaint();
}

}  // namespace shell
