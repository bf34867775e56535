// The game page (page 0 of Abok0): the skin picture Imp, the viewer Abok1 with a
// page per display mode, the function panel with TelCmd, the command box and the
// end button. refresh() makes it show the screen model.
#pragma once
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <map>

#include "ui/accessibility.h"
#include "ui/command_box.h"
#include "ui/page_view.h"
#include "ui/down_page_view.h"
#include "ui/picture_widget.h"
#include "ui/publisher.h"
#include "ui/window_scale.h"

#include "model/hot_spots.h"
#include "model/screen_model.h"

namespace model { struct Game; }

namespace ui {

class PixPage;

class GamePage : public QWidget {
  Q_OBJECT
 public:
  // The most of one text a memo shows (its end): Qt lays a paragraph out again
  // whole at every addition, at a cost that grows faster than the paragraph;
  // the whole text is in the transcript's scrollback.
  static constexpr size_t kMemoTail = 64 * 1024;
  GamePage(const Publisher& publisher, QWidget* parent = nullptr);

  void refresh(const model::Game& game);
  // The window's scale, for the next refresh.
  void setScale(const Scale& scale);
  const Scale& scale() const { return scale_; }
  // Gives the keyboard focus to the control the model names.
  void applyFocus(const model::Game& game);
  // The game text of the display mode, as a screen reader reads it.
  QString gameText(const model::Game& game) const;
  // After an input: what the game wrote since `before` becomes the command box's
  // description, which a screen reader says, as the box keeps the focus.
  void tellScreenReaders(const QString& before, const model::Game& game);
  // Shows the command box the game hides, for one command, over the page; the
  // box follows the game's layout again when the command has run (or Esc empties it).
  void lendCommandBox();
  void endLending();
  // The game text selected in the memo or the page on show; Ctrl+C in the
  // command box copies it when the box has nothing selected.
  QString selectedGameText() const;
  // Each picture shows the cursor the engine chose for it.
  void showCursors(const model::Game& game);
  // The picture control of a pointer surface, or of its events-file name ("tel",
  // "fnc", "pan", "md3", and "map", "voce" for the map page's pictures).
  PictureWidget* pictureOf(model::PointerSurface surface) const;
  PictureWidget* pictureOf(const std::string& surface) const;

  PictureWidget* Imp = nullptr;
  QStackedWidget* Abok1 = nullptr;
  QWidget* page0 = nullptr;
  QPlainTextEdit* MsgMd0 = nullptr;
  QWidget* BarraTop = nullptr;
  QWidget* page1 = nullptr;
  PictureWidget* Tela = nullptr;  // inside PanTel
  QWidget* PanTel = nullptr;
  QPlainTextEdit* Msg = nullptr;
  PageView* WebB = nullptr;
  QScrollArea* Sbox2 = nullptr;
  QWidget* Sbox2Contents = nullptr;  // Tela3 sits in it at a small margin
  PictureWidget* Tela3 = nullptr;
  QScrollArea* Sbc1 = nullptr;
  QWidget* Sbc1Contents = nullptr;  // the map and the marker above it
  PictureWidget* MapJog = nullptr;
  PictureWidget* Voce = nullptr;
  DownPageView* pageDown = nullptr;
  PixPage* pagePix = nullptr;
  QWidget* Abok2 = nullptr;
  PictureWidget* TelCmd = nullptr;
  CommandBox* Input = nullptr;
  PictureWidget* btFim = nullptr;
  QLabel* lbFim = nullptr;
  // Says the game's news to a screen reader as it comes.
  Announcer* news = nullptr;

 signals:
  // A page link was followed; the address as the page view reports it.
  void linkFollowed(const QString& address);
  // The wheel turned over the mode-"3" page at a point of its box.
  void wheelTurned(QPoint at, int delta);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void nameForScreenReaders();
  // The hot spots of each picture, named, for a screen reader.
  void listSpots(const model::Game& game);
  // The end button and its caption work as one button: a click on either, or
  // Space or Enter while the button has the focus.
  void makeEndButtonPressable();
  bool endButtonEvent(QObject* watched, QEvent* event);
  void showPage(model::ViewerPage shown);
  void showPage(const model::ScreenModel& screen);
  // What a memo shows of a model text: the edition and how many of its bytes.
  struct MemoShown {
    uint64_t edition = 0;
    size_t bytes = 0;
    size_t from = 0;  // where the part the memo shows starts
  };
  // The memo follows the model text: text added at the end is added to the
  // memo, anything else replaces the memo's text. Of a text longer than
  // kMemoTail it shows the end.
  static void followText(QPlainTextEdit* memo, const model::ControlText& text, MemoShown& shown);
  // The typewriter page keeps its newest line in sight.
  static void followEnd(QPlainTextEdit* memo);
  void setPageStyle(const model::TextStyle& style);
  // The map page: the map picture, the marker on it and the scroll position.
  void showMap(const model::Game& game);

  Scale scale_;
  bool boxLent_ = false;
  std::map<const QWidget*, std::vector<AccessibleSpot>> spotsShown_;
  std::map<model::ViewerPage, QWidget*> pages_;  // a caption of no page (Other) shows none
  std::map<QWidget*, int> cursorShown_;
  MemoShown MsgMd0Shown_, MsgShown_;
  std::string pageShown_, pageHtml_;
  bool pageStale_ = false;  // shown at another scale
  qint64 pageStamp_ = -1;
};

}  // namespace ui
