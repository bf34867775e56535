// The "Down" page view.
#include "ui/down_page_view.h"

#include "backends/qt_text.h"
#include "ui/artwork.h"

#include <algorithm>

namespace ui {
namespace {

void applyLabel(QLabel* label, const model::DownLabel& model) {
  QString caption = backends::unicode(model.caption);
  if (label->text() != caption) label->setText(caption);
  label->setVisible(model.visible);
}

QColor lightColour(const std::string& name) {
  if (name == "red") return QColor(255, 0, 0);
  if (name == "green") return QColor(0, 128, 0);
  return QColor(128, 0, 0);  // maroon
}

}  // namespace

DownPageView::DownPageView(QWidget* parent) : QWidget(parent) {
  setObjectName("pageDown");
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0x19, 0x43, 0x94));
  colours.setColor(QPalette::WindowText, QColor(255, 255, 0));
  setPalette(colours);

  QFont heading = font();
  heading.setBold(true);
  heading.setPointSize(12);
  layout_.move(label("Label2", 20, 12, 400), QRect(20, 12, 400, 20), heading);
  label("Versao", 20, 38, 200);
  pictureButton("btAtual", 20, 66);
  label("lbAviso", 62, 70, 580);
  pictureButton("btDEG", 20, 100);
  label("lbDEG", 62, 104, 400);

  G1 = new QProgressBar(this);
  G1->setObjectName("G1");
  G1->setTextVisible(false);
  Led = new QWidget(this);
  Led->setObjectName("Led");
  Led->setAutoFillBackground(true);

  tickBox("TicLine", 20, 170);
  label("Label6", 44, 168, 300);
  label("Label10", 44, 188, 600, true);
  tickBox("TicTudo", 40, 214);
  label("lbTicT", 64, 212, 300);
  label("lbTudo", 64, 232, 580, true);
  tickBox("TicDown", 40, 256);
  label("lbTicD", 64, 254, 300);
  label("lbDown", 64, 274, 580, true);
  tickBox("TicMult", 40, 298);
  label("lbTicM", 64, 296, 200);
  pictureButton("btDWNtudo", 20, 322);
  label("lbDWntudo", 62, 326, 120);
  label("Lbx", 340, 328, 320);
}

QLabel* DownPageView::label(const char* name, int x, int y, int width, bool small) {
  auto* text = new QLabel(this);
  text->setObjectName(name);
  QFont font = text->font();
  if (small) font.setPointSize(std::max(7, font.pointSize() - 1));
  layout_.place(text, QRect(x, y, width, 20), font);
  labels_[name] = text;
  return text;
}

PictureWidget* DownPageView::tickBox(const char* name, int x, int y) {
  auto* box = new PictureWidget(this);
  box->setObjectName(name);
  layout_.place(box, QRect(x, y, 16, 16));
  box->setPicture(paintTickBox(false));
  const QString control = QString::fromLatin1(name);
  connect(box, &PictureWidget::released, this, [this, control] { emit tickClicked(control); });
  controls_[name] = box;
  return box;
}

PictureWidget* DownPageView::pictureButton(const char* name, int x, int y) {
  auto* button = new PictureWidget(this);
  button->setObjectName(name);
  layout_.place(button, QRect(x, y, 32, 24));
  button->setPicture(paintPictureButton(false));
  const QString control = QString::fromLatin1(name);
  connect(button, &PictureWidget::pressed, this, [this, control] { emit buttonPressed(control); });
  connect(button, &PictureWidget::released, this, [this, control] { emit buttonReleased(control); });
  controls_[name] = button;
  return button;
}

QWidget* DownPageView::control(const std::string& name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

void DownPageView::refresh(const model::DownPage& page) {
  static const QImage tic0 = paintTickBox(false), tic1 = paintTickBox(true);
  static const QImage btUp = paintPictureButton(false), btDw = paintPictureButton(true);
  for (auto [name, model] : std::initializer_list<std::pair<const char*, const model::DownLabel*>>{
           {"Label2", &page.Label2}, {"Versao", &page.Versao}, {"lbAviso", &page.lbAviso}, {"lbDEG", &page.lbDEG},
           {"Label6", &page.Label6}, {"Label10", &page.Label10}, {"lbTicT", &page.lbTicT}, {"lbTudo", &page.lbTudo},
           {"lbTicD", &page.lbTicD}, {"lbDown", &page.lbDown}, {"lbTicM", &page.lbTicM},
           {"lbDWntudo", &page.lbDWntudo}, {"Lbx", &page.Lbx}})
    applyLabel(labels_.at(name), *model);
  auto tick = [&](const char* name, const model::TickBox& model) {
    PictureWidget* box = controls_.at(name);
    box->setPicture(model.ticked ? tic1 : tic0);
    box->setVisible(model.visible);
  };
  tick("TicLine", page.TicLine);
  tick("TicTudo", page.TicTudo);
  tick("TicDown", page.TicDown);
  tick("TicMult", page.TicMult);
  auto button = [&](const char* name, const model::PictureButton& model) {
    PictureWidget* widget = controls_.at(name);
    widget->setPicture(model.pressed ? btDw : btUp);
    widget->setVisible(model.visible);
  };
  button("btAtual", page.btAtual);
  button("btDEG", page.btDEG);
  button("btDWNtudo", page.btDWNtudo);

  layout_.move(G1, QRect(page.G1.x, page.G1.y, page.G1.width, page.G1.height));
  G1->setMaximum(std::max(0, page.G1.maximum));
  G1->setValue(std::clamp(page.G1.progress, 0, std::max(0, page.G1.maximum)));
  G1->setVisible(page.G1.visible);
  layout_.move(Led, QRect(page.Led.x, page.Led.y, page.Led.width, page.Led.height));
  QPalette light = Led->palette();
  light.setColor(QPalette::Window, lightColour(page.Led.colour));
  Led->setPalette(light);
  Led->setVisible(page.Led.visible);
}

}  // namespace ui
