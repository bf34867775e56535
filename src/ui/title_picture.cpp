// The opening screen's title picture, begun before the window is built.
#include "ui/title_picture.h"

#include "ui/artwork.h"

namespace ui {
namespace {

constexpr int kTitleWidth = 900, kTitleHeight = 420;

std::future<QImage> paintedOnItsOwnThread(int width, int height) {
  return std::async(std::launch::async, [width, height] { return paintTitlePicture(width, height); });
}

// The early painting while nobody has taken it (GUI thread only).
std::future<QImage> early;

}  // namespace

EarlyTitlePicture::EarlyTitlePicture() { early = paintedOnItsOwnThread(kTitleWidth, kTitleHeight); }

EarlyTitlePicture::~EarlyTitlePicture() {
  if (early.valid()) early.wait();
  early = {};
}

std::future<QImage> titlePicture(int width, int height) {
  if (early.valid() && width == kTitleWidth && height == kTitleHeight) return std::move(early);
  return paintedOnItsOwnThread(width, height);
}

}  // namespace ui
