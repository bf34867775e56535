// The opening screen's title picture, begun as soon as the application
// exists: it is painted on a thread of its own while the game is found, read
// and started, and the opening page takes it when it is built.
#pragma once

#include <QImage>
#include <future>

#include "ui/window_scale.h"

namespace ui {

// The painting of the title at the size the window is expected to give it
// (its own 900 x 420 times the scale), from construction on. The destructor
// waits for a painting nobody took, so it never outlives the application;
// there is one at a time, on the GUI thread.
class EarlyTitlePicture {
 public:
  explicit EarlyTitlePicture(double scale);
  ~EarlyTitlePicture();
  EarlyTitlePicture(const EarlyTitlePicture&) = delete;
  EarlyTitlePicture& operator=(const EarlyTitlePicture&) = delete;
};

// The title at the scale, on its way: the early one when it has that size and
// was not taken yet, or one begun now on a thread of its own.
std::future<QImage> titlePicture(const Scale& scale);

}  // namespace ui
