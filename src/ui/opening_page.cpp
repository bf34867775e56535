// Opening screen layout.
#include "ui/opening_page.h"

#include "ui/artwork.h"

namespace ui {

OpeningPage::OpeningPage(const Publisher& publisher, QWidget* parent) : QWidget(parent) {
  setFixedSize(900, 420);
  TelAber = new PictureWidget(this);
  TelAber->setGeometry(0, 0, 900, 420);
  TelAber->setPicture(paintTitlePicture(900, 420));
  TelAber->setDragsWindow(true);
  TelAber->setObjectName("TelAber");
  connect(TelAber, &PictureWidget::doubleClicked, this, [this] { emit startRequested(); });

  struct Badge {
    PictureWidget** widget;
    const char* name;
    QString word;
    QRgb colour;
    QString address;
  };
  const Badge badges[] = {
      {&Image1, "Image1", QStringLiteral("in\u00edcio"), qRgb(40, 110, 170), publisher.homePage()},
      {&Image4, "Image4", QStringLiteral("Quimera"), qRgb(150, 60, 150), publisher.enginePage()},
      {&Image3, "Image3", QStringLiteral("jogos"), qRgb(40, 140, 80), publisher.gamesPage()},
      {&Image5, "Image5", QStringLiteral("2023"), qRgb(180, 100, 30), publisher.gamePage()},
      {&Image2, "Image2", QStringLiteral("\u2605"), qRgb(90, 90, 110), QString()},
  };
  int x = 900 - 5 * 64 - 10;
  for (const Badge& badge : badges) {
    auto* picture = new PictureWidget(this);
    picture->setObjectName(badge.name);
    picture->setGeometry(x, 420 - 64 - 34, 56, 56);
    picture->setPicture(paintBadge(badge.word, badge.colour));
    if (!badge.address.isEmpty()) {
      picture->setCursor(Qt::PointingHandCursor);
      picture->setToolTip(badge.address);
      QString address = badge.address;
      connect(picture, &PictureWidget::released, this, [this, address] { emit addressRequested(address); });
    }
    *badge.widget = picture;
    x += 64;
  }

  Label1 = new QLabel(publisher.homePage(), this);
  Label1->setObjectName("Label1");
  QFont courier(QStringLiteral("Courier New"));
  courier.setPixelSize(14);
  courier.setBold(true);
  Label1->setFont(courier);
  Label1->setStyleSheet(QStringLiteral("color: #00FF00; background: transparent;"));
  Label1->setGeometry(10, 420 - 28, 500, 20);

  Label7 = new QLabel(QStringLiteral("Vers\u00e3o especial 2023"), this);
  Label7->setObjectName("Label7");
  QFont arial(QStringLiteral("Arial"));
  arial.setPixelSize(18);
  arial.setBold(true);
  arial.setItalic(true);
  Label7->setFont(arial);
  Label7->setStyleSheet(QStringLiteral("color: #FFFF00; background: transparent;"));
  Label7->setGeometry(10, 10, 300, 26);
}

}  // namespace ui
