// The opening screen: the title picture, the publisher pictures that open their
// pages in the user's browser, the publisher's address and the edition label. A
// double-click on the title picture, or Enter or Space, starts the game.
#pragma once
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include <vector>

#include "ui/fixed_layout.h"
#include "ui/picture_widget.h"
#include "ui/publisher.h"

namespace ui {

class OpeningPage : public QWidget {
  Q_OBJECT
 public:
  OpeningPage(const Publisher& publisher, QWidget* parent = nullptr);

  PictureWidget* TelAber;
  PictureWidget *Image1, *Image2, *Image3, *Image4, *Image5;
  QLabel *Label1 = nullptr, *Label7 = nullptr;

  // Enter or Space (pressed and released) start the game; true for those keys.
  bool startKey(QKeyEvent* event);
  // Places and paints the page for the window's scale.
  void setScale(const Scale& scale);

 signals:
  void startRequested();
  void addressRequested(const QString& address);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void requestStart();
  // The pictures for the page's scale, painted when the page is shown (at
  // once when it is on show): the title begun before the window was built
  // when it has that size, the badges while the title may still be on its way.
  void paintPictures();
  bool startRequested_ = false;
  bool picturesPainted_ = false;

  struct Badge {
    PictureWidget* picture;
    QString word;
    QRgb colour;
  };
  std::vector<Badge> badges_;
  FixedLayout layout_;
};

}  // namespace ui
