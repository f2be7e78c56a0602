// The five exchange files: exact layout, round trips, and broken input named in the message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "attenuation_table.h"
#include "beam_axis_summary.h"
#include "beam_spectrum.h"
#include "field_result.h"
#include "file_error.h"
#include "run_parameters.h"
#include "text_file.h"

namespace orvane {
namespace {

class ExchangeFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("orvane-exchange-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  void Write(const char* name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  std::string Read(const char* name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  template <typename F>
  std::string ErrorOf(F&& read) const {
    try {
      read();
    } catch (const FileError& e) {
      return e.what();
    }
    return "no error";
  }
  std::filesystem::path dir_;
};

BinArray<double> SampleRelative() {
  BinArray<double> r{};
  for (int i = 2; i <= 200; ++i) r[i] = (i == 120) ? 1.0 : 0.004 * (i % 200);
  r[7] = 0.0000035;  // too small for five decimals
  return r;
}

TEST_F(ExchangeFiles, BeamSpectrumLayoutAndEngineRead) {
  const std::string text = FormatBeamSpectrum(SampleRelative(), 12345.6, 0.060813, 1234.5, 3.2);
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "0000.5, 0.00000\r");
  for (int i = 2; i <= 120; ++i) std::getline(lines, line);
  EXPECT_EQ(line, "0060.0, 1.00000\r");
  for (int i = 121; i <= 300; ++i) std::getline(lines, line);
  EXPECT_EQ(line, "0150.0, 0.00000\r");
  std::getline(lines, line);
  EXPECT_EQ(line, "1.2346E+04\r");
  std::getline(lines, line);
  EXPECT_EQ(line, "6.0813E-02\r");

  Write("B_SPCTL.dat", text);
  const BeamSpectrum s = ReadBeamSpectrum(Path("B_SPCTL.dat"));
  EXPECT_EQ(s.relative[7], 0.0f);
  EXPECT_EQ(s.relative[120], 1.0f);
  EXPECT_EQ(s.relative[50], 0.2f);
  EXPECT_EQ(s.peak, 12346.0f);
  EXPECT_EQ(s.photonFluenceSum, 0.060813f);
  EXPECT_EQ(s.energyFluenceSum, 1234.5f);
  EXPECT_EQ(s.airKermaSum, 3.2f);
}

TEST_F(ExchangeFiles, RunParametersRoundTrip) {
  const RunParametersOf<double> p{100.0, 16.0, 0.25, 0.1, 0.0};
  WriteRunParameters(Path("B2F.dat"), p);
  EXPECT_EQ(Read("B2F.dat"), "100.0\r\n16.0\r\n0.250\r\n0.100\r\n0.0000\r\n");
  const RunParameters engine = ReadRunParameters(Path("B2F.dat"));
  EXPECT_EQ(engine.tubeVoltage, 100.0f);
  EXPECT_EQ(engine.inherentFilter, 0.25f);
  const RunParametersOf<double> front = ReadRunParametersFree(Path("B2F.dat"));
  EXPECT_EQ(front.targetAngle, 16.0);
  EXPECT_EQ(front.addedAl, 0.1);
}

TEST_F(ExchangeFiles, BeamAxisSummaryRepeatsTheSpectrum) {
  BinArray<float> relative{};
  relative[1] = 0.12345f;
  relative[300] = 1.0f;
  const std::string text = FormatBeamAxisSummary(relative, 12345.6f, 0.29512f);
  EXPECT_EQ(text.substr(0, 18), "   0.5   0.12345\r\n");
  EXPECT_NE(text.find(" 150.0   1.00000\r\n 0.1235E+05\r\n 2.951\r\n"), std::string::npos);
  Write("Beam_Axis.dat", text);
  const BeamAxisSummary back = ReadBeamAxisSummary(Path("Beam_Axis.dat"));
  EXPECT_DOUBLE_EQ(back.relative[1], 0.12345);
  EXPECT_DOUBLE_EQ(back.peak, 12350.0);
  EXPECT_DOUBLE_EQ(back.axisHvlMm, 2.951);
}

TEST_F(ExchangeFiles, FieldResultLayoutAndRoundTrip) {
  auto result = std::make_unique<FieldResult>();
  result->reference[0] = 12345.6f;
  result->reference[3] = 0.2951f;
  result->grid[1][1][1] = 0.98766f;
  result->grid[2][151][76] = 1.5f;
  const std::string text = FormatFieldResult(*result);
  std::istringstream lines(text);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    const bool reference = (count - 1) % 77 == 0;
    ASSERT_EQ(line.size(), reference ? 12u : 151u * 11 + 1) << "line " << count;
    if (count == 1) {
      EXPECT_EQ(line, "0.12346E+05\r");
    } else if (count == 232) {
      EXPECT_EQ(line, "0.29510E+00\r");
    }
  }
  EXPECT_EQ(count, 308);
  EXPECT_EQ(text.substr(13 + 76 * (151 * 11 + 2) + 13, 11), " 0.9877E+00");

