// The opening screen's title picture, begun before the window is built.
#include "ui/title_picture.h"

#include "ui/artwork.h"
#include "ui/window_scale.h"

namespace ui {
namespace {

std::future<QImage> paintedOnItsOwnThread(int width, int height) {
  return std::async(std::launch::async, [width, height] { return paintTitlePicture(width, height); });
}

// The early painting while nobody has taken it, and its size (GUI thread only).
std::future<QImage> early;
QSize earlySize;

}  // namespace

EarlyTitlePicture::EarlyTitlePicture(double scale) {
  const Scale title{scale};
  earlySize = QSize(title.px(900), title.px(420));
  early = paintedOnItsOwnThread(earlySize.width(), earlySize.height());
}

EarlyTitlePicture::~EarlyTitlePicture() {
  if (early.valid()) early.wait();
  early = {};
}

std::future<QImage> titlePicture(int width, int height) {
  if (early.valid() && QSize(width, height) == earlySize) return std::move(early);
  return paintedOnItsOwnThread(width, height);
}

}  // namespace ui
