// The yardstick of the player's whole-process start-up (tools/bench_start.sh): a
// bare Qt window of the opening screen's size that ends as soon as it is first
// painted, as `mirandel --quit-when-shown` does.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [this] { close(); });
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareWindow window;
  window.setFixedSize(900, 420);
  window.show();
  return QApplication::exec();
}
