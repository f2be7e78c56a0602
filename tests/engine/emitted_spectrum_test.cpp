// The emitted spectrum of a grid column (engine/plain_field_calculation.cpp, and the fast columns of
// engine/field_calculation.cpp): Tucker et al., Med. Phys. 18 (1991) 211, as the model defines it.
// Reference values: closed forms of the model itself (e(m) at E = V, G on the axis), the worked path
// factors of the model (3.4874, 37.554, 3.0297), and a double-precision evaluation written here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "field_calculation.h"
#include "field_fixture.h"
#include "field_positions.h"
#include "plain_field_calculation.h"
#include "tucker_model.h"

namespace orvane {
namespace {

namespace tucker = physics;

// The model in double precision, without the engine's rounding; lines optional.
BinArray<double> DoubleEmitted(const AttenuationTable& table, double kv, double angle, double xCm,
                               bool lines) {
  const double g = tucker::PathFactor(tucker::EmissionAngle(xCm), tucker::DegreesToRadians(angle));
  const double c = tucker::ThomsonWhiddingtonConstant(kv);
  const int m = 2 * static_cast<int>(std::floor(kv));
  BinArray<double> e{};
  for (int i = 2; i <= m; ++i)
    for (double t = 0.5 * i; t <= kv; t += 0.5)
      e[i] += tucker::BremsstrahlungTerm(t, tucker::ShapeFactor(0.5 * i / t, kv), tucker::EnergyLossFactor(t),
                                         table.muTarget[i], tucker::ElectronDepthCm(kv, t, c), g);
  if (lines && kv > 70) {
    double s = 0;
    for (int i = 2; i <= m; ++i) s += e[i];
    for (const auto& line : tucker::kKLines) e[line.bin] += line.fraction * s * tucker::KLineShare(kv) * 0.01;
  }
  return e;
}

TEST(PathFactor, WorkedFigures) {
  struct Case {
    const char* name;
    double xCm, angle, expected;
  } cases[] = {{"axis, 16 deg: 1/tan", 0.0, 16.0, 3.4874},
               {"anode edge, 10 deg", 15.0, 10.0, 37.554},
               {"cathode edge, 10 deg", -15.0, 10.0, 3.0297}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(tucker::PathFactor(tucker::EmissionAngle(c.xCm), tucker::DegreesToRadians(c.angle)),
                c.expected, 5e-5 * c.expected);
  }
}

TEST(EmittedSpectrum, Column76UsesOneOverTanTheta) {
  EXPECT_EQ(ColumnX(76), 0.0f);
  for (float angle : {10.0f, 12.5f, 16.0f, 20.0f}) {
    SCOPED_TRACE(angle);
    const float theta = static_cast<float>(tucker::DegreesToRadians(angle));
    const float phi = static_cast<float>(tucker::EmissionAngle(ColumnX(76)));
    EXPECT_EQ(phi, 0.0f);
    EXPECT_EQ(static_cast<float>(tucker::PathFactor(phi, theta)),
              static_cast<float>(1.0 / std::tan(static_cast<double>(theta))));
  }
  // The axis spectrum agrees with the double-precision model apart from precision (1e-5 relative).
  const AttenuationTable table = test::CommittedTable();
  BinArray<float> e{};
  plain::EmittedSpectrum(table, test::Conditions(100, 16, 0.25f, 0.1f, 0), 0.0f, e);
  const BinArray<double> reference = DoubleEmitted(table, 100, 16, 0.0, true);
  for (int i = 40; i <= 200; ++i) EXPECT_NEAR(e[i], reference[i], 1e-5 * reference[i]) << "bin " << i;
}

TEST(EmittedSpectrum, AnodeSideNeverExceedsTheMirroredCathodeSide) {
  const AttenuationTable table = test::CommittedTable();
  static std::array<BinArray<float>, kGridX + 1> e;
  for (const RunParameters& p :
       {test::Conditions(148, 10, 0.25f, 0.1f, 0.02f), test::Conditions(80, 20, 0, 0, 0)}) {
    ComputeEmittedSpectra(table, p, e);
    for (int ix = 1; ix < 76; ++ix)
      for (int i = 1; i <= kBins; ++i)
        ASSERT_LE(e[kGridX + 1 - ix][i], e[ix][i]) << "column " << ix << " bin " << i;
  }
}

TEST(EmittedSpectrum, HighestBinAtWholeVoltage) {
  // At E = V the only term has T = V, u = 1, d = 0: e(m) = (1 + 511/V) 0.124 (0.03658 + 0.000029 V) / F(V).
  const AttenuationTable table = test::CommittedTable();
  for (float kv : {40.0f, 60.0f, 100.0f, 148.0f}) {
    SCOPED_TRACE(kv);
    BinArray<float> e{};
    plain::EmittedSpectrum(table, test::Conditions(kv, 16, 0, 0, 0), 0.0f, e);
    const int m = 2 * static_cast<int>(kv);
    const double expected =
        (1 + 511.0 / kv) * 0.124 * (0.03658 + 0.000029 * kv) / tucker::EnergyLossFactor(kv);
    EXPECT_NEAR(e[m], expected, 2e-6 * expected);
    EXPECT_EQ(e[m + 1], 0.0f);
    EXPECT_EQ(e[1], 0.0f);
  }
}

TEST(EmittedSpectrum, CharacteristicLinesOnlyAbove70kV) {
  const AttenuationTable table = test::CommittedTable();
  struct Case {
    const char* name;
    float kv;
    bool lines;
  } cases[] = {
      {"70.0 kV: none", 70.0f, false}, {"70.5 kV: four lines", 70.5f, true}, {"100 kV", 100.0f, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BinArray<float> e{};
    plain::EmittedSpectrum(table, test::Conditions(c.kv, 16, 0, 0, 0), 0.0f, e);
    const BinArray<double> without = DoubleEmitted(table, c.kv, 16, 0.0, false);
    const BinArray<double> with = DoubleEmitted(table, c.kv, 16, 0.0, true);
    for (const auto& line : tucker::kKLines) {
      SCOPED_TRACE(line.bin);
      EXPECT_NEAR(e[line.bin], with[line.bin], 1e-5 * with[line.bin]);
      if (c.lines)
        EXPECT_GT(with[line.bin] - without[line.bin], 1e-3 * without[line.bin]);
      else
        EXPECT_EQ(with[line.bin], without[line.bin]);
    }
  }
}

TEST(EmittedSpectrum, FractionalVoltageStopsAtTheWholeNumber) {
  // 100.7 kV: bins up to 200; bin 200 has the terms T = 100.0 and 100.5.
  const AttenuationTable table = test::CommittedTable();
  BinArray<float> e{};
  plain::EmittedSpectrum(table, test::Conditions(100.7f, 16, 0, 0, 0), 0.0f, e);
  EXPECT_GT(e[200], 0.0f);
  for (int i = 201; i <= kBins; ++i) EXPECT_EQ(e[i], 0.0f) << i;
  const double kv = 100.7f;
  const double g = 1.0 / std::tan(static_cast<double>(static_cast<float>(tucker::DegreesToRadians(16))));
  const double c = tucker::ThomsonWhiddingtonConstant(kv);
  double twoTerms = 0;
  for (double t : {100.0, 100.5})
    twoTerms += tucker::BremsstrahlungTerm(t, tucker::ShapeFactor(100.0 / t, kv), tucker::EnergyLossFactor(t),
                                           table.muTarget[200], tucker::ElectronDepthCm(kv, t, c), g);
  EXPECT_NEAR(e[200], twoTerms, 1e-5 * twoTerms);
}

TEST(EmittedSpectrum, FastColumnsHaveThePlainBits) {
  const AttenuationTable table = test::CommittedTable();
  static std::array<BinArray<float>, kGridX + 1> fast;
  for (const RunParameters& p :
       {test::Conditions(148, 10, 0.25f, 0.1f, 0.02f), test::Conditions(70.5f, 13, 0, 0, 0),
        test::Conditions(100.7f, 16, 0.25f, 0.1f, 0)}) {
    ComputeEmittedSpectra(table, p, fast);
    for (int ix = 1; ix <= kGridX; ix += 5) {
      BinArray<float> e{};
      plain::EmittedSpectrum(table, p, ColumnX(ix), e);
      ASSERT_EQ(std::memcmp(e.data(), fast[ix].data(), sizeof e), 0) << "column " << ix;
    }
  }
}

}  // namespace
}  // namespace orvane
