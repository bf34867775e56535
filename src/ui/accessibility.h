// What a screen reader learns about the window's controls: the role and name of
// each picture that works as a button or shows the game, with a press action on
// the buttons. Text controls are Qt's own and report their text and its changes
// themselves; they only need their names.
#pragma once
#include <QAccessible>
#include <QString>
#include <QWidget>

namespace ui {

// Gives a picture control the role and name a screen reader announces; a
// QAccessible::Button or Link can be pressed through the screen reader too.
void describePicture(QWidget* picture, QAccessible::Role role, const QString& name, const QString& description = {});

}  // namespace ui
