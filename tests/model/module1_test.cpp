#include "module1.h"

#include <gtest/gtest.h>

#include <string>

#include "file_error.h"
#include "model_test_support.h"

namespace orvane {
namespace {

// `count` numbers of rows "energy, tungsten, Al, Cu, air" (values 1000*column + row), seven to a line.
std::string FreeFormTable(int count) {
  std::string text;
  for (int n = 0; n < count; ++n) {
    const int row = n / 5 + 1, column = n % 5;
    text += std::to_string(1000 * column + row) + ".5";
    text += (n % 7 == 6) ? "\r\n" : "  ";
  }
  return text + "\r\n";
}

TEST(ReadAttenuationTable, TakesFirst1500NumbersWhereverTheLinesEnd) {
  test::ScopedWorkingFolder folder;
  test::WriteText("MUs-OV.dat", FreeFormTable(1505) + "trailing words are never read\r\n");
  Module1 m;
  ReadAttenuationTable(m);
  EXPECT_EQ(m.MuTarget[1], 1001.5);
  EXPECT_EQ(m.MuAl[150], 2150.5);
  EXPECT_EQ(m.MuCu[299], 3299.5);
  EXPECT_EQ(m.MuEnAir[300], 4300.5);
  EXPECT_EQ(m.MuTarget[0], 0.0);  // index 0 is never used
  EXPECT_EQ(m.SpectrumPeak, 0.0);
  for (int i = 0; i <= kBins; ++i) ASSERT_EQ(m.PhotonSpectrum[i], 0.0) << "bin " << i;
}

TEST(ReadAttenuationTable, BrokenFileNamesItAndChangesNothing) {
  struct Case {
    const char* name;
    const char* text;  // nullptr: no file
    const char* expected;
  };
  const std::string shortTable = FreeFormTable(1499);
  const std::string badField = FreeFormTable(700) + " 1.0E-0x " + FreeFormTable(800);
  const Case cases[] = {
      {"missing file", nullptr, "MUs-OV.dat"},
      {"one number short", shortTable.c_str(), "air"},
      {"empty file", "", "MUs-OV.dat"},
      {"stray text", badField.c_str(), "1.0E-0x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScopedWorkingFolder folder;
    if (c.text != nullptr) test::WriteText("MUs-OV.dat", c.text);
    Module1 m;
    m.MuTarget.fill(7.0);
    m.MuEnAir.fill(9.0);
    try {
      ReadAttenuationTable(m);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find("MUs-OV.dat"), std::string::npos) << message;
      EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }
    EXPECT_EQ(m.MuTarget[1], 7.0);
    EXPECT_EQ(m.MuEnAir[300], 9.0);
  }
}

}  // namespace
}  // namespace orvane
