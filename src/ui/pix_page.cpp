// Support page layout.
#include "ui/pix_page.h"

#include "ui/artwork.h"

namespace ui {

PixPage::PixPage(const Publisher& publisher, QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral("background: #1E2A3A; color: #FFFF00;"));
  QFont heading(QStringLiteral("Arial"));
  heading.setPixelSize(20);
  heading.setBold(true);
  Label3 = new QLabel(QStringLiteral("Ajude o desenvolvimento do Quimera:"), this);
  Label3->setFont(heading);
  Label3->setGeometry(20, 16, 420, 30);

  QFont body(QStringLiteral("Arial"));
  body.setPixelSize(15);
  Label4 = new QLabel(QStringLiteral("Se voc\u00ea gostou deste adventure, ajude-nos a criar  mais jogos como este, "
                                     "fazendo um pix (qualquer valor) diretamente para o autor. Use a chave de "
                                     "e-mail abaixo ou o QRcode ao lado:"),
                      this);
  Label4->setFont(body);
  Label4->setWordWrap(true);
  Label4->setGeometry(20, 56, 400, 120);

  QFont key(QStringLiteral("Courier New"));
  key.setPixelSize(16);
  key.setBold(true);
  Label5 = new QLabel(publisher.paymentKey, this);
  Label5->setObjectName("Label5");
  Label5->setFont(key);
  Label5->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label5->setGeometry(20, 190, 400, 26);

  Image6 = new PictureWidget(this);
  Image6->setGeometry(20, 240, 48, 48);
  Image6->setPicture(paintBadge(QStringLiteral("Q"), qRgb(150, 60, 150), 48));
  Image7 = new PictureWidget(this);
  Image7->setObjectName("Image7");
  QImage code = makeQrCode(publisher.paymentKey, 5);
  Image7->setPicture(code);
  Image7->setStretched(false);
  Image7->setGeometry(450, 40, code.width(), code.height());
  Image9 = new PictureWidget(this);
  Image9->setGeometry(80, 240, 48, 48);
  Image9->setPicture(paintBadge(QStringLiteral("\u2665"), qRgb(190, 50, 60), 48));
}

}  // namespace ui
