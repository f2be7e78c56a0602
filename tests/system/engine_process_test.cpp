// Orvane-Calc run as a process in a temporary working folder.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "attenuation_table.h"
#include "beam_spectrum.h"
#include "field_result.h"
#include "number_text.h"
#include "run_parameters.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

struct RunOutcome {
  int exitStatus;
  std::string out, err;
};

class EngineProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("orvane-engine-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Text(const char* name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Put(const char* name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }

  // Runs the engine with `input` on its standard input.
  RunOutcome Run(const std::string& input) const {
    Put("stdin.txt", input);
    const std::string command = "cd '" + dir_.string() + "' && '" + std::string(ORVANE_ENGINE) +
                                "' < stdin.txt > stdout.txt 2> stderr.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Text("stdout.txt"), Text("stderr.txt")};
  }

  // A beam-axis spectrum with one line at bin 100 (50 keV) and the default conditions.
  void PutSingleLineInputs() const {
    fs::copy_file(std::string(ORVANE_SOURCE_DIR) + "/data/MUs-OV.dat", dir_ / "MUs-OV.dat",
                  fs::copy_options::overwrite_existing);
    BinArray<double> relative{};
    relative[100] = 1.0;
    Put("B_SPCTL.dat", FormatBeamSpectrum(relative, 2.5, 2.5, 125.0, 5.2));
    Put("B2F.dat", FormatRunParameters({100.0, 16.0, 0.25, 0.1, 0.0}));
  }

  fs::path dir_;
};

const char* const kExpectedConsole =
    " \n \n \n         ---     計算を開始しました    ---\n \n         ---  しばらくお待ちください   ---\n \n"
    "         ---     計算が終了しました    ---\n \n         ---    Enter を押して下さい   ---\n"
    "Stop - Program terminated.\n";

TEST_F(EngineProcess, NormalRunPrintsItsLinesAndWritesBothResults) {
  PutSingleLineInputs();
  const std::string inputsBefore = Text("B_SPCTL.dat") + Text("B2F.dat") + Text("MUs-OV.dat");
  for (const char* answer : {"\n", "anything typed\n", ""}) {  // "" is an end of input at the wait
    SCOPED_TRACE(answer);
    const RunOutcome run = Run(answer);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, kExpectedConsole);
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(Text("B_SPCTL.dat") + Text("B2F.dat") + Text("MUs-OV.dat"), inputsBefore);

  // One line at 50 keV: the half-value layer is ln 2 / mu_Al(50 keV).
  const AttenuationTable table = ReadAttenuationTableFixed((dir_ / "MUs-OV.dat").string());
  const std::string axis = Text("Beam_Axis.dat");
  ASSERT_EQ(axis.size(), 300u * 18 + 13 + 8);
  EXPECT_EQ(axis.substr(0, 18), "   0.5   0.00000\r\n");
  EXPECT_EQ(axis.substr(99 * 18, 18), "  50.0   1.00000\r\n");
  EXPECT_EQ(axis.substr(300 * 18),
            " 0.2500E+01\r\n" + FormatFixed(10 * std::log(2.0) / table.muAl[100], 6, 3) + "\r\n");

  for (int i = 1; i <= kBins; ++i)  // every row: energy, two blanks, the value as read
    ASSERT_EQ(axis.substr((i - 1) * 18, 18),
              FormatFixed(0.5 * i, 6, 1) + "  " + (i == 100 ? " 1.00000" : " 0.00000") + "\r\n")
        << "row " << i;

  const std::string result = Text("Result.dat");
  EXPECT_EQ(result.size(), 4u * (13 + 76 * (151 * 11 + 2)));
  // Every line in its layout: the reference value with 5 digits filling 11 characters, then 76 rows of
  // 151 values of 11 characters with 4 digits, each led by a blank; CRLF after every line.
  const std::regex reference("0\\.[0-9]{5}E[+-][0-9]{2}\r\n");
  const std::regex row("( 0\\.[0-9]{4}E[+-][0-9]{2}){151}\r\n");
  size_t at = 0;
  for (int line = 1; line <= 308; ++line) {
    const bool isReference = (line - 1) % 77 == 0;
    const size_t length = isReference ? 13 : 151 * 11 + 2;
    ASSERT_TRUE(std::regex_match(result.substr(at, length), isReference ? reference : row))
        << "line " << line;
    at += length;
  }
  const auto grids = std::make_unique<FieldResultOf<double>>(ReadFieldResult((dir_ / "Result.dat").string()));
  EXPECT_EQ(grids->reference[0], 2.5);
  EXPECT_EQ(grids->reference[2], 5.2);
  EXPECT_NEAR(grids->reference[3], std::log(2.0) / table.muAl[100], 1e-5);
  for (int b = 0; b < 4; ++b)
    for (int ix = 1; ix <= kGridX; ++ix)
      for (int iy = 1; iy <= kGridY; ++iy) ASSERT_TRUE(std::isfinite(grids->grid[b][ix][iy]));
}

