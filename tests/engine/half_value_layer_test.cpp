// HalfValueLayer and the beam-axis upper bin (engine/half_value_layer.cpp), against closed forms of the
// transmission curve and against the plain 300-step curve (engine/plain_field_calculation.cpp).
#include "half_value_layer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "field_fixture.h"
#include "plain_field_calculation.h"

namespace orvane {
namespace {

const double kLn2 = std::log(2.0);

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A smooth filtered-looking spectrum over bins 2..m (shape only matters for the HVL).
BinArray<float> SmoothSpectrum(int m) {
  BinArray<float> q{};
  for (int i = 2; i <= m; ++i) {
    const double e = 0.5 * i, peak = 0.5 * m * 0.45;
    q[i] =
        static_cast<float>(std::exp(-0.5 * std::pow((e - peak) / (0.2 * m), 2)) * (1.0 - e / (0.5 * m + 1)));
  }
  return q;
}

TEST(HalfValueLayer, SingleBinGivesLn2OverMuAl) {
  // A single bin j has T(k) = 100 exp(-0.01 k MuAl(j)); log interpolation of an exponential is exact,
  // so the HVL is ln2/MuAl(j) up to single-precision rounding of the curve (tolerance 2e-6 relative).
  const AttenuationTable table = test::CommittedTable();
  struct Case {
    const char* name;
    int bin;
  } cases[] = {{"10.5 keV (T(1) < 50)", 21},
               {"20 keV", 40},
               {"30 keV", 60},
               {"59.5 keV", 119},
               {"100 keV", 200},
               {"149.5 keV", 299}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BinArray<float> q{};
    q[c.bin] = 0.37f;
    const std::optional<float> hvl = HalfValueLayer(q, c.bin + 1, table);
    ASSERT_TRUE(hvl);
    const double expected = kLn2 / table.muAl[c.bin];
    EXPECT_NEAR(*hvl, expected, 2e-6 * expected + 1e-7);
    EXPECT_TRUE(SameBits(*hvl, *plain::HalfValueLayer(q, c.bin + 1, table)));
  }
}

TEST(HalfValueLayer, ScalingTheSpectrumChangesOnlyRounding) {
  const AttenuationTable table = test::CommittedTable();
  const BinArray<float> q = SmoothSpectrum(200);
  const float reference = *HalfValueLayer(q, 201, table);
  for (float scale : {1e-3f, 0.37f, 3.7f, 1e4f}) {
    SCOPED_TRACE(scale);
    BinArray<float> scaled{};
    for (int i = 0; i <= kBins; ++i) scaled[i] = q[i] * scale;
    EXPECT_NEAR(*HalfValueLayer(scaled, 201, table), reference, 2e-6 * reference);
  }
}

TEST(HalfValueLayer, BinsBelow10KeVDoNotMatter) {
  AttenuationTable table = test::CommittedTable();
  BinArray<float> q = SmoothSpectrum(200);
  const float reference = *HalfValueLayer(q, 201, table);
  BinArray<float> low = q;
  for (int i = 1; i <= 10; ++i) low[i] = 100.0f * i;  // bins 1..10: no part at all
  EXPECT_TRUE(SameBits(*HalfValueLayer(low, 201, table), reference));
  AttenuationTable airChanged = table;
  for (int i = 1; i <= 10; ++i) airChanged.muEnAir[i] *= 7.0f;
  EXPECT_TRUE(SameBits(*HalfValueLayer(q, 201, airChanged), reference));
  // Bins 11..20 enter W only, which cancels: the change is rounding.
  BinArray<float> mid = q;
  for (int i = 11; i <= 20; ++i) mid[i] = 0.5f;
  EXPECT_NEAR(*HalfValueLayer(mid, 201, table), reference, 2e-6 * reference);
}

// A one-bin table (bin 100) with a chosen MuAl sets the curve exactly.
AttenuationTable OneBinTable(float muAl) {
  AttenuationTable t{};
  for (int i = 1; i <= kBins; ++i)
    t.muAl[i] = muAl, t.muEnAir[i] = 1.0f, t.muCu[i] = 0.0f, t.muTarget[i] = 1.0f;
  return t;
}

TEST(HalfValueLayer, CurveCases) {
  struct Case {
    const char* name;
    float muAl;        // 1/cm
    double low, high;  // expected HVL range, cm
  } cases[] = {
      {"T(29) >= 50 > T(30): 0.29 to 0.30 cm", static_cast<float>(kLn2 / 0.295), 0.29, 0.30},
      {"soft beam, T(1) < 50: below 0.01 cm", 150.0f, 0.0, 0.01},
      {"very soft beam: may fall below zero", 500.0f, -1.0, 0.01},
      {"beyond 3.00 cm: stepped on", 0.1f, kLn2 / 0.1 * (1 - 1e-3), kLn2 / 0.1 * (1 + 1e-3)},
      {"just beyond 3.00 cm", static_cast<float>(kLn2 / 3.05), 3.0, 3.1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const AttenuationTable table = OneBinTable(c.muAl);
    BinArray<float> q{};
    q[100] = 1.0f;
    const std::optional<float> hvl = HalfValueLayer(q, 100, table);
    ASSERT_TRUE(hvl);
    EXPECT_GE(*hvl, c.low);
    EXPECT_LT(*hvl, c.high);
    if (c.low >= 0) {
      EXPECT_NEAR(*hvl, kLn2 / c.muAl, 1e-3 * kLn2 / c.muAl);
    }
    EXPECT_TRUE(SameBits(*hvl, *plain::HalfValueLayer(q, 100, table)));
  }
}

TEST(HalfValueLayer, NoResultIsReported) {
  const AttenuationTable table = test::CommittedTable();
  struct Case {
    const char* name;
    BinArray<float> q;
    int m;
  } cases[] = {{"all zero", {}, 201},
               {"no bins at all", SmoothSpectrum(200), 0},
               {"only bins up to 10 keV", {}, 201},
               {"m below 21", SmoothSpectrum(200), 20}};
  for (int i = 11; i <= 20; ++i) cases[2].q[i] = 1.0f;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HvlFault fault = HvlFault::kNone;
    EXPECT_FALSE(HalfValueLayer(c.q, c.m, table, &fault));
    EXPECT_EQ(fault, HvlFault::kNoWeight);
    EXPECT_FALSE(plain::HalfValueLayer(c.q, c.m, table));
  }
  // No aluminium attenuation: the curve never falls below 50 % within the bounded search.
  BinArray<float> q{};
  q[100] = 1.0f;
  HvlFault fault = HvlFault::kNone;
  EXPECT_FALSE(HalfValueLayer(q, 100, OneBinTable(0.0f), &fault));
  EXPECT_EQ(fault, HvlFault::kNotHalved);
  EXPECT_FALSE(plain::HalfValueLayer(q, 100, OneBinTable(0.0f)));
  // A result clears the fault.
  EXPECT_TRUE(HalfValueLayer(q, 100, OneBinTable(1.0f), &fault));
  EXPECT_EQ(fault, HvlFault::kNone);
}

TEST(HalfValueLayer, SameBitsAsThePlainCurve) {
  const AttenuationTable table = test::CommittedTable();
  std::mt19937 random(7);
  std::uniform_real_distribution<float> value(0.0f, 1.0f);
  for (int trial = 0; trial < 40; ++trial) {
    const int m = 60 + 6 * trial;
    BinArray<float> q = SmoothSpectrum(m);
    for (int i = 2; i <= m; ++i) q[i] *= 0.5f + value(random);
    SCOPED_TRACE(m);
    EXPECT_TRUE(SameBits(*HalfValueLayer(q, m, table), *plain::HalfValueLayer(q, m, table)));
  }
}

TEST(BeamAxisUpperBin, OneAboveTheLastNonZeroBin) {
  struct Case {
    const char* name;
    int lastNonZero;  // 0: all zero
    int expected;
  } cases[] = {{"100 keV", 200, 201}, {"148 kV", 296, 297}, {"bin 300", 300, 301}, {"all zero", 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BinArray<float> s{};
    for (int i = 2; i <= c.lastNonZero; ++i) s[i] = 0.5f;
    if (c.lastNonZero > 0) s[c.lastNonZero - 1] = 0.0f;  // zeros inside the spectrum do not stop the scan
    EXPECT_EQ(BeamAxisUpperBin(s), c.expected);
  }
}

}  // namespace
}  // namespace orvane
