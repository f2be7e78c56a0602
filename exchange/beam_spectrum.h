#pragma once
// "B_SPCTL.dat": 300 rows "0000.5, 0.12345", then the peak and the three axis sums, one per line
// in the pattern "0.0000E+00".
#include <string>

#include "bins.h"

namespace orvane {

inline constexpr const char* kBeamSpectrumFile = "B_SPCTL.dat";

namespace beam_spectrum_format {
inline constexpr const char* kEnergyPattern = "0000.0";             // columns 1-6
inline constexpr const char* kSeparator = ", ";                     // columns 7-8
inline constexpr const char* kValuePattern = "0.00000";             // columns 9-15
inline constexpr const char* kSumPattern = "0.0000E+00";            // lines 301-304
inline constexpr int kEnergyColumns = 6;                            // engine reads columns 1-6 (ignored),
inline constexpr int kValueFirstColumn = 8, kValueLastColumn = 15;  // 7 (ignored), 8-15 the value
}  // namespace beam_spectrum_format

struct BeamSpectrum {
  BinArray<float> relative{};  // photon fluence per bin over the peak, as read (five decimals)
  float peak = 0;              // largest unnormalised photon-fluence value
  float photonFluenceSum = 0;  // the three AxisTerms
  float energyFluenceSum = 0;
  float airKermaSum = 0;
};

// Engine: lines 1-300 fixed-column, then four free-form lines.
BeamSpectrum ReadBeamSpectrum(const std::string& path);

// Front end: writes the relative values (q/peak), the peak and the three sums.
void WriteBeamSpectrum(const std::string& path, const BinArray<double>& relative, double peak,
                       double photonFluenceSum, double energyFluenceSum, double airKermaSum);
std::string FormatBeamSpectrum(const BinArray<double>& relative, double peak, double photonFluenceSum,
                               double energyFluenceSum, double airKermaSum);

}  // namespace orvane
