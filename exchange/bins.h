#pragma once
// Energy bins and field grid sizes shared by every exchange file and both programs.
#include <array>

namespace orvane {

inline constexpr int kBins = 300;  // bin i is photon energy 0.5*i keV, i = 1..300
inline constexpr double kBinWidthKeV = 0.5;
inline constexpr int kGridX = 151;  // columns along the anode-cathode axis, X = -15..15 cm
inline constexpr int kGridY = 76;   // rows across it, Y = 0..15 cm

// Spectral array indexed by bin number; element 0 exists and is never used.
template <typename Real>
using BinArray = std::array<Real, kBins + 1>;

// Field grid indexed [ix][iy] with ix = 1..151, iy = 1..76; index 0 is never used.
template <typename Real>
using FieldGridOf = std::array<std::array<Real, kGridY + 1>, kGridX + 1>;

constexpr double BinEnergyKeV(int bin) { return kBinWidthKeV * bin; }

// Column and row positions in cm in the plane 100 cm from the focus.
constexpr double ColumnXCm(int ix) { return -15.0 + 0.2 * (ix - 1); }
constexpr double RowYCm(int iy) { return 0.2 * (iy - 1); }

}  // namespace orvane
