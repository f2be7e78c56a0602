// The literal field calculation. Every quantity the model names is single precision, computed in
// double from single-precision inputs and rounded once where it is stored; every sum is a
// single-precision running sum in the model's order (rising T, rising bin).
#include "plain_field_calculation.h"

#include <cmath>

#include "field_calculation.h"
#include "field_checks.h"
#include "field_positions.h"
#include "half_value_layer.h"
#include "tucker_model.h"

namespace orvane::plain {

namespace tucker = physics;

void EmittedSpectrum(const AttenuationTable& table, const RunParameters& params, float xCm,
                     BinArray<float>& e) {
  const double kv = params.tubeVoltage;
  const float phi = static_cast<float>(tucker::EmissionAngle(xCm));
  const float theta = static_cast<float>(tucker::DegreesToRadians(params.targetAngle));
  const float g = static_cast<float>(tucker::PathFactor(phi, theta));
  const float c = static_cast<float>(tucker::ThomsonWhiddingtonConstant(kv));
  const float k = static_cast<float>(tucker::KLineShare(kv));
  const int m = EngineLastBin(params.tubeVoltage);

  e.fill(0.0f);
  for (int i = 2; i <= m; ++i) {
    const float energy = static_cast<float>(0.5 * i);
    float sum = 0;
    for (double t = energy; t <= kv; t += tucker::kElectronStepKeV) {
      const float u = static_cast<float>(energy / t);
      const float b = static_cast<float>(tucker::ShapeFactor(u, kv));
      const float f = static_cast<float>(tucker::EnergyLossFactor(t));
      const float d = static_cast<float>(tucker::ElectronDepthCm(kv, t, c));
      const float term = static_cast<float>(tucker::BremsstrahlungTerm(t, b, f, table.muTarget[i], d, g));
      sum += term;
    }
    e[i] = sum;
  }
  if (kv > tucker::kKLineThresholdKv) {
    float s = 0;
    for (int i = 2; i <= m; ++i) s += e[i];
    const float lineTotal = static_cast<float>(static_cast<double>(s) * k * tucker::kPercent);
    for (const tucker::KLine& line : tucker::kKLines)
      e[line.bin] = static_cast<float>(e[line.bin] + line.fraction * lineTotal);
  }
}

std::optional<float> HalfValueLayer(const BinArray<float>& q, int m, const AttenuationTable& table) {
  if (m > kBins) m = kBins;
  BinArray<float> w{}, p{};
  float weightSum = 0;
  for (int i = kFirstWeightBin; i <= m; ++i) {
    w[i] = static_cast<float>(static_cast<double>(table.muEnAir[i]) * q[i] * i * 0.5);
    weightSum += w[i];
  }
  float startSum = 0;
  for (int i = kFirstTransmissionBin; i <= m; ++i) {
    p[i] = static_cast<float>(static_cast<double>(w[i]) / weightSum);
    startSum += p[i];
  }
  if (!(weightSum > 0 && std::isfinite(weightSum) && startSum > 0 && std::isfinite(startSum)))
    return std::nullopt;

  // The curve T(1..300), every exponential recomputed.
  float curve[kHvlCurveSteps + 1] = {};
  for (int k = 1; k <= kHvlCurveSteps; ++k) {
    float sum = 0;
    for (int i = kFirstWeightBin; i <= m; ++i) {
      p[i] = static_cast<float>(p[i] * std::exp(-static_cast<double>(table.muAl[i]) * kHvlStepCm));
      sum += p[i];
    }
    curve[k] = static_cast<float>(static_cast<double>(sum) / startSum * kPercentScale);
  }
  for (int k = 2; k <= kHvlCurveSteps; ++k) {
    if (curve[k] < kHalfPercent) {
      const float hvl = InterpolateHalfValueLayer(curve[k - 1], curve[k], k);
      if (!std::isfinite(hvl)) return std::nullopt;
      return hvl;
    }
  }
  // Beyond 3.00 cm: step on.
  float before = curve[kHvlCurveSteps];
  for (int k = kHvlCurveSteps + 1; k <= kHvlMaxSteps; ++k) {
    float sum = 0;
    for (int i = kFirstWeightBin; i <= m; ++i) {
      p[i] = static_cast<float>(p[i] * std::exp(-static_cast<double>(table.muAl[i]) * kHvlStepCm));
      sum += p[i];
    }
    const float t = static_cast<float>(static_cast<double>(sum) / startSum * kPercentScale);
    if (t < kHalfPercent) {
      const float hvl = InterpolateHalfValueLayer(before, t, k);
      if (!std::isfinite(hvl)) return std::nullopt;
      return hvl;
    }
    before = t;
  }
  return std::nullopt;
}

PointValues PointQuantities(const AttenuationTable& table, const RunParameters& params,
                            const BinArray<float>& e, float xCm, float yCm) {
  const int m = EngineLastBin(params.tubeVoltage);
  const float r = static_cast<float>(tucker::DistanceRatio(xCm, yCm));
  const float qFactor = static_cast<float>(tucker::InverseSquareFactor(xCm, yCm));

  BinArray<float> q{};
  for (int i = 2; i <= m; ++i) {
    const float energy = static_cast<float>(0.5 * i);
    q[i] = static_cast<float>(
        std::exp(tucker::AluminiumFilterExponent(params.addedAl, r, params.inherentFilter, table.muAl[i])) *
        std::exp(tucker::CopperFilterExponent(table.muCu[i], r, params.addedCu)) * e[i] / energy * qFactor);
  }
  PointValues v;
  float peak = 0;
  for (int i = 2; i <= m; ++i) {
    const float energy = static_cast<float>(0.5 * i);
    if (q[i] > peak) peak = q[i];
    v.photonFluence += q[i];
    v.energyFluence = static_cast<float>(v.energyFluence + static_cast<double>(energy) * q[i]);
    v.airKerma = static_cast<float>(v.airKerma + static_cast<double>(table.muEnAir[i]) * q[i] * energy);
  }
  if (!(peak > 0)) {
    v.noPhotons = true;
    return v;
  }
  for (int i = 2; i <= m; ++i) q[i] = static_cast<float>(static_cast<double>(q[i]) / peak);
  v.hvlCm = plain::HalfValueLayer(q, m, table);
  return v;
}

void ComputeField(const AttenuationTable& table, const RunParameters& params, const BeamSpectrum& axis,
                  float axisHvlCm, FieldResult& result) {
  StartFieldResult(params, axis, axisHvlCm, result);
  BinArray<float> e{};
  for (int ix = 1; ix <= kGridX; ++ix) {
    const float x = ColumnX(ix);
    EmittedSpectrum(table, params, x, e);
    for (int iy = 1; iy <= kGridY; ++iy) {
      const PointValues v = PointQuantities(table, params, e, x, RowY(iy));
      if (v.noPhotons) ThrowPointFault(PointFault::kNoWeight, ix, iy);
      if (!v.hvlCm) ThrowPointFault(PointFault::kNoHalfValueLayer, ix, iy);
      const float values[] = {v.photonFluence, v.energyFluence, v.airKerma, *v.hvlCm};
      for (int block = 0; block < 4; ++block) {
        const float cell = static_cast<float>(static_cast<double>(values[block]) / result.reference[block]);
        if (!std::isfinite(cell)) ThrowNotFinite(block, ix, iy);
        result.grid[block][ix][iy] = cell;
      }
    }
  }
}

}  // namespace orvane::plain
