#include "beam_axis_summary.h"

#include "number_text.h"
#include "text_file.h"

namespace orvane {
namespace fmt = beam_axis_format;

std::string FormatBeamAxisSummary(const BinArray<float>& relative, float peak, float axisHvlCm) {
  std::string text;
  for (int i = 1; i <= kBins; ++i) {
    text += FormatFixed(BinEnergyKeV(i), fmt::kEnergyWidth, fmt::kEnergyDecimals);
    text += fmt::kSeparator;
    text += FormatFixed(relative[i], fmt::kValueWidth, fmt::kValueDecimals);
    text += kLineEnd;
  }
  text += FormatExponent(peak, fmt::kPeakWidth, fmt::kPeakDigits) + std::string(kLineEnd);
  // The HVL in mm is the single-precision value in cm times 10, rounded to single precision once more.
  const float axisHvlMm = static_cast<float>(static_cast<double>(axisHvlCm) * fmt::kCmToMm);
  text += FormatFixed(axisHvlMm, fmt::kHvlWidth, fmt::kHvlDecimals) + std::string(kLineEnd);
  return text;
}

void WriteBeamAxisSummary(const std::string& path, const BinArray<float>& relative, float peak,
                          float axisHvlCm) {
  WriteFileAtomically(path, FormatBeamAxisSummary(relative, peak, axisHvlCm));
}

BeamAxisSummary ReadBeamAxisSummary(const std::string& path) {
  FreeFormReader reader(path);
  BeamAxisSummary summary;
  for (int i = 1; i <= kBins; ++i) {
    reader.Next("the energy of a spectrum row");
    summary.relative[i] = reader.Next("the spectrum value of a row");
  }
  summary.peak = reader.Next("the peak value");
  summary.axisHvlMm = reader.Next("the beam-axis half-value layer (mm)");
  return summary;
}

}  // namespace orvane
