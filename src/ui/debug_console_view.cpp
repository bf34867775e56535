// The window's debug console.
#include "ui/debug_console_view.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ui {

DebugConsoleView::DebugConsoleView(model::Game& game, shell::InputQueue& queue, const platform::HostRecord& record,
                                   std::function<void()> afterCommand,
                                   QWidget* parent)
    : QDialog(parent), input(new QLineEdit(this)), output(new QPlainTextEdit(this)), afterCommand_(std::move(afterCommand)) {
  setWindowTitle(tr("Debug console"));
  setModal(false);
  output->setReadOnly(true);
  output->setMaximumBlockCount(5000);
  input->setPlaceholderText(tr("reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(output);
  layout->addWidget(input);
  resize(520, 320);
  console_ = std::make_unique<shell::DebugConsole>(game, queue, record, [this](const std::string& line) {
    output->appendPlainText(QString::fromStdString(line));
  });
  connect(input, &QLineEdit::returnPressed, this, [this] {
    const QString command = input->text();
    input->clear();
    enter(command);
  });
}

DebugConsoleView::~DebugConsoleView() = default;

void DebugConsoleView::enter(const QString& command) {
  if (command.trimmed().isEmpty()) return;
  output->appendPlainText(QStringLiteral("> ") + command);
  console_->command(command.toStdString());
  if (afterCommand_) afterCommand_();
}

}  // namespace ui
