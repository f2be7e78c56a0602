// HalfValueLayer: the air-kerma transmission curve through aluminium in 0.01 cm steps and its
// logarithmic interpolation at 50 %. Every named quantity (w, W, p, P, T, the result) is single
// precision, computed in double from single-precision inputs and rounded once where it is stored;
// every sum runs in single precision in order of rising bin.
#include "half_value_layer.h"

#include <algorithm>
#include <cmath>

namespace orvane {

double HvlStepFactor(float muAl) { return std::exp(-static_cast<double>(muAl) * kHvlStepCm); }

float InterpolateHalfValueLayer(float tBefore, float tAt, int k) {
  const double lnBefore = std::log(static_cast<double>(tBefore));
  const double fraction = (std::log(static_cast<double>(kHalfPercent)) - lnBefore) /
                          (std::log(static_cast<double>(tAt)) - lnBefore);
  return static_cast<float>((fraction + (k - 1)) * kHvlStepCm);
}

int BeamAxisUpperBin(const BinArray<float>& relative) {
  for (int j = kBins; j >= 1; --j)
    if (relative[j] != 0.0f) return j + 1;
  return 0;
}

std::optional<float> HalfValueLayer(const BinArray<float>& q, int m, const AttenuationTable& table,
                                    HvlFault* fault) {
  HvlFault ignored;
  HvlFault& why = fault ? *fault : ignored;
  why = HvlFault::kNone;
  m = std::min(m, kBins);
  BinArray<float> p{};  // p(11..20) are 0 and stay 0
  float weightSum = 0;  // W
  for (int i = kFirstWeightBin; i <= m; ++i) {
    const float w = static_cast<float>(static_cast<double>(table.muEnAir[i]) * q[i] * i * 0.5);
    weightSum += w;
    p[i] = w;
  }
  float startSum = 0;  // P
  for (int i = kFirstTransmissionBin; i <= m; ++i) {
    p[i] = static_cast<float>(static_cast<double>(p[i]) / weightSum);
    startSum += p[i];
  }
  if (!(weightSum > 0 && std::isfinite(weightSum) && startSum > 0 && std::isfinite(startSum))) {
    why = HvlFault::kNoWeight;
    return std::nullopt;
  }

  BinArray<double> factor{};
  for (int i = kFirstTransmissionBin; i <= m; ++i) factor[i] = HvlStepFactor(table.muAl[i]);

  // Only the steps up to the first T(k) < 50 (k >= 2) enter the result.
  float before = 0;
  for (int k = 1; k <= kHvlMaxSteps; ++k) {
    float sum = 0;
    for (int i = kFirstTransmissionBin; i <= m; ++i) {
      p[i] = static_cast<float>(p[i] * factor[i]);
      sum += p[i];
    }
    const float t = static_cast<float>(static_cast<double>(sum) / startSum * kPercentScale);
    if (k >= 2 && t < kHalfPercent) {
      const float hvl = InterpolateHalfValueLayer(before, t, k);
      if (!std::isfinite(hvl)) break;
      return hvl;
    }
    before = t;
  }
  why = HvlFault::kNotHalved;
  return std::nullopt;
}

}  // namespace orvane
