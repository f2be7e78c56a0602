#pragma once
// Form2: the conditions form. The five condition boxes, the beam-axis spectrum graph (Picture3) and
// the buttons that compute the spectrum, start the field calculation and show its results.
// Form2 is the model's ConditionBoxes: box n is Text n.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "drawing_surface.h"
#include "form_window.h"
#include "spectrum_model.h"

namespace orvane {

class FormRegistry;

class Form2 : public toolkit::FormWindow, public ConditionBoxes {
 public:
  explicit Form2(FormRegistry& registry);

  // Form_Load: the attenuation table, the empty graph, the default conditions. On a table that
  // cannot be read the user is told which file and what is wrong, and false is returned.
  bool Load();

  std::string Text(int box) const override;
  void SetText(int box, const std::string& text) override;

  std::array<QLineEdit*, 6> TextBox{};          // TextBox[n] is Text n (1..5); [0] unused
  toolkit::DrawingSurface* Picture3 = nullptr;  // spectrum graph
  QPushButton* Command1 = nullptr;              // "Ｘ線スペクトル"
  QPushButton* Command2 = nullptr;              // exit
  QPushButton* Command3 = nullptr;              // "リセット"
  QPushButton* Command4 = nullptr;              // "計算結果の表示"
  QPushButton* Command6 = nullptr;              // "照射野内分布の計算"

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void Command1Click();
  void Command2Click();
  void Command3Click();
  void Command4Click();
  void Command6Click();

  FormRegistry& registry_;
};

}  // namespace orvane
