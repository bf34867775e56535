// The music and sound statements: playmusica, play, volume=, playsnd.
#pragma once

namespace model { class Dispatch; }

namespace media {

void registerSoundStatements(model::Dispatch& dispatch);

}  // namespace media
