// The launcher: the window the player opens on when it knows more than one game
// and none was named. Each game shows its title picture, name, folder and when it
// was last played (and where); Play (or Enter, or a double click) plays the
// selected one, Add game... adds a folder once it proves to hold a game, Remove
// from list takes a game off the list and never deletes its files.
#pragma once
#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace ui {

struct LauncherGame {
  QString name;
  QString folder;
  QString lastPlayed;  // "last played 2026-12-09 04:15, in praca", or "never played"
  QImage picture;      // the title picture; null when there is none
};

class Launcher : public QDialog {
  Q_OBJECT
 public:
  struct Actions {
    std::function<std::vector<LauncherGame>()> games;  // the list as it is now
    std::function<QString(const QString& folder)> add;  // empty when added, else why not
    std::function<void(int index)> remove;
  };
  Launcher(Actions actions, int selected, QWidget* parent = nullptr);

  // The game chosen with Play; -1 before.
  int chosenIndex() const { return chosen_; }
  // Adds the folder as Add game... does once a folder is picked; false (and the
  // reason shown in the window) when it holds no game.
  bool addFolder(const QString& folder);

  QListWidget* list;
  QPushButton* playButton;
  QPushButton* addButton;
  QPushButton* removeButton;
  QLabel* message;  // why the last folder was not added

 private:
  void refill(int selected);
  void play();
  void removeSelected();

  Actions actions_;
  int chosen_ = -1;
};

}  // namespace ui
