// The command box.
#include "ui/command_box.h"

#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

namespace ui {
namespace {

// Turns every letter the user types into its capital, as the box shows it.
class UpperCase : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

}  // namespace

CommandBox::CommandBox(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setValidator(new UpperCase(this));
}

QString CommandBox::commandKeyName(int key) {
  switch (key) {
    case Qt::Key_F1: return QStringLiteral("F1");
    case Qt::Key_F2: return QStringLiteral("F2");
    case Qt::Key_F3: return QStringLiteral("F3");
    case Qt::Key_F4: return QStringLiteral("F4");
    case Qt::Key_Up: return QStringLiteral("Up");
    case Qt::Key_Down: return QStringLiteral("Down");
    case Qt::Key_Left: return QStringLiteral("Left");
    case Qt::Key_Right: return QStringLiteral("Right");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("Enter");
    default: return {};
  }
}

bool CommandBox::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && text().isEmpty()) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool history = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                         key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
    if (history) {
      event->ignore();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void CommandBox::keyPressEvent(QKeyEvent* event) {
  // A key event may carry several letters (an input method's): each one clicks.
  const qsizetype letters = std::max<qsizetype>(1, event->text().size());
  for (qsizetype i = 0; i < letters; ++i) emit keyDown();
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QLineEdit::keyPressEvent(event);
}

void CommandBox::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  QString name = commandKeyName(event->key());
  if (!name.isEmpty()) emit commandKeyReleased(name);
}

}  // namespace ui
