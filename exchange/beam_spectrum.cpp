#include "beam_spectrum.h"

#include "file_error.h"
#include "number_text.h"
#include "text_file.h"

namespace orvane {
namespace fmt = beam_spectrum_format;

namespace {

// The first number of a line; the rest of the line is ignored.
float FirstNumberOf(const std::vector<std::string>& lines, int lineNumber, const std::string& name,
                    const std::string& what) {
  if (lineNumber > static_cast<int>(lines.size()))
    throw FileError(name, lineNumber, "the file ends where " + what + " was expected");
  const std::string& line = lines[lineNumber - 1];
  const size_t start = line.find_first_not_of(" \t");
  const size_t end = start == std::string::npos ? start : line.find_first_of(" \t,", start);
  const std::string field = start == std::string::npos ? "" : line.substr(start, end - start);
  const auto value = ParseNumberFloat(field);
  if (!value) throw FileError(name, lineNumber, "expected " + what + ", found '" + field + "'");
  return *value;
}

}  // namespace

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
  spectrum.peak = FirstNumberOf(lines, kBins + 1, name, "the peak value");
  spectrum.photonFluenceSum = FirstNumberOf(lines, kBins + 2, name, "the photon-fluence sum");
  spectrum.energyFluenceSum = FirstNumberOf(lines, kBins + 3, name, "the energy-fluence sum");
  spectrum.airKermaSum = FirstNumberOf(lines, kBins + 4, name, "the air-kerma sum");
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
  WriteFileAtomically(path, FormatBeamSpectrum(relative, peak, photonFluenceSum, energyFluenceSum, airKermaSum));
}

}  // namespace orvane
