// The fast field calculation (engine/field_calculation.cpp) against the plain literal loops
// (engine/plain_field_calculation.cpp): same bits in every cell, on every instruction set this
// processor runs; the refusals of conditions and references; finite cells everywhere.
#include "field_calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "field_checks.h"
#include "field_fixture.h"
#include "field_kernels.h"
#include "field_positions.h"
#include "field_result.h"
#include "plain_field_calculation.h"

namespace orvane {
namespace {

bool SameGrids(const FieldResult& a, const FieldResult& b) {
  return std::memcmp(a.reference, b.reference, sizeof a.reference) == 0 &&
         std::memcmp(a.grid, b.grid, sizeof a.grid) == 0;
}

void ExpectFiniteAndWritten(const FieldResult& r) {
  for (int block = 0; block < 4; ++block)
    for (int ix = 1; ix <= kGridX; ++ix)
      for (int iy = 1; iy <= kGridY; ++iy) {
        const float v = r.grid[block][ix][iy];
        ASSERT_TRUE(std::isfinite(v) && v > 0) << "block " << block << " cell " << ix << ", " << iy;
      }
}

// Two whole grids against the plain loops (about 7 s of plain computing in all).
TEST(ComputeField, WholeGridHasThePlainBitsOnEveryInstructionSet) {
  const AttenuationTable table = test::CommittedTable();
  struct Case {
    const char* name;
    RunParameters params;
  } cases[] = {
      {"148 kV, 10 deg, 2.5 mm + 1.0 mm Al + 0.2 mm Cu", test::Conditions(148, 10, 0.25f, 0.1f, 0.02f)},
      {"defaults: 100 kV, 16 deg, 2.5 mm + 1.0 mm Al", test::Conditions(100, 16, 0.25f, 0.1f, 0)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const test::Axis axis = test::AxisFromEngineModel(table, c.params);
    auto plain = std::make_unique<FieldResult>();
    plain::ComputeField(table, c.params, axis.spectrum, axis.hvlCm, *plain);
    const std::string plainText = FormatFieldResult(*plain);
    for (const kernels::KernelSet& set : kernels::RunnableKernels()) {
      SCOPED_TRACE(set.name);
      auto fast = std::make_unique<FieldResult>();
      ComputeFieldWith(set, table, c.params, axis.spectrum, axis.hvlCm, *fast);
      EXPECT_TRUE(SameGrids(*fast, *plain));
      EXPECT_EQ(FormatFieldResult(*fast), plainText);
    }
    ExpectFiniteAndWritten(*plain);
    // The centre cell is 1 within 0.5 % when the axis comes from the same model.
    for (int block = 0; block < 4; ++block) EXPECT_NEAR(plain->grid[block][76][1], 1.0, 0.005) << block;
    // Anode side (X > 0) at most the mirrored cathode side, for the three fluence quantities.
    for (int block = 0; block < 3; ++block)
      for (int ix = 1; ix < 76; ++ix)
        for (int iy = 1; iy <= kGridY; ++iy)
          ASSERT_LE(plain->grid[block][kGridX + 1 - ix][iy], plain->grid[block][ix][iy])
              << block << " " << ix << " " << iy;
  }
}

// More conditions: the fast grid against plain points at sampled cells.
TEST(ComputeField, SampledCellsHaveThePlainBits) {
  const AttenuationTable table = test::CommittedTable();
  const RunParameters conditions[] = {
      test::Conditions(70.5f, 12, 0.1f, 0, 0.05f), test::Conditions(70.0f, 20, 0.2f, 0.3f, 0),
      test::Conditions(45, 18, 0.05f, 0, 0), test::Conditions(130.3f, 8.6f, 0.3f, 0.2f, 0.01f),
      test::Conditions(150, 11, 0.25f, 0.5f, 0.1f)};
  for (const RunParameters& p : conditions) {
    SCOPED_TRACE(p.tubeVoltage);
    SCOPED_TRACE(p.targetAngle);
    const test::Axis axis = test::AxisFromEngineModel(table, p);
    auto fast = std::make_unique<FieldResult>();
    ComputeField(table, p, axis.spectrum, axis.hvlCm, *fast);
    ExpectFiniteAndWritten(*fast);
    for (int ix : {1, 2, 37, 75, 76, 77, 120, 150, 151}) {
      BinArray<float> e{};
      plain::EmittedSpectrum(table, p, ColumnX(ix), e);
      for (int iy : {1, 2, 9, 17, 38, 73, 76}) {
        const plain::PointValues v = plain::PointQuantities(table, p, e, ColumnX(ix), RowY(iy));
        ASSERT_TRUE(v.hvlCm);
        const float expected[] = {v.photonFluence / axis.spectrum.photonFluenceSum,
                                  v.energyFluence / axis.spectrum.energyFluenceSum,
                                  v.airKerma / axis.spectrum.airKermaSum, *v.hvlCm / axis.hvlCm};
        for (int block = 0; block < 4; ++block)
          ASSERT_EQ(fast->grid[block][ix][iy], expected[block]) << block << " " << ix << " " << iy;
      }
    }
  }
}

TEST(ComputeField, HalfValueLayersBeyond3CmAreSteppedOn) {
  // A table whose aluminium attenuates weakly above 10 keV (0.2/cm: HVL 3.47 cm for every energy).
  AttenuationTable table = test::CommittedTable();
  for (int i = 21; i <= kBins; ++i) table.muAl[i] = 0.2f;
  const RunParameters p = test::Conditions(100, 16, 0.25f, 0.1f, 0);
  const test::Axis axis = test::AxisFromEngineModel(table, p);
  EXPECT_NEAR(axis.hvlCm, std::log(2.0) / 0.2, 2e-3);
  auto fast = std::make_unique<FieldResult>();
  ComputeField(table, p, axis.spectrum, axis.hvlCm, *fast);
  ExpectFiniteAndWritten(*fast);
  for (int ix : {1, 76, 151}) {
    BinArray<float> e{};
    plain::EmittedSpectrum(table, p, ColumnX(ix), e);
    const plain::PointValues v = plain::PointQuantities(table, p, e, ColumnX(ix), RowY(76));
    EXPECT_EQ(fast->grid[3][ix][76], *v.hvlCm / axis.hvlCm) << ix;
  }
}

TEST(ComputeField, RefusesWhatTheModelDoesNotCover) {
  const AttenuationTable table = test::CommittedTable();
  const RunParameters good = test::Conditions(100, 16, 0.25f, 0.1f, 0);
  const test::Axis axis = test::AxisFromEngineModel(table, good);
  struct Case {
    const char* name;
    RunParameters params;
    BeamSpectrum spectrum;
    float hvl;
    const char* message;  // a part of the message
  } cases[] = {
      {"8.53 deg: tan below 0.15", test::Conditions(100, 8.53f, 0.25f, 0.1f, 0), axis.spectrum, axis.hvlCm,
       "target angle of 8.53"},
      {"8 deg", test::Conditions(100, 8, 0.25f, 0.1f, 0), axis.spectrum, axis.hvlCm, "target angle"},
      {"150.5 kV", test::Conditions(150.5f, 16, 0.25f, 0.1f, 0), axis.spectrum, axis.hvlCm, "150.5 kV"},
      {"zero photon-fluence sum", good, axis.spectrum, axis.hvlCm, "B_SPCTL.dat"},
      {"zero axis HVL", good, axis.spectrum, 0.0f, "half-value layer"},
      {"not-a-number axis HVL", good, axis.spectrum, std::nanf(""), "half-value layer"},
  };
  cases[3].spectrum.photonFluenceSum = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto fast = std::make_unique<FieldResult>();
    fast->grid[0][1][1] = 42.0f;
    try {
      ComputeField(table, c.params, c.spectrum, c.hvl, *fast);
      ADD_FAILURE() << "not refused";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(fast->grid[0][1][1], 42.0f);  // refused before any computing
    auto plain = std::make_unique<FieldResult>();
    EXPECT_THROW(plain::ComputeField(table, c.params, c.spectrum, c.hvl, *plain), std::runtime_error);
  }
  EXPECT_NO_THROW(CheckConditions(test::Conditions(150, 8.6f, 0, 0, 0)));
}

TEST(ComputeField, PointsWithoutHalfValueLayerAreRefused) {
  // No aluminium attenuation above 10 keV: no point is ever halved.
  AttenuationTable table = test::CommittedTable();
  for (int i = 21; i <= kBins; ++i) table.muAl[i] = 0.0f;
  const RunParameters p = test::Conditions(60, 16, 0.25f, 0.1f, 0);
  const test::Axis axis = test::AxisFromEngineModel(table, test::Conditions(60, 16, 0.25f, 0.1f, 0));
  auto fast = std::make_unique<FieldResult>();
  try {
    ComputeField(table, p, axis.spectrum, 0.3f, *fast);
    ADD_FAILURE() << "not refused";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("grid cell"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace orvane
