// The music and sound statements: playmusica, play, volume=, playsnd.
#pragma once

namespace script { class Dispatch; }

namespace media {

void registerSoundStatements(script::Dispatch& dispatch);

}  // namespace media
