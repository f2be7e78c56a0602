#pragma once
// "Beam_Axis.dat": 300 rows "   0.5   0.12345", the peak (" 0.1235E+05") and the axis HVL in mm (" 2.951").
#include <string>

#include "bins.h"

namespace orvane {

inline constexpr const char* kBeamAxisSummaryFile = "Beam_Axis.dat";

namespace beam_axis_format {
inline constexpr int kEnergyWidth = 6, kEnergyDecimals = 1;
inline constexpr const char* kSeparator = "  ";
inline constexpr int kValueWidth = 8, kValueDecimals = 5;
inline constexpr int kPeakWidth = 11, kPeakDigits = 4;
inline constexpr int kHvlWidth = 6, kHvlDecimals = 3;
inline constexpr double kCmToMm = 10.0;
}  // namespace beam_axis_format

// Engine: relative values and peak as read from "B_SPCTL.dat", axis HVL in cm (written in mm).
void WriteBeamAxisSummary(const std::string& path, const BinArray<float>& relative, float peak,
                          float axisHvlCm);
std::string FormatBeamAxisSummary(const BinArray<float>& relative, float peak, float axisHvlCm);

struct BeamAxisSummary {
  BinArray<double> relative{};
  double peak = 0;
  double axisHvlMm = 0;
};
// Front end: free-form, 300 pairs, then peak and HVL.
BeamAxisSummary ReadBeamAxisSummary(const std::string& path);

}  // namespace orvane
