#pragma once
// Inputs for whole-field runs of the engine without the front end: the committed attenuation table
// and a beam-axis spectrum built from the engine's own emitted spectrum of column 76.
#include <algorithm>
#include <cmath>
#include <string>

#include "attenuation_table.h"
#include "beam_spectrum.h"
#include "field_calculation.h"
#include "half_value_layer.h"
#include "plain_field_calculation.h"
#include "run_parameters.h"

namespace orvane::test {

inline AttenuationTable CommittedTable() {
  return ReadAttenuationTableFixed(std::string(ORVANE_SOURCE_DIR) + "/data/MUs-OV.dat");
}

inline RunParameters Conditions(float kv, float angleDegrees, float inherentCm, float addedAlCm,
                                float addedCuCm) {
  RunParameters p;
  p.tubeVoltage = kv;
  p.targetAngle = angleDegrees;
  p.inherentFilter = inherentCm;
  p.addedAl = addedAlCm;
  p.addedCu = addedCuCm;
  return p;
}

// The beam-axis spectrum as the front end would write it, but from the engine's model: the photon
// spectrum at the centre cell (X = 0, Y = 0) from the emitted spectrum of column 76; its three sums are
// the references; the relative values are rounded to five decimals as "B_SPCTL.dat" holds them.
// Returns the axis and its half-value layer (cm).
struct Axis {
  BeamSpectrum spectrum;
  float hvlCm = 0;
};
inline Axis AxisFromEngineModel(const AttenuationTable& table, const RunParameters& params) {
  BinArray<float> e{};
  plain::EmittedSpectrum(table, params, 0.0f, e);
  Axis axis;
  const plain::PointValues centre = plain::PointQuantities(table, params, e, 0.0f, 0.0f);
  axis.spectrum.photonFluenceSum = centre.photonFluence;
  axis.spectrum.energyFluenceSum = centre.energyFluence;
  axis.spectrum.airKermaSum = centre.airKerma;
  // The photon spectrum itself: R = Q = 1 at the centre.
  float peak = 0;
  BinArray<double> q{};
  const int m = 2 * static_cast<int>(std::floor(params.tubeVoltage));
  for (int i = 2; i <= m; ++i) {
    q[i] = std::exp(-(params.addedAl + static_cast<double>(params.inherentFilter)) * table.muAl[i]) *
           std::exp(-static_cast<double>(table.muCu[i]) * params.addedCu) * e[i] / (0.5 * i);
    if (q[i] > peak) peak = static_cast<float>(q[i]);
  }
  axis.spectrum.peak = peak;
  for (int i = 2; i <= m; ++i)
    axis.spectrum.relative[i] = static_cast<float>(std::round(q[i] / peak * 1e5) / 1e5);
  const int n = std::min(BeamAxisUpperBin(axis.spectrum.relative), kBins);
  axis.hvlCm = HalfValueLayer(axis.spectrum.relative, n, table).value_or(0.0f);
  return axis;
}

}  // namespace orvane::test
