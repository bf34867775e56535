// Fixed places at any scale.
#include "ui/fixed_layout.h"

namespace ui {

void FixedLayout::place(QWidget* widget, QRect gameRect) {
  placed_.push_back({widget, gameRect, std::nullopt});
  show(placed_.back());
}

void FixedLayout::place(QWidget* widget, QRect gameRect, const QFont& font) {
  placed_.push_back({widget, gameRect, font});
  show(placed_.back());
}

void FixedLayout::move(QWidget* widget, QRect gameRect) {
  for (Placed& placed : placed_)
    if (placed.widget == widget) {
      placed.rect = gameRect;
      return show(placed);
    }
  place(widget, gameRect);
}

void FixedLayout::move(QWidget* widget, QRect gameRect, const QFont& font) {
  for (Placed& placed : placed_)
    if (placed.widget == widget) {
      placed.rect = gameRect;
      placed.font = font;
      return show(placed);
    }
  place(widget, gameRect, font);
}

void FixedLayout::apply(const Scale& scale) {
  scale_ = scale;
  for (const Placed& placed : placed_) show(placed);
}

void FixedLayout::show(const Placed& placed) const {
  if (!placed.widget) return;
  const QRect rect = scale_.rect(placed.rect);
  if (placed.widget->geometry() != rect) placed.widget->setGeometry(rect);
  if (placed.font) placed.widget->setFont(scale_.font(*placed.font));
}

}  // namespace ui
