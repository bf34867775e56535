// The rain statement chuva=.
#pragma once

namespace model { class Dispatch; }

namespace media {

void registerRainStatement(model::Dispatch& dispatch);

}  // namespace media
