// Controls of Form1, as laid out in twips; the line controls and legend labels in the user units
// and client positions of their picture boxes.
#include <string>

#include "form1.h"
#include "form_pictures.h"
#include "layout_font.h"

namespace orvane {

using namespace toolkit;

namespace {

constexpr const char* kRounded = "HG丸ｺﾞｼｯｸM-PRO";
constexpr const char* kTimes = "Times New Roman";
const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

LabelLook Look(bool clear, const QColor& text = QColor(), const QFont* font = nullptr) {
  LabelLook look;
  look.fits = true;
  look.clear = clear;
  look.text = text;
  if (font) {
    look.font = *font;
    look.hasFont = true;
  }
  return look;
}

QLabel* AddSideLabel(QWidget* form, const char* name, const Twips& at, const QPixmap& picture) {
  PictureLook look;
  look.border = false;
  return AddPictureBox(form, name, at, picture, look);
}

// Eleven per-cent marks inside the legend, 285 twips high, 240 wide for two digits, 360 for three.
void AddLegendLabels(DrawingSurface* legend) {
  const QFont font = LayoutFont(kTimes, 12);
  struct Mark {
    const char* name;
    const char* caption;
    int left;
    int top;
  };
  static const Mark kMarks[] = {
      {"Label10", "120", 600, -15},  {"Label11", "115", 600, 360}, {"Label14", "110", 600, 720},
      {"Label15", "105", 600, 1080}, {"Label9", "100", 600, 1440}, {"Label16", "95", 720, 1875},
      {"Label17", "90", 720, 2280},  {"Label18", "85", 720, 2640}, {"Label19", "80", 720, 3000},
      {"Label20", "75", 720, 3360},  {"Label12", "70", 720, 3720},
  };
  for (const Mark& m : kMarks) {
    const int width = std::char_traits<char>::length(m.caption) == 3 ? 360 : 240;
    new Label(legend, m.name, QString::fromLatin1(m.caption), {m.left, m.top, width, 285},
              Look(true, QColor(), &font));
  }
}

}  // namespace

void Form1::BuildImage() {
  Picture2 = new DrawingSurface(this, "Picture2", {360, 1200, 9255, 9255}, UserFrame{-6, -306, 613, 613},
                                QColor(224, 224, 224), font());
  // Axes through the beam centre, with a small gap around it, and their ticks.
  Picture2->AddLine("Line1", {-6, 0}, {297, 0}, kBlack);
  Picture2->AddLine("Line3", {304, 0}, {610, 0}, kBlack);
  Picture2->AddLine("Line4", {300, -4}, {300, -306}, kBlack);
  Picture2->AddLine("Line2", {300, 3}, {300, 310}, kBlack);
  struct Tick {
    const char* name;
    double at;
  };
  static const Tick kXTicks[] = {{"Line13", 0},   {"Line12", 100}, {"Line11", 200},
                                 {"Line14", 400}, {"Line15", 500}, {"Line16", 600}};
  for (const Tick& t : kXTicks) Picture2->AddLine(t.name, {t.at, -10}, {t.at, 10}, kBlack);
  static const Tick kYTicks[] = {{"Line7", -300}, {"Line6", -200}, {"Line5", -100},
                                 {"Line8", 100},  {"Line9", 200},  {"Line10", 300}};
  for (const Tick& t : kYTicks) Picture2->AddLine(t.name, {290, t.at}, {310, t.at}, kBlack);
  Line17 = Picture2->AddLine("Line17", {-6, -162}, {610, -162}, kBlue);
  Line18 = Picture2->AddLine("Line18", {74, -306}, {74, 302}, kBlue);

  AddSideLabel(this, "Picture4", {0, 5280, 375, 1815}, CathodeSidePicture());
  AddSideLabel(this, "Picture5", {9600, 5400, 375, 1815}, AnodeSidePicture());

  const QFont times12 = LayoutFont(kTimes, 12);
  Picture7 = new DrawingSurface(this, "Picture7", {9600, 1200, 1095, 4095}, UserFrame{0, 262, 10, -269},
                                kWhite, times12);
  AddLegendLabels(Picture7);
  new Label(this, "Label24", QStringLiteral("%"), {10320, 5280, 195, 285}, Look(true, QColor(), &times12));
}

void Form1::BuildGraphs() {
  const QFont times12 = LayoutFont(kTimes, 12);
  const QFont graphFont = LayoutFont(kTimes, 15.75);
  Picture3 = new DrawingSurface(this, "Picture3", {10800, 120, 9255, 5175}, UserFrame{-20, 123, 172, -133},
                                kWhite, graphFont);
  Command3 = AddCommandButton(this, "Command3", QStringLiteral("Clear"), {18840, 240, 1095, 495}, nullptr);
  new Label(this, "Label22", QStringLiteral("X ="), {12720, 5280, 360, 285}, Look(false, kBlue, &times12));
  TextBox[4] = AddTextBox(this, "Text4", QStringLiteral("Text4"), {13200, 5280, 735, 375}, &times12, kBlue);
  new Label(this, "Label23", QStringLiteral("Y ="), {14160, 5280, 360, 285}, Look(false, kBlue, &times12));
  TextBox[5] = AddTextBox(this, "Text5", QStringLiteral("Text5"), {14640, 5280, 735, 375}, &times12, kBlue);

  Picture1 = new DrawingSurface(this, "Picture1", {10800, 5640, 9255, 4815}, UserFrame{-6, 123, 613, -133},
                                kWhite, graphFont);
  Line19 = Picture1->AddLine("Line19", {170, 120}, {170, 0}, kBlue);
  new Label(this, "Label8", QStringLiteral("1.0"), {10440, 6360, 345, 315}, Look(true));
  new Label(this, "Label7", QStringLiteral("0"), {10600, 9960, 135, 315}, Look(true));
  new Label(this, "Label21", QStringLiteral("1.0"), {20040, 6360, 345, 315}, Look(true));
  new Label(this, "Label13", QStringLiteral("0"), {20040, 9960, 135, 315}, Look(true));
  AddSideLabel(this, "Picture8", {10500, 7200, 375, 1815}, CathodeSidePicture());
  AddSideLabel(this, "Picture6", {19920, 7200, 375, 1815}, AnodeSidePicture());
}

void Form1::BuildLayout() {
  const QFont japanese12 = LayoutFont(kRounded, 12);
  Frame1 = AddFrame(this, "Frame1", QStringLiteral(" 分布表示項目を選択"), {360, 120, 7335, 975}, japanese12,
                    kBlue);
  Option1 = AddOptionButton(Frame1, "Option1", QStringLiteral("エネルギーフルエンス"), {240, 360, 2895, 375},
                            japanese12, true);
  Option2 = AddOptionButton(Frame1, "Option2", QStringLiteral("空気カーマ"), {3240, 360, 1695, 375},
                            japanese12, false);
  Option3 = AddOptionButton(Frame1, "Option3", QStringLiteral("アルミ半価層"), {5160, 360, 1935, 375},
                            japanese12, false);
  const QFont drawFont = LayoutFont(kRounded, 15.75);
  Command1 = AddCommandButton(this, "Command1", QStringLiteral("描 画"), {7920, 240, 1695, 855}, &drawFont);

  PictureLook puppy;
  puppy.back = kBlue;
  puppy.border = false;
  puppy.sizeToPicture = true;
  puppy.toolTip = QStringLiteral("   さわるな  !!   ");
  AddPictureBox(this, "Picture9", {9960, 360, 480, 480}, PuppyPicture(), puppy);

  BuildImage();
  BuildGraphs();

  new Label(this, "Label1", QStringLiteral("X ="), {360, 10605, 435, 315}, Look(false));
  TextBox[1] = AddTextBox(this, "Text1", QStringLiteral("Text1"), {840, 10560, 855, 450}, nullptr, QColor());
  new Label(this, "Label2", QStringLiteral("Y ="), {1920, 10605, 435, 315}, Look(false));
  TextBox[2] = AddTextBox(this, "Text2", QStringLiteral("Text2"), {2400, 10560, 855, 450}, nullptr, QColor());
  Label3 = new Label(this, "Label3", QStringLiteral("?  ="), {4920, 10605, 435, 315}, Look(false));
  TextBox[3] =
      AddTextBox(this, "Text3", QStringLiteral("Text3"), {5400, 10560, 1095, 450}, nullptr, QColor());
  new Label(this, "Label5", QStringLiteral("Mouse move  and click"), {7080, 10500, 2625, 315},
            Look(true, kBlue));
  new Label(this, "Label6", QStringLiteral("on distribution image"), {7200, 10750, 2355, 315},
            Look(true, kBlue));
  Label4 = new Label(this, "Label4", QStringLiteral("Profile"), {15120, 10680, 735, 315}, Look(true));

  Command4 =
      AddCommandButton(this, "Command4", QStringLiteral("備 考"), {18360, 10560, 975, 495}, &japanese12);
  const QFont exitFont = LayoutFont("Century", 11.25);
  const QPixmap exitSign = ExitSignPicture();
  Command2 = AddCommandButton(this, "Command2", QString(), {19680, 10560, 495, 495}, &exitFont, &exitSign,
                              QStringLiteral(" bye bye "));
}

}  // namespace orvane
