#pragma once
// The controls of the forms, created by name and placed in twips inside their container.
// Every control's objectName is its name in the layout ("Command1", "Text5"); a member n of a
// control array is named with an underscore: Label1 (2) is "Label1_2".
// Positions are measured from the container's client corner: the form, a frame, or the client
// area of a picture box or drawing surface (inside its border).
#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "twips.h"

namespace orvane::toolkit {

// How a label looks. A label that `fits` sizes itself to its caption; a `clear` one lets what lies
// behind it show through; otherwise it fills its rectangle with `back` (the face colour if unset).
struct LabelLook {
  QFont font;  // unset (default QFont) = the form's font
  bool hasFont = false;
  QColor text = QColor();  // invalid = the system's text colour
  QColor back = QColor();  // invalid = the face colour
  bool fits = false;
  bool clear = false;
  bool border = false;  // single-line border
};

class Label : public QLabel {
 public:
  Label(QWidget* container, const char* name, const QString& caption, const Twips& at, const LabelLook& look);
  // Replaces the caption; a label that fits resizes to the new caption, its top-left corner fixed.
  void SetCaption(const QString& caption);

 private:
  bool fits_;
};

// Text box with a font and text colour of its own (invalid font/colour = the form's).
QLineEdit* AddTextBox(QWidget* container, const char* name, const QString& text, const Twips& at,
                      const QFont* font, const QColor& textColor);

// Command button with the light-yellow face; a caption, or a picture when `picture` is not null.
QPushButton* AddCommandButton(QWidget* container, const char* name, const QString& caption, const Twips& at,
                              const QFont* font, const QPixmap* picture = nullptr,
                              const QString& toolTip = QString());

// A frame with a coloured caption that holds option buttons.
QGroupBox* AddFrame(QWidget* container, const char* name, const QString& caption, const Twips& at,
                    const QFont& font, const QColor& captionColor);
QRadioButton* AddOptionButton(QGroupBox* frame, const char* name, const QString& caption, const Twips& at,
                              const QFont& font, bool selected);

// Rectangle shape: an outline in `border` colour, filled with `fill` when it is valid.
QWidget* AddRectangleShape(QWidget* container, const char* name, const Twips& at, const QColor& border,
                           const QColor& fill = QColor());

// Picture box that shows a stored picture on a background colour, with or without a sunken border.
struct PictureLook {
  QColor back = QColor();  // invalid = the face colour
  bool border = true;      // 2-pixel sunken border
  bool sizeToPicture = false;
  QString toolTip;
};
QLabel* AddPictureBox(QWidget* container, const char* name, const Twips& at, const QPixmap& picture,
                      const PictureLook& look);

// Offset of a container's client corner inside the widget (the border of a picture box).
QPoint ClientOrigin(const QWidget* container);

}  // namespace orvane::toolkit
