#pragma once
// The plain field calculation: the model's loops exactly as written (every exponential recomputed,
// 300 transmission steps at every point, scalar). It is the yardstick of the fast ComputeField, which
// must give the same bits, and of its speed (benchmarks/).
#include <optional>

#include "attenuation_table.h"
#include "beam_spectrum.h"
#include "bins.h"
#include "field_result.h"
#include "run_parameters.h"

namespace orvane::plain {

// EmittedSpectrum e(1..300) leaving the target toward the column at xCm.
void EmittedSpectrum(const AttenuationTable& table, const RunParameters& params, float xCm,
                     BinArray<float>& e);

// HalfValueLayer with the full 300-step curve and exp(-MuAl*0.01) recomputed at every step; beyond
// 300 steps and on faults it behaves as orvane::HalfValueLayer.
std::optional<float> HalfValueLayer(const BinArray<float>& q, int m, const AttenuationTable& table);

// The four values of one grid point from its column's emitted spectrum.
struct PointValues {
  float photonFluence = 0, energyFluence = 0, airKerma = 0;  // Phi, Psi, K (not yet relative)
  std::optional<float> hvlCm;                                // nullopt: no weight or no HVL
  bool noPhotons = false;                                    // peak 0: nothing reaches the point
};
PointValues PointQuantities(const AttenuationTable& table, const RunParameters& params,
                            const BinArray<float>& e, float xCm, float yCm);

// The whole field, with the same checks and refusals as orvane::ComputeField.
void ComputeField(const AttenuationTable& table, const RunParameters& params, const BeamSpectrum& axis,
                  float axisHvlCm, FieldResult& result);

}  // namespace orvane::plain
