#pragma once
// Form1: the distribution form. The image of the field (Picture2) with its axes and cursors, the
// colour legend (Picture7), the profile (Picture1), the spectrum graph (Picture3) and the read-outs.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "controls.h"
#include "drawing_surface.h"
#include "form_window.h"

namespace orvane {

class FormRegistry;

class Form1 : public toolkit::FormWindow {
 public:
  explicit Form1(FormRegistry& registry);

  // Form_Load: runs once, when the form is first created; paints the colour legend.
  void Load();

  // What the last "描 画" showed: 1 energy fluence, 2 air kerma, 3 half-value layer; 0 before.
  int ShownQuantity = 0;

  // Drawing surfaces, in their user frames:
  toolkit::DrawingSurface* Picture1 = nullptr;  // profile: x -6..607, y 123 (top) .. -10
  toolkit::DrawingSurface* Picture2 = nullptr;  // image: x -6..607, y -306 (top) .. 307
  toolkit::DrawingSurface* Picture3 = nullptr;  // spectrum graph: x -20..152, y 123 (top) .. -10
  toolkit::DrawingSurface* Picture7 = nullptr;  // legend: x 0..10, y 262 (top) .. -7
  toolkit::LineControl* Line17 = nullptr;       // horizontal cursor on Picture2
  toolkit::LineControl* Line18 = nullptr;       // vertical cursor on Picture2
  toolkit::LineControl* Line19 = nullptr;       // cursor on the profile (Picture1)

  QGroupBox* Frame1 = nullptr;
  QRadioButton* Option1 = nullptr;      // "エネルギーフルエンス", selected at start
  QRadioButton* Option2 = nullptr;      // "空気カーマ"
  QRadioButton* Option3 = nullptr;      // "アルミ半価層"
  QPushButton* Command1 = nullptr;      // "描 画"
  QPushButton* Command2 = nullptr;      // exit: hides Form1 and Form4
  QPushButton* Command3 = nullptr;      // "Clear"
  QPushButton* Command4 = nullptr;      // "備 考"
  std::array<QLineEdit*, 6> TextBox{};  // TextBox[n] is Text n (1..5); [0] unused
  toolkit::Label* Label3 = nullptr;     // names the read-out quantity
  toolkit::Label* Label4 = nullptr;     // titles the profile

 private:
  void BuildLayout();
  void BuildImage();
  void BuildGraphs();
  void PaintLegend();
  void OptionClick();
  void Command1Click();  // "描 画"
  void Command2Click();
  void Command3Click();  // "Clear"
  void Command4Click();
  void DrawImage();
  void DrawProfile();
  void ProfileMouseMove(float x, float y);
  void ImageMouseMove(float x, float y);
  void ImageMouseDown(float x, float y);
  void ShowReadout(float x, float lineHeight, float y, int column, int row);
  void HideReadout();
  void RefusePointSpectrum(const QString& why);

  FormRegistry& registry_;
};

}  // namespace orvane
