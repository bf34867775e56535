// The player's own pictures, painted at run time: the title picture of the
// opening screen, the publisher badges, and the QR code of the support page.
#pragma once
#include <QImage>
#include <QString>

namespace ui {

QImage paintTitlePicture(int width, int height);
// A small round badge with a word on it (the publisher pictures); without a
// word, a star.
QImage paintBadge(const QString& word, QRgb colour, int size = 56);
// The QR code of a text, each module `scale` pixels, with a quiet border.
QImage makeQrCode(const QString& text, int scale = 4);

}  // namespace ui

namespace ui {

// The "Down" page's pictures: the tick box empty (Tic0) or ticked (Tic1), and the
// picture button up (btUp) or pressed (btDw).
QImage paintTickBox(bool ticked, int size = 16);
QImage paintPictureButton(bool pressed, int width = 32, int height = 24);

}  // namespace ui
