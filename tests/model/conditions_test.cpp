#include <gtest/gtest.h>

#include <string>

#include "condition_texts.h"
#include "model_test_support.h"
#include "spectrum_model.h"

namespace orvane {
namespace {

TEST(ClampConditions, StrictRangesRewriteTheTexts) {
  struct Case {
    const char* name;
    const char* voltage;
    const char* angle;
    const char* voltageShown;
    const char* angleShown;
  };
  const Case cases[] = {
      {"150 kV, 25 deg", "150", "25", "148", "20"},
      {"30 kV, 5 deg", "30", "5", "40", "10"},
      {"no digits, empty", "kV", "", "40", "10"},
      {"limits stay as typed", "148", "10", "148", "10"},
      {"other limits stay as typed", "40", "20", "40", "20"},
      {"in range keeps its text", " 80.5 kV", "16.0", " 80.5 kV", "16.0"},
      {"just above", "148.01", "20.01", "148", "20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConditionTexts boxes(c.voltage, c.angle, "2.5", "-3", "x");
    ClampConditions(boxes);
    EXPECT_EQ(boxes.Text(kVoltageBox), c.voltageShown);
    EXPECT_EQ(boxes.Text(kAngleBox), c.angleShown);
    EXPECT_EQ(boxes.Text(kAddedAlBox), "-3");  // filters are not tested
    EXPECT_EQ(boxes.Text(kAddedCuBox), "x");
  }
}

TEST(WriteRunParametersFromBoxes, FiltersInCm) {
  struct Case {
    const char* name;
    ConditionTexts boxes;
    const char* file;
  };
  const Case cases[] = {
      {"defaults", {}, "100.0\r\n16.0\r\n0.250\r\n0.100\r\n0.0000\r\n"},
      {"comma ends the number",
       {"80", "12.5", "2,5", "0.5", "0.25"},
       "080.0\r\n12.5\r\n0.200\r\n0.050\r\n0.0250\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScopedWorkingFolder folder;
    WriteRunParametersFromBoxes(c.boxes);
    EXPECT_EQ(test::FileText("B2F.dat"), c.file);
  }
}

}  // namespace
}  // namespace orvane
