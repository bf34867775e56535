// The page view of display mode "2" (WebB): a text browser whose pictures and
// other resources come from the game folder only, through the folder's own
// rules (no absolute names, no "..", nothing a symlink leads outside to). Other
// addresses are not loaded.
#pragma once
#include <QTextBrowser>

#include "base/game_folder.h"

namespace ui {

class PageView : public QTextBrowser {
  Q_OBJECT

 public:
  using QTextBrowser::QTextBrowser;
  void setGameFolder(const base::GameFolder& folder) { folder_ = folder; }
  // The window's scale: the page's pictures take that many times their room.
  void setScale(double factor) { scale_ = factor; }

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  base::GameFolder folder_;
  double scale_ = 1.0;
};

}  // namespace ui
