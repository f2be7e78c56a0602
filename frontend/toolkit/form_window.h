#pragma once
// A form: a top-level window with a fixed client size in twips, a title, the program's icon,
// a frame style and a font that its controls inherit.
#include <QWidget>

#include "twips.h"

namespace orvane::toolkit {

enum class FrameStyle {
  FixedDialog,  // fixed-size dialog frame, no minimise/maximise, not in the task bar
  FixedSingle,  // fixed-size single frame, no minimise/maximise, shown in the task bar
};

class FormWindow : public QWidget {
 public:
  FormWindow(const char* formName, const QString& title, int clientWidthTwips, int clientHeightTwips,
             FrameStyle frame, const QFont& font);

  // Shows the form without modality, centred on the screen the first time; an already visible
  // form is brought to the front.
  void ShowForm();

 private:
  bool placed_ = false;
};

}  // namespace orvane::toolkit
