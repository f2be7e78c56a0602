#include "spectrum_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "condition_texts.h"
#include "model_test_support.h"
#include "number_text.h"
#include "tucker_model.h"

namespace orvane {
namespace {

// Reference figures of the model (rounded as quoted); tolerance half a unit in the last digit.
TEST(PointGeometryAt, WorkedFigures) {
  enum Quantity { kR, kQ, kG };
  struct Case {
    const char* name;
    double xCm, yCm, angleDegrees;
    Quantity quantity;
    double expected, tolerance;
  };
  const Case cases[] = {
      {"axis, 16 deg: G = 1/tan(theta)", 0, 0, 16, kG, 3.4874, 5e-5},
      {"axis: R", 0, 0, 16, kR, 1.0, 1e-15},
      {"axis: Q", 0, 0, 16, kQ, 1.0, 1e-15},
      {"anode edge, 10 deg", 15, 0, 10, kG, 37.554, 5e-4},
      {"cathode edge, 10 deg", -15, 0, 10, kG, 3.0297, 5e-5},
      {"cathode corner: Y leaves G alone", -15, 15, 10, kG, 3.0297, 5e-5},
      {"cathode corner: R", -15, 15, 10, kR, 1.02225, 5e-6},
      {"cathode corner: Q", -15, 15, 10, kQ, 0.95694, 5e-6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PointGeometry g = PointGeometryAt(c.xCm, c.yCm, c.angleDegrees);
    const double values[] = {g.distanceRatio, g.inverseSquare, g.pathFactor};
    EXPECT_NEAR(values[c.quantity], c.expected, c.tolerance);
  }
}

TEST(KLineShare, WorkedFigures) {
  struct Case {
    const char* name;
    double kv, percent, tolerance;
  };
  const Case cases[] = {
      {"70 kV: threshold is strict", 70.0, 0.0, 0.0},
      {"70.5 kV", 70.5, 0.1045, 5e-5},
      {"100 kV", 100.0, 2.80, 5e-3},
      {"150 kV", 150.0, 5.0835, 5e-5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(physics::KLineShare(c.kv), c.percent, c.tolerance);
  }
}

class SpectrumModelTest : public ::testing::Test {
 protected:
  SpectrumModelTest() {
    test::FillSyntheticTable(*m);
    m->SpectrumMode = 2;
  }
  test::ScopedWorkingFolder folder;
  std::unique_ptr<Module1> m = std::make_unique<Module1>();  // large: kept off the stack
};

// Bremsstrahlung of one bin before the K lines, summed straight from the model's terms.
double BremsstrahlungOfBin(const Module1& m, int bin, double kv, double pathFactor) {
  const double c = physics::ThomsonWhiddingtonConstant(kv), e = BinEnergyKeV(bin);
  double sum = 0;
  for (double t = e; t <= kv; t += 0.5) {
    sum += physics::BremsstrahlungTerm(t, physics::ShapeFactor(e / t, kv), physics::EnergyLossFactor(t),
                                       m.MuTarget[bin], physics::ElectronDepthCm(kv, t, c), pathFactor);
  }
  return sum;
}

TEST_F(SpectrumModelTest, VoltageRepairAndLastBin) {
  struct Case {
    const char* name;
    const char* typed;
    const char* shown;
    int lastBin;
  };
  const Case cases[] = {
      {"above 150 kV", "200", "150", 300},
      {"150 kV stays", "150", "150", 300},
      {"below 20 kV", "10", "20", 40},
      {"no digits reads as 0", "kV", "20", 40},
      {"empty", "", "20", 40},
      {"20 kV stays", "20", "20", 40},
      {"100.3 kV ends at 100 keV", "100.3", "100.3", 200},
      {"100.5 kV ends at 100.5 keV", "100.5", "100.5", 201},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConditionTexts boxes(c.typed, "16", "2.5", "1.0", "0");
    m->PhotonSpectrum.fill(5.0);  // stale values must not survive
    SpectrumModel(*m, boxes);
    EXPECT_EQ(boxes.Text(kVoltageBox), c.shown);
    EXPECT_EQ(m->PhotonSpectrum[1], 0.0);
    EXPECT_GT(m->PhotonSpectrum[c.lastBin], 0.0);
    for (int i = c.lastBin + 1; i <= kBins; ++i) ASSERT_EQ(m->PhotonSpectrum[i], 0.0) << "bin " << i;
    EXPECT_EQ(m->SpectrumPeak, *std::max_element(m->PhotonSpectrum.begin(), m->PhotonSpectrum.end()));
  }
}

// At E = V the only electron energy is T = V: u = 1, no depth, (1 + 511/V)*0.124*(0.03658 + 0.000029 V)/F(V).
TEST_F(SpectrumModelTest, TopBinHasOneUnattenuatedTerm) {
  for (const char* kv : {"60", "100.5"}) {
    SCOPED_TRACE(kv);
    ConditionTexts boxes(kv, "16", "2.5", "1.0", "0");
    SpectrumModel(*m, boxes);
    const double v = ReadLeadingNumber(kv);
    const double expected = (1 + 511 / v) * 0.124 * (0.03658 + 0.000029 * v) / physics::EnergyLossFactor(v);
    EXPECT_NEAR(m->EmittedSpectrum[static_cast<int>(2 * v)], expected, 1e-12 * expected);
  }
}

// Above 70 kV the four lines together carry k % of the bremsstrahlung total, split
// 0.5048/0.2908/0.162/0.0424.
TEST_F(SpectrumModelTest, CharacteristicLinesOnlyAbove70kV) {
  for (double kv : {70.0, 70.5, 100.0}) {
    SCOPED_TRACE(kv);
    ConditionTexts boxes(FormatShortest(kv), "16", "2.5", "1.0", "0");
    SpectrumModel(*m, boxes);
    double total = 0;
    for (int i = 2; i <= static_cast<int>(2 * kv); ++i) total += m->EmittedSpectrum[i];
    const double share = physics::KLineShare(kv) * 0.01;
    const double lineTotal = total * share / (1 + share);
    const double g = PointGeometryAt(0, 0, 16).pathFactor;
    for (const physics::KLine& line : physics::kKLines) {
      const double added = m->EmittedSpectrum[line.bin] - BremsstrahlungOfBin(*m, line.bin, kv, g);
      EXPECT_NEAR(added, line.fraction * lineTotal, 1e-9 * total) << "bin " << line.bin;
    }
  }
}

TEST_F(SpectrumModelTest, BeamAxisFileIsRelativeToThePeak) {
  ConditionTexts boxes;  // 100 kV, 16 deg, 2.5 mm, 1.0 mm, 0 mm
  m->SpectrumMode = 1;
  SpectrumModel(*m, boxes);

  std::vector<std::string> lines;
  const std::string text = test::FileText("B_SPCTL.dat");
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  ASSERT_EQ(lines.size(), 304u);
  EXPECT_EQ(lines[0], "0000.5, 0.00000");
  EXPECT_EQ(lines[299], "0150.0, 0.00000");
  int peakBin = 0;
  for (int i = 2; i <= kBins; ++i)
    if (m->PhotonSpectrum[i] == m->SpectrumPeak) peakBin = i;
  ASSERT_GT(peakBin, 1);
  EXPECT_EQ(lines[peakBin - 1].substr(8), "1.00000");
  for (int i = 1; i <= kBins; ++i) {
    const double relative = ParseNumber(lines[i - 1].substr(8)).value_or(-1);
    ASSERT_GE(relative, 0.0) << "bin " << i;
    ASSERT_LE(relative, 1.0) << "bin " << i;
    if (i > 200) {
      ASSERT_EQ(relative, 0.0) << "bin " << i;
    }
  }

  double photons = 0, energy = 0, kerma = 0;
  for (int i = 2; i <= 200; ++i) {
    photons += m->PhotonSpectrum[i];
    energy += BinEnergyKeV(i) * m->PhotonSpectrum[i];
    kerma += BinEnergyKeV(i) * m->PhotonSpectrum[i] * m->MuEnAir[i];
  }
  const double expected[] = {m->SpectrumPeak, photons, energy, kerma};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(lines[300 + k]);
    EXPECT_NEAR(ParseNumber(lines[300 + k]).value_or(0), expected[k], 5e-5 * expected[k]);
  }
}

// Off the axis across the anode-cathode direction the emitted spectrum is the same; only the added
// filters (crossed R times), and the inverse square law change the photons. The inherent filter counts once.
TEST_F(SpectrumModelTest, PointAcrossTheAxisSeesLongerAddedFilters) {
  ConditionTexts boxes("100", "12", "10", "3.0", "0.2");
  SpectrumModel(*m, boxes);
  const BinArray<double> axis = m->PhotonSpectrum;
  m->PointY = 15;
  SpectrumModel(*m, boxes);
  const PointGeometry g = PointGeometryAt(0, 15, 12);
  for (int i = 2; i <= 200; ++i) {
    const double expected = axis[i] * std::exp(-m->MuAl[i] * 0.30 * (g.distanceRatio - 1)) *
                            std::exp(-m->MuCu[i] * 0.02 * (g.distanceRatio - 1)) * g.inverseSquare;
    ASSERT_NEAR(m->PhotonSpectrum[i], expected, 1e-12 * axis[i]) << "bin " << i;
  }
}

TEST_F(SpectrumModelTest, PointSpectrumWritesNoFile) {
  ConditionTexts boxes;
  m->PointX = 12.4;
  m->PointY = 7.0;
  SpectrumModel(*m, boxes);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

  test::WriteText("B_SPCTL.dat", "earlier beam axis\r\n");
  SpectrumModel(*m, boxes);
  EXPECT_EQ(test::FileText("B_SPCTL.dat"), "earlier beam axis\r\n");
  EXPECT_GT(m->SpectrumPeak, 0.0);
}

TEST_F(SpectrumModelTest, RefusedSpectrumChangesNothing) {
  struct Case {
    const char* name;
    ConditionTexts boxes;
    double pointX;
    int mode;
  };
  const Case cases[] = {
      {"copper absorbs every bin", {"100", "16", "2.5", "1.0", "100000"}, 0, 1},
      {"negative inherent filter overflows", {"100", "16", "-100000", "1.0", "0"}, 0, 1},
      {"negative added Al overflows at a point", {"100", "16", "2.5", "-100000", "0"}, 5, 2},
      {"angle 0 on the axis", {"100", "0", "2.5", "1.0", "0"}, 0, 1},
      {"angle above 90 deg", {"100", "120", "2.5", "1.0", "0"}, 0, 1},
      {"angle 5 deg at the anode edge", {"100", "5", "2.5", "1.0", "0"}, 15, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteText("B_SPCTL.dat", "earlier beam axis\r\n");
    ConditionTexts boxes = c.boxes;
    m->PointX = c.pointX;
    m->SpectrumMode = c.mode;
    m->PhotonSpectrum.fill(3.0);
    m->EmittedSpectrum.fill(4.0);
    m->SpectrumPeak = 42.0;
    try {
      SpectrumModel(*m, boxes);
      ADD_FAILURE() << "no error";
    } catch (const ModelError& e) {
      EXPECT_NE(std::string(e.what()).find("Nothing was written"), std::string::npos) << e.what();
    }
    EXPECT_EQ(test::FileText("B_SPCTL.dat"), "earlier beam axis\r\n");
    EXPECT_EQ(m->PhotonSpectrum[100], 3.0);
    EXPECT_EQ(m->EmittedSpectrum[100], 4.0);
    EXPECT_EQ(m->SpectrumPeak, 42.0);
  }
}

}  // namespace
}  // namespace orvane
