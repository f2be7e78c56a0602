// Point geometry and the quantities of one grid point (engine/plain_field_calculation.cpp).
#include <gtest/gtest.h>

#include <cmath>

#include "field_fixture.h"
#include "field_positions.h"
#include "plain_field_calculation.h"
#include "tucker_model.h"

namespace orvane {
namespace {

namespace tucker = physics;

TEST(PointGeometry, CentreAndCorner) {
  struct Case {
    const char* name;
    int ix, iy;
    double r, q, tolerance;
  } cases[] = {{"centre (76, 1)", 76, 1, 1.0, 1.0, 0.0},
               {"corner (1, 76): X = -15, Y = 15", 1, 76, 1.02225, 0.95694, 5e-6},
               {"corner (151, 76)", 151, 76, 1.02225, 0.95694, 5e-6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const float r = static_cast<float>(tucker::DistanceRatio(ColumnX(c.ix), RowY(c.iy)));
    const float q = static_cast<float>(tucker::InverseSquareFactor(ColumnX(c.ix), RowY(c.iy)));
    EXPECT_NEAR(r, c.r, c.tolerance);
    EXPECT_NEAR(q, c.q, c.tolerance);
  }
}

TEST(PointGeometry, TablesHoldTheDecimalValues) {
  EXPECT_EQ(ColumnX(1), -15.0f);
  EXPECT_EQ(ColumnX(2), -14.8f);
  EXPECT_EQ(ColumnX(150), 14.8f);
  EXPECT_EQ(ColumnX(151), 15.0f);
  EXPECT_EQ(RowY(1), 0.0f);
  EXPECT_EQ(RowY(2), 0.2f);
  EXPECT_EQ(RowY(75), 14.8f);
  EXPECT_EQ(RowY(76), 15.0f);
  EXPECT_EQ(EngineLastBin(100.0f), 200);
  EXPECT_EQ(EngineLastBin(100.7f), 200);
}

TEST(PointQuantities, CentreIsTheFilteredEmittedSpectrum) {
  // R = Q = 1: q(i) = e(i)/E times the inherent and added filtration only (tolerance 1e-6 relative).
  const AttenuationTable table = test::CommittedTable();
  const RunParameters p = test::Conditions(100, 16, 0.25f, 0.1f, 0.01f);
  BinArray<float> e{};
  plain::EmittedSpectrum(table, p, 0.0f, e);
  double phi = 0;
  for (int i = 2; i <= 200; ++i)
    phi += e[i] / (0.5 * i) * std::exp(-(0.1 + static_cast<double>(0.25f)) * table.muAl[i]) *
           std::exp(-static_cast<double>(table.muCu[i]) * 0.01f);
  const plain::PointValues v = plain::PointQuantities(table, p, e, 0.0f, 0.0f);
  EXPECT_NEAR(v.photonFluence, phi, 1e-5 * phi);
  ASSERT_TRUE(v.hvlCm);
}

TEST(PointQuantities, NoCopperGivesFactorOne) {
  const AttenuationTable table = test::CommittedTable();
  BinArray<float> e{};
  const RunParameters p = test::Conditions(100, 16, 0.25f, 0.1f, 0.0f);
  plain::EmittedSpectrum(table, p, 0.0f, e);
  AttenuationTable noCopperTable = table;
  for (float& mu : noCopperTable.muCu) mu *= 3.0f;  // with AddedCu = 0 the copper coefficients do not matter
  const plain::PointValues a = plain::PointQuantities(table, p, e, -3.0f, 7.0f);
  const plain::PointValues b = plain::PointQuantities(noCopperTable, p, e, -3.0f, 7.0f);
  EXPECT_EQ(a.photonFluence, b.photonFluence);
  EXPECT_EQ(a.airKerma, b.airKerma);
  EXPECT_EQ(*a.hvlCm, *b.hvlCm);
}

}  // namespace
}  // namespace orvane