  Write("Result.dat", text);
  const auto back = std::make_unique<FieldResultOf<double>>(ReadFieldResult(Path("Result.dat")));
  EXPECT_DOUBLE_EQ(back->grid[1][1][1], 0.9877);
  EXPECT_DOUBLE_EQ(back->grid[2][151][76], 1.5);
  EXPECT_DOUBLE_EQ(back->grid[0][76][1], 0.0);
}

TEST_F(ExchangeFiles, AtomicWriteKeepsTheOldFileWhenItCannotWrite) {
  Write("Result.dat", "old");
  std::filesystem::create_directory(Path("Result.dat.tmp"));  // the temporary cannot be created
  EXPECT_THROW(WriteFileAtomically(Path("Result.dat"), "new"), FileError);
  EXPECT_EQ(Read("Result.dat"), "old");
}

TEST_F(ExchangeFiles, BrokenInputNamesFileLineAndField) {
  struct Case {
    const char* name;
    const char* file;
    std::string text;
    std::function<void(const std::string&)> read;
    const char* expected;
  };
  std::string table;
  for (int i = 1; i <= 300; ++i) table += "   0.5  0.10000E+01  0.10000E+01  0.10000E+01  0.10000E+01\r\n";
  std::string badTable = table;
  badTable.replace(60 * 4 + 21, 3, "x.1");  // line 5, aluminium field
  std::string badEnergy = table;
  badEnergy.replace(60 * 2 + 3, 1, "x");  // line 3, the energy in columns 1-6
  std::string hugeValue = table;
  hugeValue.replace(60 * 7 + 45, 13, "  0.10000E+60");  // line 8, air field: too large for a float
  std::string spectrum = FormatBeamSpectrum(SampleRelative(), 1, 1, 1, 1);
  const Case cases[] = {
      {"missing table", "MUs-OV.dat", "", nullptr, "MUs-OV.dat: cannot open file"},
      {"short table", "MUs-OV.dat", table.substr(0, 60 * 299),
       [](const std::string& p) { ReadAttenuationTableFixed(p); }, "MUs-OV.dat, line 300: expected 300 rows"},
      {"bad field", "MUs-OV.dat", badTable, [](const std::string& p) { ReadAttenuationTableFixed(p); },
       "MUs-OV.dat, line 5: expected a number in columns 20-32"},
      {"bad energy", "MUs-OV.dat", badEnergy, [](const std::string& p) { ReadAttenuationTableFixed(p); },
       "MUs-OV.dat, line 3: expected the energy (a number) in columns 1-6, found '   x.5'"},
      {"value beyond single precision", "MUs-OV.dat", hugeValue,
       [](const std::string& p) { ReadAttenuationTableFixed(p); },
       "MUs-OV.dat, line 8: expected a number in columns 46-58, found '  0.10000E+60'"},
      {"short table, free-form", "MUs-OV.dat", table.substr(0, 60 * 299),
       [](const std::string& p) { ReadAttenuationTableFree(p); }, "MUs-OV.dat, line 300: the file ends"},
      {"spectrum without sums", "B_SPCTL.dat", spectrum.substr(0, 17 * 300),
       [](const std::string& p) { ReadBeamSpectrum(p); },
       "B_SPCTL.dat, line 301: the file ends where the peak"},
      {"short parameters", "B2F.dat", "100.0\r\n16.0\r\n", [](const std::string& p) { ReadRunParameters(p); },
       "B2F.dat, line 3: the file ends where the inherent filtration"},
      {"bad parameter", "B2F.dat", "100.0\r\nabc\r\n", [](const std::string& p) { ReadRunParametersFree(p); },
       "B2F.dat, line 2: expected the target angle (degrees), found 'abc'"},
      {"short result", "Result.dat", "0.1E+01\r\n 0.1E+01 0.1E+01\r\n",
       [](const std::string& p) { ReadFieldResult(p); }, "Result.dat, line 3: the file ends"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Path(c.file));
    if (!c.text.empty()) Write(c.file, c.text);
    const auto read = c.read ? c.read : [](const std::string& p) { ReadAttenuationTableFixed(p); };
    const std::string message = ErrorOf([&] { read(Path(c.file)); });
    EXPECT_EQ(message.rfind(c.expected, 0), 0u) << message;
  }
}

}  // namespace
}  // namespace orvane
