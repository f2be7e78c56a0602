#pragma once
// Air-kerma half-value layer in aluminium of a spectrum, in single precision throughout.
#include <optional>

#include "attenuation_table.h"
#include "bins.h"

namespace orvane {

// The transmission curve: steps of 0.01 cm of aluminium; the weights start at bin 11 (air kerma W)
// and bin 21 (transmission, energies above 10 keV); the search looks for the first T(k) below 50 %.
inline constexpr double kHvlStepCm = 0.01;
inline constexpr int kFirstWeightBin = 11;
inline constexpr int kFirstTransmissionBin = 21;
inline constexpr float kHalfPercent = 50.0f;
inline constexpr double kPercentScale = 100.0;
inline constexpr int kHvlCurveSteps = 300;  // 3.00 cm: the curve as tabulated
// Beyond 3.00 cm the curve is stepped on until it falls below 50 %, up to this many steps (100 cm of
// aluminium, far beyond any X-ray beam: even 150 keV photons have an HVL of 1.9 cm, NIST XCOM).
inline constexpr int kHvlMaxSteps = 10000;

// Factor exp(-MuAl*0.01) by which a weight is multiplied at every step; kept in double precision.
double HvlStepFactor(float muAl);

// Logarithmic interpolation between T(k-1) and T(k) (percent) at 50 %, in cm, rounded once to float.
float InterpolateHalfValueLayer(float tBefore, float tAt, int k);

// Upper bin n of the beam-axis spectrum: one above the highest non-zero bin (0 when all are zero).
// n is 301 when bin 300 is non-zero; HalfValueLayer treats any m above 300 as 300.
int BeamAxisUpperBin(const BinArray<float>& relative);

// Why HalfValueLayer found no result.
enum class HvlFault {
  kNone,
  kNoWeight,   // no air-kerma weight above 10 keV: W or P zero or not finite
  kNotHalved,  // the curve does not fall below 50 % within kHvlMaxSteps steps (or gives no finite HVL)
};

// HalfValueLayer(q, m) in cm of aluminium from bins 11..m of q (m is capped at 300). nullopt when the
// spectrum has no air-kerma weight above 10 keV (W or P zero or not finite), or when the curve does
// not fall below 50 % within kHvlMaxSteps steps; `fault`, when given, says which. Beyond 300 steps the
// curve is stepped on, so every result that the 300-step curve defines is unchanged.
std::optional<float> HalfValueLayer(const BinArray<float>& q, int m, const AttenuationTable& table,
                                    HvlFault* fault = nullptr);

}  // namespace orvane
