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
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2Click);
  connect(Command4, &QPushButton::clicked, this, &Form1::Command4Click);
}

// The legend and the distribution display come with the results on screen.
void Form1::Load() {}

// Exit: Form1 and the notice are hidden and kept; Form2 is in front again.
void Form1::Command2Click() {
  hide();
  if (Form4* notice = registry_.NoticeIfCreated()) notice->hide();
}

// "備 考": the notice, not modal.
void Form1::Command4Click() { registry_.Notice().ShowForm(); }

}  // namespace orvane
