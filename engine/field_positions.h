#pragma once
// The engine's grid positions and bin range, in its single-precision reading of the model.
#include <cmath>

#include "bins.h"

namespace orvane {

// X of column ix and Y of row iy (cm) as tables of decimal values: -15.0, -14.8, ... 15.0 and
// 0.0, 0.2, ... 15.0, each the float nearest to the decimal (a float division of exact integers).
inline float ColumnX(int ix) { return static_cast<float>(2 * (ix - (kGridX + 1) / 2)) / 10.0f; }
inline float RowY(int iy) { return static_cast<float>(2 * (iy - 1)) / 10.0f; }

// Highest bin m = 2*floor(V) of the emitted spectrum (100.0 and 100.7 kV both give 200).
inline int EngineLastBin(float kv) { return 2 * static_cast<int>(std::floor(kv)); }

}  // namespace orvane
