// PictureWidget: an image control. It shows a picture stretched to its bounds (or
// at its own size), reports clicks, double-clicks and moves with positions in
// picture coordinates, and can drag the window it belongs to.
#pragma once
#include <QImage>
#include <QWidget>

namespace ui {

class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PictureWidget(QWidget* parent = nullptr);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }
  void setStretched(bool stretched) { stretched_ = stretched; update(); }
  // A stretched picture is drawn smooth (filtered) or sharp (each pixel a block).
  void setSmooth(bool smooth) {
    if (smooth_ != smooth) update();
    smooth_ = smooth;
  }
  // The key colour is not drawn (the skin and the pictures laid over it).
  void setMagentaTransparent(bool transparent) { magentaTransparent_ = transparent; }
  // Pressing and moving drags the top-level window (the title picture).
  void setDragsWindow(bool drags) { dragsWindow_ = drags; }
  // A point of the picture in the control's own coordinates.
  QPoint fromPicture(QPoint at) const;

 signals:
  void pressed(QPoint at);
  void released(QPoint at);
  void moved(QPoint at);
  void doubleClicked(QPoint at);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QPoint toPicture(QPointF widgetPoint) const;

  QImage picture_, shown_;
  bool stretched_ = true;
  bool smooth_ = false;
  bool magentaTransparent_ = false;
  bool dragsWindow_ = false;
  QPoint dragStart_;
  bool dragging_ = false;
};

}  // namespace ui
