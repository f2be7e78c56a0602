// The model prepares a working folder, Orvane-Calc runs there as a process, and the centre of the
// field comes out relative to the beam axis the model wrote.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "beam_axis_summary.h"
#include "condition_texts.h"
#include "field_calculation.h"
#include "field_result.h"
#include "model_test_support.h"
#include "number_text.h"
#include "run_parameters.h"
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
  std::string command = "'";  // appended, not "'" + path: GCC 12 warns falsely (-Wrestrict) on that
  command.append(engine.string()).append("' > engine-console.txt 2>&1");
  FILE* input = popen(command.c_str(), "w");
  if (input == nullptr) return -1;
  std::fputs("\n", input);
  return pclose(input);
}

// Prepares the working folder as the "X-ray spectrum" button does.
void PrepareRun(Module1& m, ConditionTexts boxes = {}) {  // default: 100 kV, 16 deg, 2.5, 1.0, 0 mm
  ReadAttenuationTable(m);
  ClampConditions(boxes);
  m.SpectrumMode = 1;
  SpectrumModel(m, boxes);
  WriteRunParametersFromBoxes(boxes);
}

// The engine's centre column (X = 0) is the model's beam axis. The engine reads the table as floats and
// sums in single precision, so the two agree to a few float roundings (2e-6 relative), not to the bit.
// Whole voltages only: for 100.5 kV the engine stops at bin 200, the model at 201, and the K lines
// follow the different totals.
TEST(ModelAndEngine, BeamAxisEmittedSpectrumMatchesCentreColumn) {
  const fs::path table = fs::path(ORVANE_SOURCE_DIR) / "data" / "MUs-OV.dat";
  if (!fs::exists(table)) GTEST_SKIP() << "no attenuation table at " << table;
  struct Case {
    const char* name;
    ConditionTexts boxes;
  };
  const Case cases[] = {
      {"defaults", {}},
      {"148 kV, 10 deg, copper", {"148", "10", "2.5", "1.0", "0.1"}},
      {"40 kV, 20 deg, no K lines", {"40", "20", "1.0", "0", "0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScopedWorkingFolder folder;
    fs::copy_file(table, "MUs-OV.dat");
    auto m = std::make_unique<Module1>();
    PrepareRun(*m, c.boxes);

    auto columns = std::make_unique<std::array<BinArray<float>, kGridX + 1>>();
    ComputeEmittedSpectra(ReadAttenuationTableFixed("MUs-OV.dat"), ReadRunParameters("B2F.dat"), *columns);
    const BinArray<float>& centre = (*columns)[76];
    for (int i = 1; i <= kBins; ++i) {
      const double model = m->EmittedSpectrum[i];
      ASSERT_NEAR(centre[i], model, 2e-6 * model) << "bin " << i;
    }
  }
}

TEST(ModelAndEngine, DefaultConditionsGiveOneAtTheCentre) {
  const fs::path table = fs::path(ORVANE_SOURCE_DIR) / "data" / "MUs-OV.dat";
  const fs::path engine = fs::path(ORVANE_BINARY_DIR) / "engine" / "Orvane-Calc";
  if (!fs::exists(table)) GTEST_SKIP() << "no attenuation table at " << table;
  if (!fs::exists(engine)) GTEST_SKIP() << "engine not built at " << engine;

  test::ScopedWorkingFolder folder;
  fs::copy_file(table, "MUs-OV.dat");
  auto m = std::make_unique<Module1>();
  PrepareRun(*m);

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
