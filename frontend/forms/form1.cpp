#include "form1.h"

#include "form4.h"
#include "form_pictures.h"
#include "form_registry.h"
#include "layout_font.h"

namespace orvane {

using namespace toolkit;

Form1::Form1(FormRegistry& registry)
    : FormWindow("Form1", QStringLiteral("   Display the calculated distribution "), 20415, 11145,
                 FrameStyle::FixedDialog, LayoutFont("Times New Roman", 14.25)),
      registry_(registry) {
  setWindowIcon(SmileyIcon());
  BuildLayout();
  connect(Option1, &QRadioButton::clicked, this, &Form1::OptionClick);
  connect(Option2, &QRadioButton::clicked, this, &Form1::OptionClick);
  connect(Option3, &QRadioButton::clicked, this, &Form1::OptionClick);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2Click);
  connect(Command3, &QPushButton::clicked, this, &Form1::Command3Click);
  connect(Command4, &QPushButton::clicked, this, &Form1::Command4Click);
  connect(Picture1, &DrawingSurface::MouseMove, this, &Form1::ProfileMouseMove);
  connect(Picture2, &DrawingSurface::MouseMove, this, &Form1::ImageMouseMove);
  connect(Picture2, &DrawingSurface::MouseDown, this, &Form1::ImageMouseDown);
}

// The legend is painted once; nothing clears Picture7 again.
void Form1::Load() { PaintLegend(); }

// Legend height k (0..255) stands for the relative value (k + 357) / 510: 0.70 at the bottom,
// 1.00 at the yellow mark (k = 153), 1.20 at the top; ticks every 0.05 beside the per-cent labels.
void Form1::PaintLegend() {
  Picture7->Clear();
  for (int k = 0; k <= 255; ++k)
    Picture7->Line({0, double(k)}, {5, double(k)}, QColor(255, 255 - k, 255 - k));
  for (int tick = 0; tick <= 10; ++tick) Picture7->Line({4, 25.5 * tick}, {6, 25.5 * tick});
  Picture7->Line({0, 153}, {5, 153}, QColor(255, 255, 0));
}

// Choosing a quantity only readies "描 画"; what is shown and read out stays until it is pressed.
void Form1::OptionClick() { Command1->setFocus(); }

// Exit: Form1 and the notice are hidden and kept; Form2 is in front again.
void Form1::Command2Click() {
  hide();
  if (Form4* notice = registry_.NoticeIfCreated()) notice->hide();
}

// "備 考": the notice, not modal.
void Form1::Command4Click() { registry_.Notice().ShowForm(); }

}  // namespace orvane
