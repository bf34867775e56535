// The rain statement chuva=.
#pragma once

namespace script { class Dispatch; }

namespace media {

void registerRainStatement(script::Dispatch& dispatch);

}  // namespace media
