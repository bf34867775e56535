// The floor of the player's whole-process start-up (tools/bench_start.sh): the
// bare Qt window of bare_qt_window.cpp showing the opening screen's title
// picture, painted as the player paints it (its sky, village and three texts,
// which set Qt's fonts up), ending as soon as it is first painted.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "ui/artwork.h"

namespace {

class TitleWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).drawImage(0, 0, title_);
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [this] { close(); });
  }

 private:
  QImage title_ = ui::paintTitlePicture(900, 420);
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TitleWindow window;
  window.setFixedSize(900, 420);
  window.show();
  return QApplication::exec();
}
