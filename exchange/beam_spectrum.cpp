#include "beam_spectrum.h"

#include "file_error.h"
#include "number_text.h"
#include "text_file.h"

namespace orvane {
namespace fmt = beam_spectrum_format;

BeamSpectrum ReadBeamSpectrum(const std::string& path) {
  const std::vector<std::string> lines = ReadLines(path);
  const std::string name = FileNameOf(path);
  BeamSpectrum spectrum;
  for (int i = 1; i <= kBins; ++i) {
    if (i > static_cast<int>(lines.size()))
      throw FileError(name, i, "the file ends where spectrum row " + std::to_string(i) + " was expected");
    const std::string& line = lines[i - 1];
    const std::string energy = line.substr(0, fmt::kEnergyColumns);
    const std::string value =
        line.size() >= fmt::kValueFirstColumn
            ? line.substr(fmt::kValueFirstColumn - 1, fmt::kValueLastColumn - fmt::kValueFirstColumn + 1)
            : "";
    const auto parsedValue = ParseNumberFloat(value);
    if (!ParseNumberFloat(energy) || !parsedValue)
      throw FileError(name, i, "expected 'energy, value' in columns 1-15, found '" + line + "'");
    spectrum.relative[i] = *parsedValue;
  }
  spectrum.peak = FirstNumberOfLine(lines, kBins + 1, name, "the peak value");
  spectrum.photonFluenceSum = FirstNumberOfLine(lines, kBins + 2, name, "the photon-fluence sum");
  spectrum.energyFluenceSum = FirstNumberOfLine(lines, kBins + 3, name, "the energy-fluence sum");
  spectrum.airKermaSum = FirstNumberOfLine(lines, kBins + 4, name, "the air-kerma sum");
  return spectrum;
}

std::string FormatBeamSpectrum(const BinArray<double>& relative, double peak, double photonFluenceSum,
                               double energyFluenceSum, double airKermaSum) {
  std::string text;
  for (int i = 1; i <= kBins; ++i) {
    text += FormatPattern(BinEnergyKeV(i), fmt::kEnergyPattern);
    text += fmt::kSeparator;
    text += FormatPattern(relative[i], fmt::kValuePattern);
    text += kLineEnd;
  }
  for (double value : {peak, photonFluenceSum, energyFluenceSum, airKermaSum}) {
    text += FormatPattern(value, fmt::kSumPattern);
    text += kLineEnd;
  }
  return text;
}

void WriteBeamSpectrum(const std::string& path, const BinArray<double>& relative, double peak,
                       double photonFluenceSum, double energyFluenceSum, double airKermaSum) {
  WriteFileAtomically(path,
                      FormatBeamSpectrum(relative, peak, photonFluenceSum, energyFluenceSum, airKermaSum));
}

}  // namespace orvane
