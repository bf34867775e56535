// Opening screen layout.
#include "ui/opening_page.h"

#include <QKeyEvent>

#include "ui/accessibility.h"
#include "ui/artwork.h"
#include "ui/title_picture.h"

namespace ui {
namespace {

// The label's text in the colour, on what lies behind it.
void textColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAutoFillBackground(false);
}

}  // namespace

OpeningPage::OpeningPage(const Publisher& publisher, QWidget* parent) : QWidget(parent) {
  TelAber = new PictureWidget(this);
  layout_.place(TelAber, QRect(0, 0, 900, 420));
  TelAber->setDragsWindow(true);
  TelAber->setObjectName("TelAber");
  connect(TelAber, &PictureWidget::doubleClicked, this, [this] { requestStart(); });
  describePicture(TelAber, QAccessible::Graphic, tr("Mirandel"),
                  tr("Press Enter or Space, or double-click, to start the game"));

  struct PublisherBadge {
    PictureWidget** widget;
    const char* name;
    QString word;
    QString spoken;
    QRgb colour;
    QString address;
    bool link;
  };
  const PublisherBadge publisherBadges[] = {
      {&Image1, "Image1", QStringLiteral("in\u00edcio"), tr("Publisher's site"), qRgb(40, 110, 170), publisher.homePage(), true},
      {&Image4, "Image4", QStringLiteral("Quimera"), tr("About Quimera"), qRgb(150, 60, 150), publisher.enginePage(), true},
      {&Image3, "Image3", QStringLiteral("jogos"), tr("Other games"), qRgb(40, 140, 80), publisher.gamesPage(), true},
      {&Image5, "Image5", QStringLiteral("2023"), tr("This game's page"), qRgb(180, 100, 30), publisher.gamePage(), true},
      {&Image2, "Image2", QString(), QString(), qRgb(90, 90, 110), QString(), false},
  };
  int x = 900 - 5 * 64 - 10;
  for (const PublisherBadge& badge : publisherBadges) {
    auto* picture = new PictureWidget(this);
    picture->setObjectName(badge.name);
    layout_.place(picture, QRect(x, 420 - 64 - 34, 56, 56));
    // A link without its address is never shown, nor painted.
    const bool shown = !badge.link || !badge.address.isEmpty();
    if (shown) badges_.push_back({picture, badge.word, badge.colour});
    picture->setVisible(shown);
    if (!badge.address.isEmpty()) {
      picture->setCursor(Qt::PointingHandCursor);
      picture->setToolTip(badge.address);
      QString address = badge.address;
      connect(picture, &PictureWidget::released, this, [this, address] { emit addressRequested(address); });
      describePicture(picture, QAccessible::Link, badge.spoken, address);
    }
    *badge.widget = picture;
    x += 64;
  }

  Label1 = new QLabel(publisher.homePage(), this);
  Label1->setObjectName("Label1");
  QFont courier(QStringLiteral("Courier New"));
  courier.setPixelSize(14);
  courier.setBold(true);
  textColour(Label1, QColor(QStringLiteral("#00FF00")));
  layout_.place(Label1, QRect(10, 420 - 28, 500, 20), courier);
  Label1->setVisible(publisher.known());

  Label7 = new QLabel(QStringLiteral("Vers\u00e3o especial 2023"), this);
  Label7->setObjectName("Label7");
  QFont arial(QStringLiteral("Arial"));
  arial.setPixelSize(18);
  arial.setBold(true);
  arial.setItalic(true);
  textColour(Label7, QColor(QStringLiteral("#FFFF00")));
  layout_.place(Label7, QRect(10, 10, 300, 26), arial);
}

void OpeningPage::setScale(const Scale& scale) {
  if (scale.factor == layout_.scale().factor) return;
  layout_.apply(scale);
  // The player's own pictures are painted again at the new size: their text stays sharp.
  picturesPainted_ = false;
  if (isVisible()) paintPictures();
}

void OpeningPage::paintPictures() {
  if (picturesPainted_) return;
  picturesPainted_ = true;
  const Scale& scale = layout_.scale();
  std::future<QImage> title = titlePicture(scale);
  for (const Badge& badge : badges_) badge.picture->setPicture(paintBadge(badge.word, badge.colour, scale.px(56)));
  // The labels' fonts are found now rather than in the first paint.
  for (const QLabel* label : {Label1, Label7}) label->fontMetrics().horizontalAdvance(label->text());
  TelAber->setPicture(title.get());
}

void OpeningPage::showEvent(QShowEvent* event) {
  paintPictures();
  QWidget::showEvent(event);
}

void OpeningPage::requestStart() {
  // The page is left at the first start: a second one is never asked for.
  if (startRequested_) return;
  startRequested_ = true;
  emit startRequested();
}

bool OpeningPage::startKey(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
  // The game starts when the key comes up, so that no half of the key reaches
  // the command box the game start shows.
  if (event->type() == QEvent::KeyRelease && !event->isAutoRepeat()) requestStart();
  return true;
}

}  // namespace ui
