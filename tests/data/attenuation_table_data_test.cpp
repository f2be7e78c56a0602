// The committed attenuation table: what the generator writes, and right against NIST spot values.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "attenuation_generator.h"
#include "attenuation_table.h"
#include "text_file.h"

namespace orvane {
namespace {

const std::string kData = std::string(ORVANE_SOURCE_DIR) + "/data/";

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(AttenuationTableData, CommittedFileIsWhatTheGeneratorWrites) {
  const auto table = GenerateAttenuationTable(kData + "air-mass-energy-absorption-nist.tsv");
  EXPECT_EQ(FileText(kData + "MUs-OV.dat"), FormatAttenuationTable(table));
}

TEST(AttenuationTableData, MatchesNistSpotValuesWithinOnePercent) {
  const AttenuationTable table = ReadAttenuationTableFixed(kData + "MUs-OV.dat");
  const std::vector<std::string> lines =
      ReadLines(std::string(ORVANE_SOURCE_DIR) + "/../shared/data/attenuation-spot-values-nist.tsv");
  int checked = 0;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream row(line);
    double energy, w, al, cu, airMu, airMuEn;
    row >> energy >> w >> al >> cu >> airMu >> airMuEn;
    const int bin = static_cast<int>(std::lround(energy / kBinWidthKeV));
    SCOPED_TRACE(energy);
    EXPECT_NEAR(table.muTarget[bin] / kTungstenDensity, w, 0.01 * w);
    EXPECT_NEAR(table.muAl[bin] / kAluminiumDensity, al, 0.01 * al);
    EXPECT_NEAR(table.muCu[bin] / kCopperDensity, cu, 0.01 * cu);
    EXPECT_NEAR(table.muEnAir[bin], airMuEn, 0.01 * airMuEn);
    ++checked;
  }
  EXPECT_EQ(checked, 9);
}

TEST(AttenuationTableData, TungstenKEdgeLiesBetweenBins139And140) {
  const AttenuationTable table = ReadAttenuationTableFixed(kData + "MUs-OV.dat");
  EXPECT_GT(table.muTarget[140], 4.0f * table.muTarget[139]);  // 69.5 keV below, 70.0 keV above 69.525
  // Above the L1 edge (12.1 keV) tungsten falls steadily up to the K edge.
  for (int i = 26; i <= 139; ++i) EXPECT_LT(table.muTarget[i], table.muTarget[i - 1]) << "bin " << i;
}

}  // namespace
}  // namespace orvane
