// What a screen reader learns about the window's controls: the role and name of
// each picture that works as a button or shows the game, with a press action on
// the buttons; the hot spots of a picture as buttons of their own, each with its
// name and a press action that clicks it; and news, said as it comes. Text
// controls are Qt's own and report their text and its changes themselves; they
// only need their names.
#pragma once
#include <QAccessible>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace ui {

// Gives a picture control the role and name a screen reader announces; a
// QAccessible::Button or Link can be pressed through the screen reader too.
void describePicture(QWidget* picture, QAccessible::Role role, const QString& name, const QString& description = {});

// A place of a picture a click acts on, in the control's own coordinates.
struct AccessibleSpot {
  QString name;
  QRect rect;
};
// The picture's hot spots become its children, buttons named as the list says;
// pressing one is a click in its middle. The list is asked for each time.
void describeSpots(QWidget* picture, std::function<std::vector<AccessibleSpot>()> spots);

// A label that says what it is given at once (a screen reader speaks an alert as
// it appears), for news the player did not ask to read: the game's reply to a
// command, a note of the window.
class Announcer : public QLabel {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* parent);
  void announce(const QString& news);
};

}  // namespace ui
