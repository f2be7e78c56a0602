#pragma once
// Form3: the title form. Explains what the program examines, shows the irradiation geometry and
// offers "スタート" and the exit button.
#include <QPushButton>

#include "form_window.h"

namespace orvane {

class FormRegistry;

class Form3 : public toolkit::FormWindow {
 public:
  explicit Form3(FormRegistry& registry);

  QPushButton* Command1 = nullptr;  // "スタート"
  QPushButton* Command2 = nullptr;  // exit

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Command1Click();
  void Command2Click();

  FormRegistry& registry_;
};

}  // namespace orvane
