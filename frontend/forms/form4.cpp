#include "form4.h"

#include "controls.h"
#include "form_pictures.h"
#include "layout_font.h"

namespace orvane {

using namespace toolkit;

Form4::Form4(FormRegistry&)
    : FormWindow("Form4", QString(), 9075, 3645, FrameStyle::FixedDialog,
                 LayoutFont("HG丸ｺﾞｼｯｸM-PRO", 14.25)) {
  setWindowIcon(SmileyIcon());
  LabelLook heading;
  heading.font = LayoutFont("HG丸ｺﾞｼｯｸM-PRO", 15.75);
  heading.hasFont = true;
  heading.text = QColor(0, 0, 255);
  heading.fits = true;
  heading.clear = true;
  new Label(this, "Label5", QStringLiteral("備 考"), {360, 240, 735, 315}, heading);

  LabelLook line;
  line.fits = true;
  line.clear = true;
  new Label(this, "Label1", QStringLiteral("ここに示されたＸ線照射野内の線量・線質分布は、あくまで"),
            {600, 720, 7695, 285}, line);
  new Label(this, "Label2", QStringLiteral("近似Ｘ線スペクトルを用いた理論計算によるものです。"),
            {600, 1200, 7125, 285}, line);
  new Label(this, "Label3", QStringLiteral("実際には、絞り機構からの散乱線、光反射ミラーの材質・厚さ"),
            {600, 1800, 7980, 285}, line);
  new Label(this, "Label4", QStringLiteral("・方向などにより、分布は変わってきます。"),
            {600, 2280, 5700, 285}, line);

  const QFont closeFont = LayoutFont("Times New Roman", 14.25);
  Command1 = AddCommandButton(this, "Command1", QStringLiteral("Close"), {3960, 3000, 1215, 495}, &closeFont);
  connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace orvane
