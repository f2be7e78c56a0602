// Controls of Form2, as laid out in twips.
#include "controls.h"
#include "form2.h"
#include "form_pictures.h"
#include "layout_font.h"

namespace orvane {

using namespace toolkit;

namespace {

constexpr const char* kRounded = "HG丸ｺﾞｼｯｸM-PRO";
constexpr const char* kTimes = "Times New Roman";

LabelLook Fitting(const QFont& font, const QColor& text = QColor()) {
  LabelLook look;
  look.font = font;
  look.hasFont = true;
  look.fits = true;
  look.clear = true;
  look.text = text;
  return look;
}

void AddConditionLabels(QWidget* form) {
  const QFont heading = LayoutFont(kRounded, 15.75);
  const QFont japanese = LayoutFont(kRounded, 12);
  const QFont times = LayoutFont(kTimes, 12);
  new Label(form, "Label1_2", QStringLiteral("照射条件設定"), {12480, 720, 1890, 315},
            Fitting(heading, QColor(0, 0, 192)));
  new Label(form, "Label1_4", QStringLiteral("整流方式"), {12600, 1395, 960, 240}, Fitting(japanese));

  LabelLook fixedValue;
  fixedValue.font = LayoutFont("メイリオ", 11.25);
  fixedValue.hasFont = true;
  fixedValue.back = QColor(255, 255, 255);
  fixedValue.text = QColor(0, 0, 192);
  fixedValue.border = true;
  new Label(form, "Label12", QStringLiteral("定電圧"), {13800, 1320, 975, 375}, fixedValue);
  new Label(form, "Label10", QStringLiteral("constant"), {14880, 1389, 765, 285}, Fitting(times));

  new Label(form, "Label1_1", QStringLiteral("Ｘ線管電圧"), {12360, 1920, 1200, 240}, Fitting(japanese));
  new Label(form, "Label6", QStringLiteral("kV (40 - 148)"), {14880, 1905, 1335, 285}, Fitting(times));
  new Label(form, "Label1_0", QStringLiteral("ターゲット角度"), {11880, 2400, 1680, 240}, Fitting(japanese));
  new Label(form, "Label5", QStringLiteral("deg. (10-20)"), {14880, 2370, 1170, 285}, Fitting(times));
  new Label(form, "Label2_1", QStringLiteral("固有ろ過（AL当量）"), {11520, 2880, 2295, 240},
            Fitting(japanese));
  new Label(form, "Label7", QStringLiteral("mmAl eq."), {14880, 2824, 885, 285}, Fitting(times));
  new Label(form, "Label3", QStringLiteral("アルミ付加フィルタ"), {11520, 3360, 2160, 240},
            Fitting(japanese));
  new Label(form, "Label8", QStringLiteral("mm"), {14880, 3294, 345, 285}, Fitting(times));
  new Label(form, "Label4", QStringLiteral("銅付加フィルタ"), {12000, 3840, 1680, 240}, Fitting(japanese));
  new Label(form, "Label9", QStringLiteral("mm"), {14880, 3787, 345, 285}, Fitting(times));
}

}  // namespace

void Form2::BuildLayout() {
  const QFont title = LayoutFont(kTimes, 18, FontStyle::Italic);
  new Label(this, "Label30", QStringLiteral("X-ray spectrum at beam axis"), {3120, 105, 4185, 405},
            Fitting(title, QColor(255, 255, 0)));  // yellow copy behind the red title
  new Label(this, "Label31", QStringLiteral("X-ray spectrum at beam axis"), {3105, 90, 4185, 405},
            Fitting(title, QColor(255, 0, 0)));

  Picture3 = new DrawingSurface(this, "Picture3", {240, 480, 10935, 6375}, UserFrame{0, 0, 6000, 2500},
                                QColor(255, 255, 255), LayoutFont(kTimes, 15.75));

  PictureLook puppy;
  puppy.back = QColor(0, 0, 255);
  puppy.border = false;
  puppy.sizeToPicture = true;
  puppy.toolTip = QStringLiteral("   Wooo  !!   ");
  AddPictureBox(this, "Picture2", {15360, 0, 480, 480}, PuppyPicture(), puppy);

  LabelLook panel;
  panel.back = QColor(192, 255, 255);
  panel.border = true;
  new Label(this, "Label22", QString(), {11280, 480, 5055, 3855}, panel);
  AddConditionLabels(this);

  const QFont boxFont = LayoutFont(kTimes, 12);
  const QColor darkBlue(0, 0, 192);
  TextBox[1] =
      AddTextBox(this, "Text1", QStringLiteral("Text1"), {13800, 1800, 975, 405}, &boxFont, darkBlue);
  TextBox[5] = AddTextBox(this, "Text5", QStringLiteral("Text5"), {13800, 2280, 975, 420}, &boxFont,
                          QColor(0, 0, 255));
  TextBox[2] =
      AddTextBox(this, "Text2", QStringLiteral("Text2"), {13800, 2760, 975, 390}, &boxFont, darkBlue);
  TextBox[3] =
      AddTextBox(this, "Text3", QStringLiteral("Text3"), {13800, 3240, 975, 405}, &boxFont, darkBlue);
  TextBox[4] =
      AddTextBox(this, "Text4", QStringLiteral("Text4"), {13800, 3720, 975, 405}, &boxFont, darkBlue);

  const QFont buttonFont = LayoutFont(kRounded, 14.25);
  Command1 = AddCommandButton(this, "Command1", QStringLiteral("Ｘ線スペクトル"), {11400, 4560, 2775, 615},
                              &buttonFont);
  Command3 =
      AddCommandButton(this, "Command3", QStringLiteral("リセット"), {14520, 4560, 1695, 615}, &buttonFont);
  Command6 = AddCommandButton(this, "Command6", QStringLiteral("照射野内分布の計算"),
                              {11400, 5280, 3975, 735}, &buttonFont);
  Command4 = AddCommandButton(this, "Command4", QStringLiteral("計算結果の表示"), {11400, 6120, 3975, 735},
                              &buttonFont);
  const QFont exitFont = LayoutFont("Century", 11.25);
  const QPixmap exitSign = ExitSignPicture();
  Command2 = AddCommandButton(this, "Command2", QString(), {15720, 6240, 495, 495}, &exitFont, &exitSign,
                              QStringLiteral(" bye bye "));
}

}  // namespace orvane
