// The launcher window.
#include "ui/launcher.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {
namespace {

// Title pictures are shown at one size, their proportions kept, on a dark ground.
constexpr QSize kPictureSize(240, 112);

QIcon pictureIcon(const QImage& picture) {
  QPixmap shown(kPictureSize);
  shown.fill(QColor(0x2B, 0x3A, 0x4A));
  if (!picture.isNull()) {
    QImage scaled = picture.scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&shown);
    painter.drawImage((kPictureSize.width() - scaled.width()) / 2, (kPictureSize.height() - scaled.height()) / 2, scaled);
  }
  return QIcon(shown);
}

}  // namespace

Launcher::Launcher(Actions actions, int selected, QWidget* parent) : QDialog(parent), actions_(std::move(actions)) {
  setWindowTitle(tr("Mirandel: choose a game"));
  list = new QListWidget(this);
  list->setIconSize(kPictureSize);
  list->setSpacing(4);
  list->setAccessibleName(tr("Games"));
  message = new QLabel(this);
  message->setWordWrap(true);
  message->setStyleSheet(QStringLiteral("color: #A02020"));
  message->hide();

  auto* buttons = new QDialogButtonBox(this);
  playButton = buttons->addButton(tr("Play"), QDialogButtonBox::AcceptRole);
  addButton = buttons->addButton(tr("Add game..."), QDialogButtonBox::ActionRole);
  removeButton = buttons->addButton(tr("Remove from list"), QDialogButtonBox::DestructiveRole);
  playButton->setDefault(true);
  addButton->setAutoDefault(false);
  removeButton->setAutoDefault(false);
  removeButton->setToolTip(tr("Takes the game off this list; its files stay where they are"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  layout->addWidget(message);
  layout->addWidget(buttons);

  connect(playButton, &QPushButton::clicked, this, &Launcher::play);
  connect(list, &QListWidget::itemActivated, this, &Launcher::play);  // Enter or a double click
  connect(removeButton, &QPushButton::clicked, this, &Launcher::removeSelected);
  connect(addButton, &QPushButton::clicked, this, [this] {
    QString folder = QFileDialog::getExistingDirectory(this, tr("Add a game folder"));
    if (!folder.isEmpty()) addFolder(folder);
  });
  connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
    playButton->setEnabled(row >= 0);
    removeButton->setEnabled(row >= 0);
  });
  refill(selected);
  resize(640, 520);
  list->setFocus();
}

void Launcher::refill(int selected) {
  list->clear();
  for (const auto& game : actions_.games()) {
    auto* item = new QListWidgetItem(pictureIcon(game.picture),
                                     game.name + QStringLiteral("\n") + game.folder + QStringLiteral("\n") + game.lastPlayed,
                                     list);
    item->setToolTip(game.folder);
  }
  list->setCurrentRow(std::min(selected, list->count() - 1));
  playButton->setEnabled(list->currentRow() >= 0);
  removeButton->setEnabled(list->currentRow() >= 0);
}

void Launcher::play() {
  if (list->currentRow() < 0) return;
  chosen_ = list->currentRow();
  accept();
}

void Launcher::removeSelected() {
  int row = list->currentRow();
  if (row < 0) return;
  actions_.remove(row);
  refill(std::max(0, row - 1));
}

bool Launcher::addFolder(const QString& folder) {
  QString reason = actions_.add(folder);
  if (!reason.isEmpty()) {
    message->setText(tr("%1 was not added: %2").arg(folder, reason));
    message->show();
    return false;
  }
  message->hide();
  auto games = actions_.games();
  int added = 0;
  for (size_t i = 0; i < games.size(); ++i)
    if (QFileInfo(games[i].folder).canonicalFilePath() == QFileInfo(folder).canonicalFilePath()) added = static_cast<int>(i);
  refill(added);
  return true;
}

}  // namespace ui
