// orvane-prepare as a process: arguments in the order kV, angle, inherent, Al, Cu (mm), clamps as the
// button does, and on failure a message naming the cause, exit status 1 and no file written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "attenuation_table.h"
#include "model_test_support.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string console;
};

Outcome RunPrepare(const std::string& arguments) {
  const fs::path tool = fs::path(ORVANE_BINARY_DIR) / "frontend" / "model" / "orvane-prepare";
  std::string command = "'";
  command.append(tool.string()).append("' ").append(arguments).append(" > console.txt 2>&1");
  const int status = std::system(command.c_str());
  Outcome outcome{WEXITSTATUS(status), test::FileText("console.txt")};
  fs::remove("console.txt");
  return outcome;
}

void WriteSyntheticTable() {
  auto m = std::make_unique<Module1>();
  test::FillSyntheticTable(*m);
  AttenuationTableOf<double> table;
  table.muTarget = m->MuTarget;
  table.muAl = m->MuAl;
  table.muCu = m->MuCu;
  table.muEnAir = m->MuEnAir;
  test::WriteText("MUs-OV.dat", FormatAttenuationTable(table));
}

TEST(OrvanePrepare, WritesTheEngineInputs) {
  struct Case {
    const char* name;
    const char* arguments;
    const char* runParameters;
  };
  const Case cases[] = {
      {"defaults", "", "100.0\r\n16.0\r\n0.250\r\n0.100\r\n0.0000\r\n"},
      {"all five", "90 12 3 0.5 0.2", "090.0\r\n12.0\r\n0.300\r\n0.050\r\n0.0200\r\n"},
      {"clamped", "200 25", "148.0\r\n20.0\r\n0.250\r\n0.100\r\n0.0000\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScopedWorkingFolder folder;
    WriteSyntheticTable();
    const Outcome outcome = RunPrepare(c.arguments);
    ASSERT_EQ(outcome.status, 0) << outcome.console;
    EXPECT_EQ(test::FileText("B2F.dat"), c.runParameters);
    EXPECT_EQ(test::FileText("B_SPCTL.dat").size(), 300u * 17 + 4 * 12);  // rows and sums, CRLF
  }
}

TEST(OrvanePrepare, FailureWritesNothing) {
  struct Case {
    const char* name;
    bool table;
    const char* arguments;
    const char* message;
  };
  const Case cases[] = {
      {"no attenuation table", false, "", "MUs-OV.dat"},
      {"copper absorbs everything", true, "100 16 2.5 1.0 100000", "No photons"},
      {"too many arguments", true, "1 2 3 4 5 6", "usage"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScopedWorkingFolder folder;
    if (c.table) WriteSyntheticTable();
    const Outcome outcome = RunPrepare(c.arguments);
    EXPECT_NE(outcome.status, 0);
    EXPECT_NE(outcome.console.find(c.message), std::string::npos) << outcome.console;
    EXPECT_FALSE(fs::exists("B_SPCTL.dat"));
    EXPECT_FALSE(fs::exists("B2F.dat"));
  }
}

}  // namespace
}  // namespace orvane
