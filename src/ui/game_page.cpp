// Showing the screen model on the game page.
#include "ui/game_page.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <utility>

#include "base/cp1252.h"
#include "model/argument_words.h"
#include "shell/game.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/cursor_shapes.h"
#include "view/cursors.h"
#include "shell/spot_names.h"
#include "ui/page_view_html.h"
#include "ui/pix_page.h"
#include "backends/qt_text.h"
#include "backends/work_pace.h"

namespace ui {
namespace {

// Slim scroll bars that let the colour of the panel they sit on show through.
void slimScrollBars(QAbstractScrollArea* area) {
  static const QString style = QStringLiteral(
      "QScrollBar { background: transparent; margin: 0; }"
      "QScrollBar:vertical { width: 10px; } QScrollBar:horizontal { height: 10px; }"
      "QScrollBar::handle { background: rgba(255, 255, 255, 70); border-radius: 4px; min-height: 24px; min-width: 24px; }"
      "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
      "QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }");
  area->verticalScrollBar()->setStyleSheet(style);
  area->horizontalScrollBar()->setStyleSheet(style);
}

QPlainTextEdit* makeMemo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setReadOnly(true);
  memo->setFrameShape(QFrame::NoFrame);
  memo->document()->setDocumentMargin(2);
  slimScrollBars(memo);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return memo;
}

// How the memos keep pace with a run (see GamePage::refresh); the program has one game page.
backends::WorkPace& memoPace() {
  static backends::WorkPace pace;
  return pace;
}

// The player marker, painted by tools/paint and kept with the window's resources.
QImage markerPicture() {
  QImage marker(QStringLiteral(":/voce.png"));
  if (marker.isNull()) {
    marker = QImage(model::kMarkerWidth, model::kMarkerHeight, QImage::Format_ARGB32);
    marker.fill(QColor(150, 40, 40));
  }
  return marker.convertToFormat(QImage::Format_ARGB32);
}

void showPicture(PictureWidget* widget, const QImage& picture) {
  if (widget->picture().cacheKey() != picture.cacheKey()) widget->setPicture(picture);
}

}  // namespace

