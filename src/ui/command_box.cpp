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

bool isArrow(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

// The most commands the box keeps for Up and Down.
constexpr qsizetype kHistoryLength = 500;

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
  if (event->matches(QKeySequence::Copy) && !hasSelectedText()) return emit copyOutsideBox();
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!event->isAutoRepeat()) remember(text());
    return;
  }
  if (isArrow(key)) {
    // Decided when the key goes down: an arrow that empties nothing still walks
    // only if the box was empty when it was pressed.
    if (text().isEmpty() && !editingArrows_.count(key)) return;
    editingArrows_.insert(key);
    if (key == Qt::Key_Up || key == Qt::Key_Down) return recall(key == Qt::Key_Up ? -1 : +1);
    return QLineEdit::keyPressEvent(event);
  }
  if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    // Esc empties the box: the arrows walk again.
    clear();
    recalled_ = history_.size();
    return emit emptied();
  }
  QLineEdit::keyPressEvent(event);
}

void CommandBox::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  const int key = event->key();
  if (editingArrows_.erase(key)) return;
  QString name = commandKeyName(key);
  if (!name.isEmpty()) emit commandKeyReleased(name);
}

void CommandBox::remember(const QString& command) {
  const QString trimmed = command.trimmed();
  if (!trimmed.isEmpty() && (history_.isEmpty() || history_.back() != trimmed)) history_.append(trimmed);
  if (history_.size() > kHistoryLength) history_.removeFirst();
  recalled_ = history_.size();
  edited_.clear();
}

void CommandBox::recall(int step) {
  const qsizetype to = std::clamp<qsizetype>(recalled_ + step, 0, history_.size());
  if (to == recalled_) return;
  if (recalled_ == history_.size()) edited_ = text();
  recalled_ = to;
  setText(recalled_ == history_.size() ? edited_ : history_[recalled_]);
}

}  // namespace ui
