#pragma once
// Air-kerma half-value layer in aluminium of a spectrum, in single precision throughout.
#include <optional>

#include "attenuation_table.h"
#include "bins.h"

namespace orvane {

// Upper bin n of the beam-axis spectrum: one above the highest non-zero bin (0 when all are zero).
int BeamAxisUpperBin(const BinArray<float>& relative);

// HalfValueLayer(q, m) in cm of aluminium from bins 11..m of q. nullopt when the spectrum has no
// air-kerma weight above 10 keV, or when no half-value layer is reached within the bounded search.
std::optional<float> HalfValueLayer(const BinArray<float>& q, int m, const AttenuationTable& table);

}  // namespace orvane
