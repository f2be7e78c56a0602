#pragma once
// "MUs-OV.dat": 300 rows of energy (keV) and four coefficients, each in fixed columns.
#include <string>

#include "bins.h"

namespace orvane {

inline constexpr const char* kAttenuationTableFile = "MUs-OV.dat";

namespace attenuation_format {
inline constexpr int kEnergyWidth = 6, kEnergyDecimals = 1;  // columns 1-6
inline constexpr int kCoefficientWidth = 13;                 // columns 7-19, 20-32, 33-45, 46-58
inline constexpr int kCoefficientDigits = 5;
inline constexpr int kFirstCoefficientColumn = 7;  // 1-based
}  // namespace attenuation_format

template <typename Real>
struct AttenuationTableOf {
  BinArray<Real> muTarget{};  // tungsten, 1/cm
  BinArray<Real> muAl{};      // aluminium, 1/cm
  BinArray<Real> muCu{};      // copper, 1/cm
  BinArray<Real> muEnAir{};   // air energy absorption, cm2/g; used only as a weight
};
using AttenuationTable = AttenuationTableOf<float>;  // the engine's single-precision table

// Engine: fixed-column read of 300 lines; anything after column 58 and line 300 is ignored.
AttenuationTable ReadAttenuationTableFixed(const std::string& path);
// Front end: free-form read of 1500 numbers, five per row, the energy dropped.
AttenuationTableOf<double> ReadAttenuationTableFree(const std::string& path);
// Generator: the whole file text.
std::string FormatAttenuationTable(const AttenuationTableOf<double>& table);

}  // namespace orvane
