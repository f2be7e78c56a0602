#pragma once
// Condition boxes held as plain texts: what the model reads when no form is around
// (tests, the console preparation tool).
#include <array>
#include <string>
#include <utility>

#include "spectrum_model.h"

namespace orvane {

// Default texts of Form2's boxes when it loads.
inline constexpr const char* kDefaultVoltageText = "100";   // Text1, kV
inline constexpr const char* kDefaultInherentText = "2.5";  // Text2, mm Al
inline constexpr const char* kDefaultAddedAlText = "1.0";   // Text3, mm
inline constexpr const char* kDefaultAddedCuText = "0";     // Text4, mm
inline constexpr const char* kDefaultAngleText = "16";      // Text5, degrees

class ConditionTexts : public ConditionBoxes {
 public:
  // Starts with the default conditions.
  ConditionTexts()
      : texts_{"",
               kDefaultVoltageText,
               kDefaultInherentText,
               kDefaultAddedAlText,
               kDefaultAddedCuText,
               kDefaultAngleText} {}
  ConditionTexts(std::string voltage, std::string angle, std::string inherent, std::string addedAl,
                 std::string addedCu)
      : texts_{"",
               std::move(voltage),
               std::move(inherent),
               std::move(addedAl),
               std::move(addedCu),
               std::move(angle)} {}

  std::string Text(int box) const override { return texts_.at(box); }
  void SetText(int box, const std::string& text) override { texts_.at(box) = text; }

 private:
  std::array<std::string, 6> texts_;  // index = box number 1..5; 0 unused
};

}  // namespace orvane
