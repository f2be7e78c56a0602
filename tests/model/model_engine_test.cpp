// The model prepares a working folder, Orvane-Calc runs there as a process, and the centre of the
// field comes out relative to the beam axis the model wrote.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "beam_axis_summary.h"
#include "condition_texts.h"
#include "field_result.h"
#include "model_test_support.h"
#include "number_text.h"
#include "spectrum_model.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Runs the engine in the working folder with one Enter on its input; returns its exit status.
int RunEngine(const fs::path& engine) {
  const std::string command = "'" + engine.string() + "' > engine-console.txt 2>&1";
  FILE* input = popen(command.c_str(), "w");
  if (input == nullptr) return -1;
  std::fputs("\n", input);
  return pclose(input);
}

TEST(ModelAndEngine, DefaultConditionsGiveOneAtTheCentre) {
  const fs::path table = fs::path(ORVANE_SOURCE_DIR) / "data" / "MUs-OV.dat";
  const fs::path engine = fs::path(ORVANE_BINARY_DIR) / "engine" / "Orvane-Calc";
  if (!fs::exists(table)) GTEST_SKIP() << "no attenuation table at " << table;
  if (!fs::exists(engine)) GTEST_SKIP() << "engine not built at " << engine;

  test::ScopedWorkingFolder folder;
  fs::copy_file(table, "MUs-OV.dat");
  auto m = std::make_unique<Module1>();
  ReadAttenuationTable(*m);
  ConditionTexts boxes;  // 100 kV, 16 deg, 2.5 mm, 1.0 mm, 0 mm
  ClampConditions(boxes);
  m->SpectrumMode = 1;
  SpectrumModel(*m, boxes);
  WriteRunParametersFromBoxes(boxes);

  ASSERT_EQ(RunEngine(engine), 0) << test::FileText("engine-console.txt");

  const FieldResultOf<double> result = ReadFieldResult(kFieldResultFile);
  const char* blocks[] = {"photon fluence", "energy fluence", "air kerma", "HVL"};
  for (int block = 0; block < 4; ++block) {
    SCOPED_TRACE(blocks[block]);
    EXPECT_NEAR(result.grid[block][76][1], 1.0, 0.005);  // beam centre: X = 0, Y = 0
  }

  // The engine passes the model's relative spectrum through digit for digit, and the peak unchanged.
  const std::vector<std::string> axis = Lines(test::FileText("Beam_Axis.dat"));
  const std::vector<std::string> model = Lines(test::FileText("B_SPCTL.dat"));
  ASSERT_EQ(axis.size(), 302u);
  ASSERT_EQ(model.size(), 304u);
  for (int i = 1; i <= kBins; ++i)
    ASSERT_EQ(Trimmed(axis[i - 1].substr(8)), model[i - 1].substr(8)) << "bin " << i;
  const double peak = ParseNumber(model[300]).value_or(0);
  EXPECT_NEAR(ParseNumber(axis[300]).value_or(0), peak, 5e-4 * peak);
}

}  // namespace
}  // namespace orvane
