#pragma once
// Form4: the notice on the limits of the calculation.
#include <QPushButton>

#include "form_window.h"

namespace orvane {

class FormRegistry;

class Form4 : public toolkit::FormWindow {
 public:
  explicit Form4(FormRegistry& registry);

  QPushButton* Command1 = nullptr;  // "Close"
};

}  // namespace orvane
