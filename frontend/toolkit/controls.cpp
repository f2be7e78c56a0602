#include "controls.h"

#include <QPainter>

#include "layout_font.h"

namespace orvane::toolkit {

namespace {

QRect PlaceIn(const QWidget* container, const Twips& at) {
  return ToPixels(at).translated(ClientOrigin(container));
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  if (!colour.isValid()) return;
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

class RectangleShape : public QWidget {
 public:
  RectangleShape(QWidget* container, const QColor& border, const QColor& fill)
      : QWidget(container), border_(border), fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (fill_.isValid()) painter.fillRect(rect(), fill_);
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  QColor border_;
  QColor fill_;
};

}  // namespace

QPoint ClientOrigin(const QWidget* container) {
  if (const auto* frame = qobject_cast<const QFrame*>(container)) return frame->contentsRect().topLeft();
  return QPoint(0, 0);
}

Label::Label(QWidget* container, const char* name, const QString& caption, const Twips& at,
             const LabelLook& look)
    : QLabel(container), fits_(look.fits) {
  setObjectName(QString::fromLatin1(name));
  if (look.hasFont) setFont(look.font);
  SetColour(this, QPalette::WindowText, look.text.isValid() ? look.text : kTextColor);
  if (!look.clear) {
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, look.back);
  }
  if (look.border) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
  }
  setMargin(0);
  setIndent(0);
  setAlignment(look.fits ? (Qt::AlignLeft | Qt::AlignTop) : Qt::AlignCenter);
  setGeometry(PlaceIn(container, at));
  SetCaption(caption);
}

void Label::SetCaption(const QString& caption) {
  setText(caption);
  if (fits_) resize(sizeHint());
}

QLineEdit* AddTextBox(QWidget* container, const char* name, const QString& text, const Twips& at,
                      const QFont* font, const QColor& textColor) {
  auto* box = new QLineEdit(text, container);
  box->setObjectName(QString::fromLatin1(name));
  if (font) box->setFont(*font);
  SetColour(box, QPalette::Text, textColor);
  box->setGeometry(PlaceIn(container, at));
  return box;
}

QPushButton* AddCommandButton(QWidget* container, const char* name, const QString& caption, const Twips& at,
                              const QFont* font, const QPixmap* picture, const QString& toolTip) {
  auto* button = new QPushButton(container);
  button->setObjectName(QString::fromLatin1(name));
  if (font) button->setFont(*font);
  if (picture && !picture->isNull()) {
    button->setIcon(QIcon(*picture));
    button->setIconSize(picture->size());
  } else {
    button->setText(caption);
  }
  SetColour(button, QPalette::Button, kButtonFace);
  SetColour(button, QPalette::ButtonText, kTextColor);
  button->setToolTip(toolTip);
  button->setAutoDefault(false);
  button->setGeometry(PlaceIn(container, at));
  return button;
}

QGroupBox* AddFrame(QWidget* container, const char* name, const QString& caption, const Twips& at,
                    const QFont& font, const QColor& captionColor) {
  auto* frame = new QGroupBox(caption, container);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setFont(font);
  SetColour(frame, QPalette::WindowText, captionColor);
  frame->setGeometry(PlaceIn(container, at));
  return frame;
}

QRadioButton* AddOptionButton(QGroupBox* frame, const char* name, const QString& caption, const Twips& at,
                              const QFont& font, bool selected) {
  auto* option = new QRadioButton(caption, frame);
  option->setObjectName(QString::fromLatin1(name));
  option->setFont(font);
  SetColour(option, QPalette::WindowText, kTextColor);
  option->setChecked(selected);
  option->setGeometry(PlaceIn(frame, at));
  return option;
}

QWidget* AddRectangleShape(QWidget* container, const char* name, const Twips& at, const QColor& border,
                           const QColor& fill) {
  auto* shape = new RectangleShape(container, border, fill);
  shape->setObjectName(QString::fromLatin1(name));
  shape->setGeometry(PlaceIn(container, at));
  return shape;
}

QLabel* AddPictureBox(QWidget* container, const char* name, const Twips& at, const QPixmap& picture,
                      const PictureLook& look) {
  auto* box = new QLabel(container);
  box->setObjectName(QString::fromLatin1(name));
  box->setAutoFillBackground(true);
  SetColour(box, QPalette::Window, look.back);
  if (look.border) {
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
  }
  box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  box->setPixmap(picture);
  box->setToolTip(look.toolTip);
  QRect place = PlaceIn(container, at);
  if (look.sizeToPicture && !picture.isNull())
    place.setSize(picture.size() + 2 * QSize(box->frameWidth(), box->frameWidth()));
  box->setGeometry(place);
  return box;
}

}  // namespace orvane::toolkit
