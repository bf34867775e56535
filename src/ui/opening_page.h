// The opening screen: the title picture, the publisher pictures that open their
// pages in the user's browser, the publisher's address and the edition label. A
// double-click on the title picture, or Enter or Space, starts the game.
#pragma once
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include <future>
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
  // The title picture is painted on a thread of its own while the window's
  // start-up goes on, and is put on the page when it is first shown (at once
  // when it is on show); the badges are painted then, while the title may
  // still be on its way.
  void paintPictures(const Scale& scale);
  void takePictures();
  bool startRequested_ = false;

  struct Badge {
    PictureWidget* picture;
    QString word;
    QRgb colour;
  };
  std::vector<Badge> badges_;
  std::future<QImage> title_;
  FixedLayout layout_;
};

}  // namespace ui