TEST_F(EngineProcess, MissingOrDamagedInputsEndTheRunAndKeepOldResults) {
  struct Case {
    const char* name;
    const char* removed;     // input file taken away
    const char* damagedB2F;  // or "B2F.dat" replaced by this text
    bool beamAxisWritten;
    const char* message;
  };
  const Case cases[] = {
      {"no table", "MUs-OV.dat", nullptr, false, "MUs-OV.dat: cannot open file"},
      {"no spectrum", "B_SPCTL.dat", nullptr, false, "B_SPCTL.dat: cannot open file"},
      {"no parameters", "B2F.dat", nullptr, true, "B2F.dat: cannot open file"},
      {"short parameters", nullptr, "100.0\r\n16.0\r\n", true, "B2F.dat, line 3:"},
      {"angle outside the model", nullptr, "100.0\r\n08.0\r\n0.250\r\n0.100\r\n0.0000\r\n", false, "B2F.dat"},
      {"voltage outside the model", nullptr, "151.0\r\n16.0\r\n0.250\r\n0.100\r\n0.0000\r\n", false,
       "B2F.dat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutSingleLineInputs();
    Put("Beam_Axis.dat", "old axis");
    Put("Result.dat", "old result");
    if (c.removed) fs::remove(dir_ / c.removed);
    if (c.damagedB2F) Put("B2F.dat", c.damagedB2F);
    const RunOutcome run = Run("\n");
    EXPECT_NE(run.exitStatus, 0);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("計算が終了しました"), std::string::npos);
    EXPECT_EQ(Text("Result.dat"), "old result");
    EXPECT_EQ(Text("Beam_Axis.dat") != "old axis", c.beamAxisWritten);
  }
}

TEST_F(EngineProcess, SpectrumWithoutAHalfValueLayerIsRefused) {
  struct Case {
    const char* name;
    int bin;  // the one non-zero bin, 0 for none
    double sums;
    const char* message;
  };
  const Case cases[] = {{"only below 10 keV", 15, 1.0, "no air-kerma weight above 10 keV"},
                        {"zero sums", 100, 0.0, "a beam-axis sum (lines 302 to 304) is zero"},
                        {"all values zero", 0, 1.0, "every spectrum value (lines 1 to 300) is 0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutSingleLineInputs();
    BinArray<double> relative{};
    if (c.bin > 0) relative[c.bin] = 1.0;
    Put("B_SPCTL.dat", FormatBeamSpectrum(relative, 1.0, c.sums, c.sums, c.sums));
    Put("B2F.dat", FormatRunParameters({100.0, 16.0, 0.25, 0.1, 0.0}));
    Put("Beam_Axis.dat", "old axis");
    Put("Result.dat", "old result");
    const RunOutcome run = Run("\n");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.err.find("B_SPCTL.dat"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(Text("Beam_Axis.dat"), "old axis");
    EXPECT_EQ(Text("Result.dat"), "old result");
  }
}

TEST_F(EngineProcess, AxisNotHalvedWithinTheSearchIsRefused) {
  // A table whose aluminium does not attenuate: the beam-axis curve never falls below 50 %.
  PutSingleLineInputs();
  std::string table;
  for (int i = 1; i <= kBins; ++i)
    table += FormatFixed(0.5 * i, 6, 1) + FormatExponent(1.0, 13, 5) + FormatExponent(0.0, 13, 5) +
             FormatExponent(1.0, 13, 5) + FormatExponent(1.0, 13, 5) + "\r\n";
  Put("MUs-OV.dat", table);
  Put("Beam_Axis.dat", "old axis");
  Put("Result.dat", "old result");
  const RunOutcome run = Run("\n");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("B_SPCTL.dat: the beam-axis spectrum is not halved by 100 cm of aluminium"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out.find("計算が終了しました"), std::string::npos);
  EXPECT_EQ(Text("Beam_Axis.dat"), "old axis");
  EXPECT_EQ(Text("Result.dat"), "old result");
}

TEST_F(EngineProcess, InItsOwnConsoleAFailureWaitsForEnterSoTheMessageCanBeRead) {
  PutSingleLineInputs();
  fs::remove(dir_ / "B_SPCTL.dat");
  // `script` gives the engine a terminal, as the console window that the front end opens does.
  const std::string command = "cd '" + dir_.string() + "' && echo | script -qec '" +
                              std::string(ORVANE_ENGINE) + "' /dev/null > console.txt 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string console = Text("console.txt");
  EXPECT_NE(console.find("B_SPCTL.dat: cannot open file"), std::string::npos) << console;
  EXPECT_NE(console.find("Press Enter to close this window."), std::string::npos) << console;
}

}  // namespace
}  // namespace orvane
