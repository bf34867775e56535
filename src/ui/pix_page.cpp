// Support page layout.
#include "ui/pix_page.h"

#include "ui/artwork.h"

namespace ui {

PixPage::PixPage(const Publisher& publisher, QWidget* parent) : QWidget(parent), paymentKey_(publisher.paymentKey) {
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral("background: #1E2A3A; color: #FFFF00;"));
  QFont heading(QStringLiteral("Arial"));
  heading.setPixelSize(20);
  heading.setBold(true);
  Label3 = new QLabel(QStringLiteral("Ajude o desenvolvimento do Quimera:"), this);
  layout_.place(Label3, QRect(20, 16, 420, 30), heading);

  QFont body(QStringLiteral("Arial"));
  body.setPixelSize(15);
  Label4 = new QLabel(QStringLiteral("Se voc\u00ea gostou deste adventure, ajude-nos a criar  mais jogos como este, "
                                     "fazendo um pix (qualquer valor) diretamente para o autor. Use a chave de "
                                     "e-mail abaixo ou o QRcode ao lado:"),
                      this);
  Label4->setWordWrap(true);
  layout_.place(Label4, QRect(20, 56, 400, 120), body);

  QFont key(QStringLiteral("Courier New"));
  key.setPixelSize(16);
  key.setBold(true);
  Label5 = new QLabel(publisher.paymentKey, this);
  Label5->setObjectName("Label5");
  Label5->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout_.place(Label5, QRect(20, 190, 400, 26), key);

  Image6 = new PictureWidget(this);
  layout_.place(Image6, QRect(20, 240, 48, 48));
  Image7 = new PictureWidget(this);
  Image7->setObjectName("Image7");
  layout_.place(Image7, QRect(450, 40, 0, 0));
  Image9 = new PictureWidget(this);
  layout_.place(Image9, QRect(80, 240, 48, 48));
}

void PixPage::paintPictures() {
  if (Image7->picture().isNull()) {
    Image6->setPicture(paintBadge(QStringLiteral("Q"), qRgb(150, 60, 150), 48));
    const QImage code = makeQrCode(paymentKey_, 5);
    Image7->setPicture(code);
    layout_.move(Image7, QRect(450, 40, code.width(), code.height()));
    Image9->setPicture(paintBadge(QStringLiteral("\u2665"), qRgb(190, 50, 60), 48));
  }
}

}  // namespace ui
