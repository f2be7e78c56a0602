#pragma once
// Refusals of the field calculation: inputs outside the model and points without a half-value layer.
#include "beam_spectrum.h"
#include "field_result.h"
#include "run_parameters.h"

namespace orvane {

// Throws std::runtime_error when a beam-axis sum is zero or not finite, or the beam-axis HVL is zero
// or not finite: the field is given relative to these, and "Result.dat" must hold finite numbers.
void CheckReferences(const BeamSpectrum& axis, float axisHvlCm);

// Refuses conditions and references as above, then sets the four reference values of `result`:
// the three beam-axis sums and the beam-axis HVL (cm).
void StartFieldResult(const RunParameters& params, const BeamSpectrum& axis, float axisHvlCm,
                      FieldResult& result);

// Why a grid point has no half-value layer.
enum class PointFault { kNoWeight, kNoHalfValueLayer };
[[noreturn]] void ThrowPointFault(PointFault fault, int ix, int iy);

// Throws when a grid value is not finite (e.g. a filter thickness so negative that the spectrum overflows).
[[noreturn]] void ThrowNotFinite(int block, int ix, int iy);

}  // namespace orvane
