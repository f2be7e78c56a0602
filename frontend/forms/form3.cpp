#include "form3.h"

#include <QCloseEvent>

#include "controls.h"
#include "form2.h"
#include "form_pictures.h"
#include "form_registry.h"
#include "layout_font.h"

namespace orvane {

using namespace toolkit;

namespace {

constexpr const char* kRounded = "HG丸ｺﾞｼｯｸM-PRO";

void AddDescription(QWidget* form) {
  LabelLook line;
  line.font = LayoutFont(kRounded, 15.75);
  line.hasFont = true;
  line.fits = true;
  line.clear = true;
  struct Line {
    const char* name;
    const char* caption;
    Twips at;
  };
  static const Line kLines[] = {
      {"Label3", "診断Ｘ線の照射野内における", {600, 1800, 4095, 315}},
      {"Label10", "線量，線質の均一性を調べます", {600, 2160, 4410, 315}},
      {"Label4", "線量", {840, 2760, 630, 315}},
      {"Label5", "エネルギーフルエンス", {1800, 2760, 3150, 315}},
      {"Label6", "空気カーマ（照射線量）", {1800, 3120, 3465, 315}},
      {"Label7", "線質", {840, 3720, 630, 315}},
      {"Label8", "Ｘ線スペクトル", {1800, 3720, 2205, 315}},
      {"Label9", "アルミニウム半価層", {1800, 4080, 2835, 315}},
      {"Label11", "幾何学的配置は右模式図に", {600, 4680, 3780, 315}},
      {"Label12", "示すとおりです", {600, 5040, 2205, 315}},
      {"Label14", "ただし", {600, 5640, 945, 315}},
      {"Label13", "絞り機構内の反射ミラーは", {960, 6000, 3780, 315}},
      {"Label15", "考慮していません", {960, 6360, 2520, 315}},
  };
  for (const Line& l : kLines) new Label(form, l.name, QString::fromUtf8(l.caption), l.at, line);
}

}  // namespace

Form3::Form3(FormRegistry& registry)
    : FormWindow("Form3", QStringLiteral("   Orvane"), 9855, 7410, FrameStyle::FixedDialog,
                 LayoutFont(kRounded, 14.25)),
      registry_(registry) {
  setWindowIcon(SmileyIcon());
  // The double frame lies behind the description.
  AddRectangleShape(this, "Shape2", {450, 1635, 4695, 5295}, QColor(255, 255, 255));
  AddRectangleShape(this, "Shape1", {480, 1680, 4695, 5295}, QColor(128, 128, 128));

  LabelLook name;
  name.font = LayoutFont("Times New Roman", 24, FontStyle::Italic);
  name.hasFont = true;
  name.fits = true;
  name.clear = true;
  name.text = QColor(255, 255, 0);
  new Label(this, "Label2", QStringLiteral("Orvane"), {960, 225, 1470, 555}, name);  // yellow copy behind
  name.text = QColor(255, 0, 0);
  new Label(this, "Label1", QStringLiteral("Orvane"), {930, 210, 1470, 555}, name);

  LabelLook subtitle;
  subtitle.font = LayoutFont(kRounded, 18);
  subtitle.hasFont = true;
  subtitle.fits = true;
  subtitle.clear = true;
  subtitle.text = QColor(0, 0, 255);
  new Label(this, "Label16", QStringLiteral("ヒール効果などの検証"), {600, 960, 3600, 360}, subtitle);

  AddDescription(this);

  PictureLook schematic;
  schematic.back = QColor(255, 255, 255);
  AddPictureBox(this, "Picture1", {5520, 240, 3975, 5775}, GeometrySchematic(), schematic);

  const QFont startFont = LayoutFont(kRounded, 15.75);
  Command1 =
      AddCommandButton(this, "Command1", QStringLiteral("スタート"), {5760, 6240, 2655, 615}, &startFont);

  LabelLook credit;
  credit.font = LayoutFont("Times New Roman", 11.25);
  credit.hasFont = true;
  credit.fits = true;
  credit.clear = true;
  credit.text = QColor(128, 128, 128);
  new Label(this, "Label34", QStringLiteral("Orvane developers"), {5880, 6960, 2340, 255}, credit);

  const QFont exitFont = LayoutFont("Century", 11.25);
  const QPixmap exitSign = ExitSignPicture();
  Command2 = AddCommandButton(this, "Command2", QString(), {8880, 6600, 495, 495}, &exitFont, &exitSign,
                              QStringLiteral(" bye bye "));

  connect(Command1, &QPushButton::clicked, this, &Form3::Command1Click);
  connect(Command2, &QPushButton::clicked, this, &Form3::Command2Click);
}

// "スタート": Form2 (loaded on its first showing), then the title form goes for good.
void Form3::Command1Click() {
  Form2* conditions = registry_.Conditions();
  if (!conditions) return;  // loading failed; the program is ending
  conditions->ShowForm();
  hide();
}

void Form3::Command2Click() { registry_.EndProgram(0); }

// The close box of the title form ends the program like its exit button.
void Form3::closeEvent(QCloseEvent* event) {
  event->accept();
  registry_.EndProgram(0);
}

}  // namespace orvane