GamePage::GamePage(const Publisher& publisher, QWidget* parent) : QWidget(parent) {
  Imp = new PictureWidget(this);
  Imp->setObjectName("Imp");
  // What the skin cuts out shows the black behind the page (in full screen, or
  // where the window has no outline), never the key colour.
  Imp->setMagentaTransparent(true);
  Imp->setGeometry(0, 0, 900, 420);

  // The viewer shows one page, the page of the mode, on its own colour: the
  // margins a page leaves (around MsgMd0, below Msg) show that colour and
  // nothing of another page. Its pages WebB, Sbox2 and Sbc1 are shown and
  // hidden by the viewer alone.
  Abok1 = new QStackedWidget(this);
  Abok1->setObjectName("Abok1");
  Abok1->setAutoFillBackground(true);

  page0 = new QWidget;
  BarraTop = new QWidget(page0);
  BarraTop->setAutoFillBackground(true);
  MsgMd0 = makeMemo(page0);
  MsgMd0->setObjectName("MsgMd0");
  MsgMd0->installEventFilter(this);
  MsgMd0->viewport()->installEventFilter(this);

  page1 = new QWidget;
  PanTel = new QWidget(page1);
  PanTel->setAutoFillBackground(true);
  Tela = new PictureWidget(PanTel);
  Tela->setObjectName("Tela");
  Msg = makeMemo(page1);
  Msg->setObjectName("Msg");

  WebB = new PageView;
  WebB->setObjectName("WebB");
  WebB->setOpenLinks(false);
  WebB->setFrameShape(QFrame::NoFrame);
  slimScrollBars(WebB);
  connect(WebB, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    // A place on the page on show is the page view's own business.
    if (url.path().isEmpty() && url.scheme().isEmpty() && url.hasFragment()) return WebB->scrollToAnchor(url.fragment());
    emit linkFollowed(url.toString());
  });

  Sbox2 = new QScrollArea;
  Sbox2->setObjectName("Sbox2");
  Sbox2->setFrameShape(QFrame::NoFrame);
  slimScrollBars(Sbox2);
  Sbox2Contents = new QWidget;
  Sbox2Contents->setAutoFillBackground(true);
  Tela3 = new PictureWidget(Sbox2Contents);
  Tela3->setObjectName("Tela3");
  Sbox2->setWidget(Sbox2Contents);
  Sbox2->viewport()->installEventFilter(this);

  Sbc1 = new QScrollArea;
  Sbc1->setObjectName("Sbc1");
  Sbc1->setFrameShape(QFrame::NoFrame);
  slimScrollBars(Sbc1);
  Sbc1Contents = new QWidget;
  Sbc1Contents->setAutoFillBackground(true);
  MapJog = new PictureWidget(Sbc1Contents);
  MapJog->setObjectName("MapJog");
  MapJog->setCursor(Qt::OpenHandCursor);
  Voce = new PictureWidget(Sbc1Contents);
  Voce->setObjectName("Voce");
  Voce->setCursor(Qt::PointingHandCursor);
  Sbc1->setWidget(Sbc1Contents);
  pageDown = new DownPageView;
  pagePix = new PixPage(publisher);

  using model::ViewerPage;
  for (auto [shown, page] : std::initializer_list<std::pair<ViewerPage, QWidget*>>{
           {ViewerPage::Strip, page1}, {ViewerPage::Typewriter, page0}, {ViewerPage::Page, WebB}, {ViewerPage::Map, Sbc1},
           {ViewerPage::Canvas, Sbox2}, {ViewerPage::Down, pageDown}, {ViewerPage::Pix, pagePix}}) {
    Abok1->addWidget(page);
    pages_[shown] = page;
  }
  connect(Abok1, &QStackedWidget::currentChanged, this, [this] {
    if (Abok1->currentWidget() == pagePix) pagePix->paintPictures();
  });

  Abok2 = new QWidget(this);
  Abok2->setObjectName("Abok2");
  TelCmd = new PictureWidget(Abok2);
  TelCmd->setObjectName("TelCmd");

  Input = new CommandBox(this);
  Input->setObjectName("Input");

  btFim = new PictureWidget(this);
  btFim->setObjectName("btFim");
  btFim->setMagentaTransparent(true);
  btFim->setCursor(Qt::PointingHandCursor);
  lbFim = new QLabel(this);
  lbFim->setObjectName("lbFim");
  news = new Announcer(this);
  connect(Input, &CommandBox::emptied, this, [this] {
    if (!boxLent_) return;
    endLending();
    Input->hide();
  });
  connect(Input, &CommandBox::copyOutsideBox, this, [this] {
    if (const QString selected = selectedGameText(); !selected.isEmpty()) QGuiApplication::clipboard()->setText(selected);
  });
  makeEndButtonPressable();
  nameForScreenReaders();
}

void GamePage::makeEndButtonPressable() {
  btFim->setFocusPolicy(Qt::TabFocus);
  btFim->installEventFilter(this);
  lbFim->setCursor(Qt::PointingHandCursor);
  lbFim->installEventFilter(this);
}

bool GamePage::endButtonEvent(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (watched == lbFim && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    if (type == QEvent::MouseButtonPress)
      emit btFim->pressed({});
    else
      emit btFim->released({});
    return true;
  }
  if (watched == btFim && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!press) return false;
    if (!key->isAutoRepeat()) {
      if (type == QEvent::KeyPress)
        emit btFim->pressed({});
      else
        emit btFim->released({});
    }
    return true;
  }
  return false;
}

// The names a screen reader says for the page's controls; the text controls
// read out their own text and what is added to it.
void GamePage::nameForScreenReaders() {
  MsgMd0->setAccessibleName(tr("Game text"));
  Msg->setAccessibleName(tr("Game text"));
  WebB->setAccessibleName(tr("Game page"));
  Input->setAccessibleName(tr("Command"));
  describePicture(Tela, QAccessible::Graphic, tr("Picture of the place"));
  describePicture(Tela3, QAccessible::Graphic, tr("Game picture"));
  describePicture(Imp, QAccessible::Graphic, tr("Game frame"));
  describePicture(TelCmd, QAccessible::Graphic, tr("Function panel"));
  describePicture(btFim, QAccessible::Button, tr("End"), tr("Closes the game, which stays saved"));
  for (PictureWidget* picture : {Tela, TelCmd, Imp, Tela3})
    describeSpots(picture, [this, picture] {
      auto it = spotsShown_.find(picture);
      return it == spotsShown_.end() ? std::vector<AccessibleSpot>{} : it->second;
    });
}

