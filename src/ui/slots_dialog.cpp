// The saved games list.
#include "ui/slots_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kNameRole = Qt::UserRole;

}  // namespace

SlotsDialog::SlotsDialog(shell::SaveSlots& saved, QWidget* parent) : QDialog(parent), slots_(saved) {
  setWindowTitle(tr("Saved games"));
  resize(520, 420);
  list = new QListWidget(this);
  list->setIconSize(QSize(120, 60));
  list->setAccessibleName(tr("Saved games"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* restore = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
  QPushButton* remove = buttons->addButton(tr("Delete"), QDialogButtonBox::DestructiveRole);
  buttons->addButton(QDialogButtonBox::Close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  layout->addWidget(buttons);
  connect(restore, &QPushButton::clicked, this, &SlotsDialog::restoreSelected);
  connect(remove, &QPushButton::clicked, this, &SlotsDialog::removeSelected);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list, &QListWidget::itemActivated, this, [this] { restoreSelected(); });
}

void SlotsDialog::reload() {
  list->clear();
  for (const shell::SlotInfo& slot : slots_.list()) {
    auto* item = new QListWidgetItem(QString::fromStdString(slot.name + "\n" + slot.place + " \u2014 " + slot.date), list);
    item->setData(kNameRole, QString::fromStdString(slot.name));
    if (!slot.thumbnail.empty()) item->setIcon(QPixmap(QString::fromStdString(slot.thumbnail.string())));
  }
  if (list->count() > 0) list->setCurrentRow(0);
}

void SlotsDialog::restoreSelected() {
  QListWidgetItem* item = list->currentItem();
  if (!item) return;
  const std::string name = item->data(kNameRole).toString().toStdString();
  accept();
  if (onRestore) onRestore(name);
}

void SlotsDialog::removeSelected() {
  QListWidgetItem* item = list->currentItem();
  if (!item) return;
  slots_.remove(item->data(kNameRole).toString().toStdString());
  reload();
}

void SlotsDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) return removeSelected();
  QDialog::keyPressEvent(event);
}

}  // namespace ui
