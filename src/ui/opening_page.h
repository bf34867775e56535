// The opening screen: the title picture, the publisher pictures that open their
// pages in the user's browser, the publisher's address and the edition label. A
// double-click on the title picture starts the game.
#pragma once
#include <QLabel>
#include <QWidget>

#include "ui/picture_widget.h"
#include "ui/publisher.h"

namespace ui {

class OpeningPage : public QWidget {
  Q_OBJECT
 public:
  OpeningPage(const Publisher& publisher, QWidget* parent = nullptr);

  PictureWidget* TelAber;
  PictureWidget *Image1, *Image2, *Image3, *Image4, *Image5;
  QLabel *Label1, *Label7;

 signals:
  void startRequested();
  void addressRequested(const QString& address);
};

}  // namespace ui
