// The moment a window's first picture is on screen: what waits for it (the title
// theme, --quit-when-shown) runs then, so it never holds that picture back.
#pragma once
#include <QWidget>
#include <functional>

namespace ui {

// Runs `action` once, on the turn of the event loop after the first paint of the
// window or of anything in it (that paint has gone to the screen by then); the
// actions of one window run in the order they were asked for.
void afterFirstPaint(QWidget* window, std::function<void()> action);

}  // namespace ui
