// The scrollback window.
#include "ui/scrollback_view.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace ui {

ScrollbackView::ScrollbackView(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Transcript"));
  setAccessibleName(tr("Transcript"));
  resize(640, 480);
  text = new QPlainTextEdit(this);
  text->setReadOnly(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text->setAccessibleName(tr("Transcript"));
  search = new QLineEdit(this);
  search->setPlaceholderText(tr("Find (Enter: next)"));
  search->setAccessibleName(tr("Find"));
  search->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(search);
  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, this, &ScrollbackView::startSearch);
  connect(search, &QLineEdit::returnPressed, this, [this] { findNext(); });
}

void ScrollbackView::showText(const QString& shown) {
  text->setPlainText(shown);
  text->moveCursor(QTextCursor::End);
  text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
}

void ScrollbackView::startSearch() {
  search->show();
  search->setFocus();
  search->selectAll();
}

bool ScrollbackView::findNext() {
  const QString wanted = search->text();
  if (wanted.isEmpty()) return false;
  if (text->find(wanted)) return true;
  // From the top again.
  text->moveCursor(QTextCursor::Start);
  return text->find(wanted);
}

void ScrollbackView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && search->isVisible()) {
    search->hide();
    text->setFocus();
    return;
  }
  QDialog::keyPressEvent(event);  // Esc closes the window
}

}  // namespace ui
