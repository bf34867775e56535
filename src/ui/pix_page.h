// The support page "Pix" of the viewer: a plea to support the authoring engine,
// the payment key and its QR code.
#pragma once
#include <QLabel>
#include <QWidget>

#include "ui/fixed_layout.h"
#include "ui/picture_widget.h"
#include "ui/publisher.h"

namespace ui {

class PixPage : public QWidget {
 public:
  PixPage(const Publisher& publisher, QWidget* parent = nullptr);

  QLabel *Label3, *Label4, *Label5;
  PictureWidget *Image6, *Image7, *Image9;

  void setScale(const Scale& scale) { layout_.apply(scale); }

  // The badges and the QR code, painted once when the page is first chosen:
  // most sessions never show it.
  void paintPictures();

 private:
  QString paymentKey_;
  FixedLayout layout_;
};

}  // namespace ui
