// Page resources from the game folder.
#include "ui/page_view.h"

#include <QImage>
#include <QTextDocument>

#include "base/cp1252.h"
#include "base/file_io.h"
#include "graphics/bitmap_file.h"
#include "graphics/picture_decoders.h"

namespace ui {
namespace {

// The game file name an address stands for: a relative address as written, or a
// file address inside the folder (the page's own folder address resolves to it).
std::optional<std::string> gameFileName(const QUrl& address, const std::filesystem::path& root) {
  if (address.isRelative() && address.host().isEmpty()) return base::utf8ToCp1252(address.path().toStdString());
  if (!address.isLocalFile()) return std::nullopt;
  auto inside = std::filesystem::path(address.toLocalFile().toStdString()).lexically_normal().lexically_relative(root);
  if (inside.empty() || inside.is_absolute() || *inside.begin() == "..") return std::nullopt;
  return base::utf8ToCp1252(inside.generic_string());
}

// What the page shows for a picture it may not load or cannot read: a null
// picture would make the page view load the name itself, from any folder.
QImage noPicture() {
  QImage none(1, 1, QImage::Format_ARGB32);
  none.fill(Qt::transparent);
  return none;
}

// A page picture decoded by the same readers as the game's pictures where they
// bound the work a file may ask for (JPEG scans) or read what the platform
// reads (every bitmap layout); other formats through Qt, which keeps a GIF's
// transparency as transparency.
QImage decodePagePicture(const std::filesystem::path& path, const std::string& bytes) {
  switch (graphics::formatOf(bytes)) {
    case graphics::PictureFormat::Jpeg: return graphics::decodeJpeg(path).value_or(QImage());
    case graphics::PictureFormat::Bitmap: return graphics::decodeBmpBytes(bytes).value_or(QImage());
    default: return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
  }
}

}  // namespace

QVariant PageView::loadResource(int type, const QUrl& name) {
  auto fileName = gameFileName(name, folder_.root().lexically_normal());
  auto path = fileName ? folder_.find(*fileName) : std::nullopt;
  auto bytes = path ? base::readFileBytes(*path) : std::nullopt;
  if (bytes && type == QTextDocument::ImageResource) {
    QImage picture = decodePagePicture(*path, *bytes);
    if (picture.isNull()) return noPicture();
    // Drawn from its own pixels over the larger room a larger window gives it.
    picture.setDevicePixelRatio(1.0 / scale_);
    return picture;
  }
  if (bytes) return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
  // An empty resource, not a null one: a null one would let the document load
  // the address itself.
  if (type == QTextDocument::ImageResource) return noPicture();
  return QByteArray("");
}

}  // namespace ui