void GamePage::listSpots(const model::Game& game) {
  spotsShown_.clear();
  for (int slot = 0; slot < model::kHotSpotSlots; ++slot) {
    const model::HotSpot& spot = game.hotSpots.spots[static_cast<size_t>(slot)];
    if (!spot.active || spot.width <= 0 || spot.height <= 0) continue;
    const PictureWidget* picture = pictureOf(model::surfaceOfSlot(slot));
    const std::string name = shell::spotName(game, spot);
    QString shown = !name.empty()          ? backends::unicode(name)
                    : shell::isMapSwitch(spot) ? tr("Map")
                                              : tr("Spot %1").arg(spotsShown_[picture].size() + 1);
    spotsShown_[picture].push_back({shown, scale_.rect(QRect(spot.x, spot.y, spot.width, spot.height))});
  }
}

bool GamePage::eventFilter(QObject* watched, QEvent* event) {
  if (!Input) return QWidget::eventFilter(watched, event);  // still being built
  if (endButtonEvent(watched, event)) return true;
  // The engine scrolls the mode-"3" page by the wheel's turn (120 a notch).
  if (watched == Sbox2->viewport() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    emit wheelTurned(scale_.toGame(Sbox2->viewport()->mapTo(Sbox2, wheel->position().toPoint())),
                     wheel->angleDelta().y());
    return true;
  }
  // Keys and clicks in the typewriter page belong to the command box.
  if ((watched == MsgMd0 || watched == MsgMd0->viewport()) && Input->isVisible()) {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
        Input->setFocus();
        if (event->type() == QEvent::KeyPress) QApplication::sendEvent(Input, event);
        return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Game text breaks lines with CR LF, the memo with one line feed.
static QString memoText(const std::string& cp1252Text) {
  return backends::unicode(cp1252Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Where the part of the text a memo shows starts: the start while the text
// fits in kMemoTail, then the same place while the part still fits, then half a
// tail back from the end, at the start of a word.
static size_t shownFrom(const std::string& bytes, size_t upTo, size_t current) {
  if (upTo <= GamePage::kMemoTail) return 0;
  if (current > 0 && upTo - current <= GamePage::kMemoTail) return current;
  const size_t from = upTo - GamePage::kMemoTail / 2;
  const size_t blank = bytes.find_first_of(" \n", from);
  return blank == std::string::npos || blank + 1 >= upTo ? from : blank + 1;
}

void GamePage::followText(QPlainTextEdit* memo, const model::ControlText& text, MemoShown& shown) {
  const std::string& bytes = text.str();
  // A line break (CR LF) is added whole: a CR at the end waits for what follows it.
  size_t upTo = bytes.size();
  if (upTo > 0 && bytes[upTo - 1] == '\r') --upTo;
  const bool added = text.edition() == shown.edition && upTo >= shown.bytes;
  const size_t from = shownFrom(bytes, upTo, added ? shown.from : 0);
  if (added && from == shown.from) {
    if (upTo == shown.bytes) return;
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(memoText(bytes.substr(shown.bytes, upTo - shown.bytes)));
  } else {
    memo->setPlainText(memoText(bytes.substr(from, upTo - from)));
  }
  shown = {text.edition(), upTo, from};
}

void GamePage::followEnd(QPlainTextEdit* memo) {
  memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
}

void GamePage::showPage(model::ViewerPage shown) {
  auto it = pages_.find(shown);
  if (it != pages_.end() && Abok1->currentWidget() != it->second) Abok1->setCurrentWidget(it->second);
}


void GamePage::showPage(const model::ScreenModel& screen) {
  const std::string& path = screen.pageShown;
  if (path.empty()) {
    // A page loaded without a file (the blank page).
    if (!pageStale_ && screen.pageHtml == pageHtml_ && pageShown_.empty()) return;
    pageStale_ = false;
    pageShown_.clear();
    pageHtml_ = screen.pageHtml;
    setPageStyle(screen.style);
    WebB->setHtml(pageViewHtml(pageHtml_));
    return;
  }
  QFileInfo info(QString::fromStdString(path));
  qint64 stamp = info.exists() ? info.lastModified().toMSecsSinceEpoch() * 1000 + info.size() : -1;
  if (!pageStale_ && path == pageShown_ && stamp == pageStamp_) return;
  pageStale_ = false;
  pageShown_ = path;
  pageStamp_ = stamp;
  QFile file(info.filePath());
  if (!file.open(QIODevice::ReadOnly)) return;  // a page that cannot be shown leaves the old one
  std::string bytes = file.readAll().toStdString();
  // Pictures of the page are found beside it (tmp.htm: in the game folder).
  WebB->document()->setBaseUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
  setPageStyle(screen.style);
  WebB->setHtml(pageViewHtml(bytes));
}

void GamePage::setPageStyle(const model::TextStyle& style) {
  // The page's body names its link colour; Qt's page view takes it from a style sheet.
  WebB->document()->setDefaultStyleSheet(
      QStringLiteral("a { color: %1; }").arg(colourOf(style.linkColour, Qt::yellow).name()));
}

void GamePage::refresh(const model::Game& game) {
  const auto& s = game.screen;
  const auto& f = game.surfaces;
  const Scale& k = scale_;
  applyControl(Imp, s.Imp, k);
  showPicture(Imp, f.Imp);

  applyControl(Abok1, s.Abok1, k);
  showPage(s.viewerPage.page());
  pageDown->refresh(game.online.page);
  applyControl(BarraTop, s.BarraTop, k);
  applyControl(MsgMd0, s.MsgMd0, k);
  applyControl(PanTel, s.PanTel, k);
  applyControl(Tela, s.Tela, k);
  showPicture(Tela, f.Tela);
  applyControl(Msg, s.Msg, k);
  // A memo holding one long line lays all of it out again for every addition.
  // During a run it therefore catches up only after four times as long as its
  // last update took, so following the text never takes more than a fifth of
  // the run's time; between runs it always shows the whole text.
  backends::WorkPace& pace = memoPace();
  if (!game.runner.running || pace.due()) {
    pace.run([&] {
      followText(MsgMd0, s.MsgMd0.text, MsgMd0Shown_);
      followEnd(MsgMd0);
      followText(Msg, s.Msg.text, MsgShown_);
    });
  }
  applyPlaceAndLook(WebB, s.WebB, k);
  WebB->setGameFolder(game.folders.dataFolder);
  showPage(s);
  applyPlaceAndLook(Sbox2, s.Sbox2, k);
  Sbox2Contents->setPalette(Sbox2->palette());
  showPicture(Tela3, f.Tela3);
  const QRect tela3 = k.rect(QRect(QPoint(model::kTela3Left, model::kTela3Top), f.Tela3.size()));
  if (Tela3->geometry() != tela3) {
    Tela3->setGeometry(tela3);
    Sbox2Contents->resize(k.size(f.Tela3.size() + QSize(2 * model::kTela3Left, 2 * model::kTela3Top)));
  }
  if (Sbox2->verticalScrollBar()->value() != k.px(game.pointer.page3Scroll))
    Sbox2->verticalScrollBar()->setValue(k.px(game.pointer.page3Scroll));
  applyPlaceAndLook(Sbc1, s.Sbc1, k);
  showMap(game);

  applyControl(Abok2, s.Abok2, k);
  TelCmd->setGeometry(k.rect(QRect(0, 0, s.Abok2.width, s.Abok2.height)));
  showPicture(TelCmd, f.TelCmd);

  applyControl(Input, s.Input, k);
  if (boxLent_ && !s.Input.visible) {
    Input->show();
    Input->raise();
  }
  QString command = backends::unicode(s.Input.text);
  if (Input->text() != command) Input->setText(command);

  btFim->setGeometry(k.rect(QRect(QPoint(s.btFim.x, s.btFim.y),
                                  f.btFim.isNull() ? QSize(s.btFim.width, s.btFim.height) : f.btFim.size())));
  btFim->setVisible(s.btFim.visible);
  showPicture(btFim, f.btFim);
  applyControl(lbFim, s.lbFim, k);
  lbFim->setText(backends::unicode(s.lbFim.text));
  lbFim->adjustSize();
  lbFim->raise();
  // The end button is called what the game writes beside it.
  const QString caption = lbFim->text().trimmed();
  const QString endName = caption.isEmpty() ? tr("End") : caption;
  if (btFim->accessibleName() != endName) btFim->setAccessibleName(endName);
  if (!game.runner.running) listSpots(game);

  if (s.front == model::FrontPanel::FunctionPanel)
    Abok2->raise();
  else
    Abok1->raise();
  showCursors(game);
}

void GamePage::setScale(const Scale& scale) {
  // The page is laid out again: its pictures take their room at the new scale.
  if (scale.factor != scale_.factor) pageStale_ = true;
  scale_ = scale;
  WebB->setScale(scale.factor);
  pageDown->setScale(scale);
  pagePix->setScale(scale);
}

PictureWidget* GamePage::pictureOf(model::PointerSurface surface) const {
  switch (surface) {
    case model::PointerSurface::Tela: return Tela;
    case model::PointerSurface::TelCmd: return TelCmd;
    case model::PointerSurface::Imp: return Imp;
    case model::PointerSurface::Tela3: return Tela3;
  }
  return nullptr;
}

PictureWidget* GamePage::pictureOf(const std::string& surface) const {
  if (const auto pointer = model::readArgument<'g'>(surface)) return pictureOf(*pointer);
  if (surface == "map") return MapJog;
  if (surface == "voce") return Voce;
  return nullptr;
}

void GamePage::showCursors(const model::Game& game) {
  for (auto surface : {model::PointerSurface::Tela, model::PointerSurface::TelCmd, model::PointerSurface::Imp,
                       model::PointerSurface::Tela3}) {
    // Outside hot spots a surface shows its own cursor, which a run may change (telpos=).
    const bool overSlot = surface == game.pointer.over && game.pointer.hoveredSlot >= 0;
    const int code = overSlot ? game.pointer.cursor : view::baseCursor(game, surface);
    PictureWidget* widget = pictureOf(surface);
    int& shown = cursorShown_.try_emplace(widget, -1).first->second;
    if (shown == code) continue;
    shown = code;
    widget->setCursor(cursorShape(view::cursorFor(code)));
  }
}

QString GamePage::gameText(const model::Game& game) const {
  const model::ScreenModel& screen = game.screen;
  if (screen.isTypewriterMode()) return MsgMd0->toPlainText();
  if (screen.isStripMode()) return Msg->toPlainText();
  if (screen.isPageMode()) return WebB->toPlainText();
  QStringList lines;
  for (const std::string& line : screen.Memo3) lines << backends::unicode(line);
  return lines.join(QLatin1Char('\n'));
}

void GamePage::lendCommandBox() {
  if (Input->isVisibleTo(this)) return;
  boxLent_ = true;
  Input->show();
  Input->raise();
  Input->setFocus();
}

void GamePage::endLending() {
  if (!boxLent_) return;
  boxLent_ = false;
  // The next refresh hides it again if the game still does.
}

QString GamePage::selectedGameText() const {
  QString selected;
  if (Abok1->currentWidget() == page0) selected = MsgMd0->textCursor().selectedText();
  else if (Abok1->currentWidget() == page1) selected = Msg->textCursor().selectedText();
  else if (Abok1->currentWidget() == WebB) selected = WebB->textCursor().selectedText();
  // A selection across lines holds paragraph marks.
  return selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
}

void GamePage::tellScreenReaders(const QString& before, const model::Game& game) {
  const QString now = gameText(game);
  if (now == before) return;
  // Text added to what was there is news; text in place of it is news whole.
  const QString news = (now.startsWith(before) ? now.mid(before.size()) : now).trimmed();
  if (news.isEmpty()) return;
  Input->setAccessibleDescription(news);
  this->news->announce(news);
}

void GamePage::showMap(const model::Game& game) {
  // The map, the marker and the scroll positions are in game pixels: at a larger
  // scale the map is drawn larger and its clicks come back in map pixels.
  const auto& map = game.map;
  const Scale& k = scale_;
  Sbc1Contents->setPalette(Sbc1->palette());
  showPicture(MapJog, map.MapJog);
  const QSize shown = k.size(map.MapJog.size());
  if (MapJog->size() != shown) {
    MapJog->resize(shown);
    Sbc1Contents->resize(shown);
  }
  // The marker's picture is read when the map is first on show.
  if (Voce->picture().isNull() && Sbc1->isVisible()) Voce->setPicture(markerPicture());
  Voce->setGeometry(k.rect(QRect(map.voceX, map.voceY, model::kMarkerWidth, model::kMarkerHeight)));
  Voce->raise();
  if (Sbc1->horizontalScrollBar()->value() != k.px(map.scrollX)) Sbc1->horizontalScrollBar()->setValue(k.px(map.scrollX));
  if (Sbc1->verticalScrollBar()->value() != k.px(map.scrollY)) Sbc1->verticalScrollBar()->setValue(k.px(map.scrollY));
}

void GamePage::applyFocus(const model::Game& game) {
  switch (game.screen.focus) {
    case model::Focus::Input: if (Input->isVisible()) Input->setFocus(); break;
    case model::Focus::WebB: WebB->setFocus(); break;
    case model::Focus::MsgMd0: MsgMd0->setFocus(); break;
    case model::Focus::Sbox2: Sbox2->setFocus(); break;
    case model::Focus::Window: setFocus(); break;
  }
}

}  // namespace ui
