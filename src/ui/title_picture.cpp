// The opening screen's title picture, begun before the window is built.
#include "ui/title_picture.h"

#include "ui/artwork.h"

namespace ui {
namespace {

// The title's size at a scale: its own is 900 x 420.
QSize titleSize(const Scale& scale) { return QSize(scale.px(900), scale.px(420)); }

std::future<QImage> paintedOnItsOwnThread(QSize size) {
  return std::async(std::launch::async, [size] { return paintTitlePicture(size.width(), size.height()); });
}

// The early painting while nobody has taken it, and its size (GUI thread only).
std::future<QImage> early;
QSize earlySize;

}  // namespace

EarlyTitlePicture::EarlyTitlePicture(double scale) {
  earlySize = titleSize(Scale{scale});
  early = paintedOnItsOwnThread(earlySize);
}

EarlyTitlePicture::~EarlyTitlePicture() {
  if (early.valid()) early.wait();
  early = {};
}

std::future<QImage> titlePicture(const Scale& scale) {
  const QSize size = titleSize(scale);
  if (early.valid() && size == earlySize) return std::move(early);
  return paintedOnItsOwnThread(size);
}

}  // namespace ui
