// The "Down" page of the viewer: the on-line switches as tick boxes, the picture
// buttons of the version check, the package and the bulk download, the gauge,
// the activity light and the labels. It shows the engine's model of the page and
// reports presses and clicks by control name.
#pragma once
#include <QLabel>
#include <QProgressBar>
#include <QWidget>
#include <map>
#include <string>

#include "model/down_page.h"
#include "ui/fixed_layout.h"
#include "ui/picture_widget.h"

namespace ui {

class DownPageView : public QWidget {
  Q_OBJECT
 public:
  explicit DownPageView(QWidget* parent = nullptr);

  void refresh(const model::DownPage& page);
  // The widget of a clickable control (tick box or picture button), or null.
  QWidget* control(const std::string& name) const;
  void setScale(const Scale& scale) { layout_.apply(scale); }

 signals:
  void buttonPressed(const QString& name);
  void buttonReleased(const QString& name);
  void tickClicked(const QString& name);

 private:
  QLabel* label(const char* name, int x, int y, int width, bool small = false);
  PictureWidget* tickBox(const char* name, int x, int y);
  PictureWidget* pictureButton(const char* name, int x, int y);

  std::map<std::string, QLabel*> labels_;
  std::map<std::string, PictureWidget*> controls_;
  QProgressBar* G1 = nullptr;
  QWidget* Led = nullptr;
  FixedLayout layout_;
};

}  // namespace ui
