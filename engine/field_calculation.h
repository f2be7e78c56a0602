#pragma once
// The field calculation: the emitted spectrum of each of the 151 columns and the four relative
// quantities at each of its 76 points.
#include <array>

#include "attenuation_table.h"
#include "beam_spectrum.h"
#include "field_result.h"
#include "run_parameters.h"

namespace orvane {

// Throws std::runtime_error with a clear message when the conditions lie outside what the model
// assumes (target angle at or below 8.53 degrees, i.e. tan(theta) <= 0.15, or more than 150 kV).
// The run calls it before any output file is touched; ComputeField calls it too.
void CheckConditions(const RunParameters& params);

// Fills result.grid[0..3] (photon fluence, energy fluence, air kerma, HVL, each relative to the beam
// axis) and result.reference[0..3] (the three axis sums, then axisHvlCm).
// Throws std::runtime_error with a clear message when the conditions lie outside the model.
void ComputeField(const AttenuationTable& table, const RunParameters& params, const BeamSpectrum& axis,
                  float axisHvlCm, FieldResult& result);

// The emitted spectra of all 151 columns (index 1..151), K lines included, as ComputeField uses them.
void ComputeEmittedSpectra(const AttenuationTable& table, const RunParameters& params,
                           std::array<BinArray<float>, kGridX + 1>& emitted);

namespace kernels {
struct KernelSet;
}
// ComputeField with a chosen kernel set (tests and benchmarks compare the instruction sets).
void ComputeFieldWith(const kernels::KernelSet& kernels, const AttenuationTable& table,
                      const RunParameters& params, const BeamSpectrum& axis, float axisHvlCm,
                      FieldResult& result);

}  // namespace orvane
