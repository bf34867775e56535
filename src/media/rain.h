// The rain effect over the location picture (display mode "1"): drops scroll
// down over a frozen copy of the picture on a timer, wrapping around; a mask
// keeps the rain off parts of the scene (white in the mask shows the scene,
// magenta lets the rain through) and the HUD stays on top.
#pragma once

#include <QImage>

namespace model { struct Game; }

namespace media {

// "on": freezes BufTela as the background, builds the drops and mask layers and
// starts the timer. Without a drops picture nothing happens; a missing or
// unreadable picture aborts the run (script::ScriptError) before the timer starts.
void startRain(model::Game& game);

// The timer's interval in milliseconds; a running timer takes it at once.
void setRainInterval(model::Game& game, int milliseconds);

// Stops the timer (the last frame stays on Tela).
void stopRain(model::Game& game);

// A new run stops the rain and forgets its mask.
void stopRainForRun(model::Game& game);

// One tick: the frame (background, drops, the masked scene while a mask is set,
// the HUD) goes to Tela; the drops fall by the step.
void rainTick(model::Game& game);

// The frame of two layers: the scene (the background, or Msk2 with the
// mask's covering pixels tagged) and the drops (magenta transparent), fallen by
// `fallen` rows with wrap-around. All three images have the same size.
void composeRainFrame(const QImage& scene, const QImage& drops, int fallen, QImage& frame);

}  // namespace media
