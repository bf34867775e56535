// Reading and writing the viewer page's caption.
#include "model/viewer_page.h"

#include <iterator>

namespace model {
namespace {

// In the order of ViewerPage.
constexpr std::string_view kCaptions[] = {"0", "1", "2", "3", "Mapa", "Down", "Pix"};

}  // namespace

ViewerPageSetting ViewerPageSetting::parse(std::string_view caption) {
  for (size_t i = 0; i < std::size(kCaptions); ++i)
    if (caption == kCaptions[i]) return ViewerPageSetting(static_cast<ViewerPage>(i));
  ViewerPageSetting other(ViewerPage::Other);
  other.otherText_ = caption;
  return other;
}

std::string ViewerPageSetting::text() const {
  if (page_ == ViewerPage::Other) return otherText_;
  return std::string(kCaptions[static_cast<size_t>(page_)]);
}

}  // namespace model
