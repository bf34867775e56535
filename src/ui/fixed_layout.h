// FixedLayout: the controls of a page that sit at fixed places in game pixels
// (the opening screen, the "Down" and "Pix" pages), with their fonts, placed
// again whenever the window's scale changes.
#pragma once
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/window_scale.h"

namespace ui {

class FixedLayout {
 public:
  // Places the widget now (at scale 1) and at every later scale.
  void place(QWidget* widget, QRect gameRect);
  // The same, with a font whose size scales with the window.
  void place(QWidget* widget, QRect gameRect, const QFont& font);
  // A widget takes a new place (a gauge the page moves), or a new font too.
  void move(QWidget* widget, QRect gameRect);
  void move(QWidget* widget, QRect gameRect, const QFont& font);

  void apply(const Scale& scale);
  const Scale& scale() const { return scale_; }

 private:
  struct Placed {
    QPointer<QWidget> widget;
    QRect rect;
    std::optional<QFont> font;
  };
  void show(const Placed& placed) const;

  std::vector<Placed> placed_;
  Scale scale_;
};

}  // namespace ui
