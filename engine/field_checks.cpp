#include "field_checks.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

#include "field_calculation.h"
#include "field_positions.h"
#include "half_value_layer.h"
#include "tucker_model.h"

namespace orvane {
namespace {

constexpr double kMaxModelKv = 150.0;  // bins reach 150 keV
constexpr double kMinTanTheta = 0.15;  // tan of the outermost emission angle, 15 cm at 100 cm

// Shortest text of a single-precision value, as the engine holds it (messages only).
std::string Number(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string Cell(int ix, int iy) {
  return "grid cell (" + std::to_string(ix) + ", " + std::to_string(iy) + ") at X = " + Number(ColumnX(ix)) +
         " cm, Y = " + Number(RowY(iy)) + " cm";
}

}  // namespace

void CheckConditions(const RunParameters& params) {
  const std::string file = kRunParametersFile;
  if (!std::isfinite(params.tubeVoltage) || params.tubeVoltage > kMaxModelKv || params.tubeVoltage < 1.0f)
    throw std::runtime_error(file + ": a tube voltage of " + Number(params.tubeVoltage) +
                             " kV is outside the model, which needs 1 to 150 kV (the energy bins end at "
                             "150 keV)");
  const float theta = static_cast<float>(physics::DegreesToRadians(params.targetAngle));
  const double tanTheta = std::tan(static_cast<double>(theta));
  if (!std::isfinite(params.targetAngle) || !(tanTheta > kMinTanTheta) || !(params.targetAngle < 90.0f))
    throw std::runtime_error(file + ": a target angle of " + Number(params.targetAngle) +
                             " degrees is outside the model, which needs more than 8.53 and less than 90 "
                             "degrees (tan of the angle above 0.15, so that the outermost columns at X = "
                             "+-15 cm still see the target face)");
  for (int ix = 1; ix <= kGridX; ++ix) {
    const float phi = static_cast<float>(physics::EmissionAngle(ColumnX(ix)));
    const float g = static_cast<float>(physics::PathFactor(phi, theta));
    if (!(g > 0 && std::isfinite(g)))
      throw std::runtime_error(file + ": a target angle of " + Number(params.targetAngle) +
                               " degrees gives no path out of the target toward X = " + Number(ColumnX(ix)) +
                               " cm");
  }
  const float thicknesses[] = {params.inherentFilter, params.addedAl, params.addedCu};
  for (float thicknessCm : thicknesses)
    if (!std::isfinite(thicknessCm)) throw std::runtime_error(file + ": a filter thickness is not a number");
}

void CheckReferences(const BeamSpectrum& axis, float axisHvlCm) {
  const float sums[] = {axis.photonFluenceSum, axis.energyFluenceSum, axis.airKermaSum};
  for (float sum : sums)
    if (!(std::isfinite(sum) && sum != 0.0f))
      throw std::runtime_error(std::string(kBeamSpectrumFile) +
                               ": a beam-axis sum (lines 302 to 304) is zero or not a number, so the field "
                               "cannot be given relative to the beam axis");
  if (!(std::isfinite(axisHvlCm) && axisHvlCm != 0.0f))
    throw std::runtime_error("the beam-axis half-value layer is " + Number(axisHvlCm) +
                             " cm, so the field's half-value layers cannot be given relative to it");
}

void ThrowPointFault(PointFault fault, int ix, int iy) {
  if (fault == PointFault::kNoWeight)
    throw std::runtime_error("the spectrum at " + Cell(ix, iy) +
                             " has no air kerma above 10 keV, so it has no half-value layer");
  throw std::runtime_error("the spectrum at " + Cell(ix, iy) + " is not halved by " +
                           Number(static_cast<float>(kHvlMaxSteps * kHvlStepCm)) + " cm of aluminium");
}

void ThrowNotFinite(int block, int ix, int iy) {
  static const char* const kNames[] = {"photon fluence", "energy fluence", "air kerma", "half-value layer"};
  throw std::runtime_error("the relative " + std::string(kNames[block]) + " at " + Cell(ix, iy) +
                           " is not a finite number; check the filter thicknesses in " + kRunParametersFile);
}

void StartFieldResult(const RunParameters& params, const BeamSpectrum& axis, float axisHvlCm,
                      FieldResult& result) {
  CheckConditions(params);
  CheckReferences(axis, axisHvlCm);
  result.reference[0] = axis.photonFluenceSum;
  result.reference[1] = axis.energyFluenceSum;
  result.reference[2] = axis.airKermaSum;
  result.reference[3] = axisHvlCm;
}

}  // namespace orvane
