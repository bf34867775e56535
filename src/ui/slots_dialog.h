// The saved games of Ctrl+O: each slot with a thumbnail of its screen, its name,
// place and date; Enter or Restore puts the chosen one back, Delete removes it.
#pragma once
#include <QDialog>
#include <functional>
#include <string>

#include "shell/save_slots.h"

class QListWidget;

namespace ui {

class SlotsDialog : public QDialog {
  Q_OBJECT
 public:
  SlotsDialog(shell::SaveSlots& saved, QWidget* parent = nullptr);

  // The slots as they are now on disk.
  void reload();
  // Called with the name of the slot to restore.
  std::function<void(const std::string& name)> onRestore;

  QListWidget* list;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void restoreSelected();
  void removeSelected();

  shell::SaveSlots& slots_;
};

}  // namespace ui
