#include "attenuation_generator.h"

#include <xraylib.h>

#include <cmath>
#include <stdexcept>

#include "file_error.h"
#include "number_text.h"
#include "text_file.h"

namespace orvane {
namespace {

constexpr int kTungsten = 74, kAluminium = 13, kCopper = 29;

double MassAttenuation(int z, double energyKeV) {
  xrl_error* error = nullptr;
  const double value = CS_Total(z, energyKeV, &error);
  if (error != nullptr) {
    const std::string message = error->message;
    xrl_error_free(error);
    throw std::runtime_error("xraylib CS_Total(" + std::to_string(z) + "): " + message);
  }
  return value;
}

double LogLog(double x, double x0, double y0, double x1, double y1) {
  const double t = (std::log(x) - std::log(x0)) / (std::log(x1) - std::log(x0));
  return std::exp(std::log(y0) + t * (std::log(y1) - std::log(y0)));
}

}  // namespace

AirEnergyAbsorption::AirEnergyAbsorption(const std::string& nistAirPath) {
  const std::vector<std::string> lines = ReadLines(nistAirPath);
  const std::string name = FileNameOf(nistAirPath);
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    if (line.empty() || line[0] == '#') continue;
    const size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
    const auto energy = ParseNumber(line.substr(0, tab1));
    const auto muEn = tab2 == std::string::npos ? std::nullopt : ParseNumber(line.substr(tab2 + 1));
    if (!energy || !muEn || rows_ == kMaxRows)
      throw FileError(name, static_cast<int>(n) + 1, "expected energy, mu/rho and mu_en/rho");
    energyKeV_[rows_] = *energy;
    muEn_[rows_] = *muEn;
    ++rows_;
  }
  if (rows_ < 2) throw FileError(name + ": expected at least two rows");
}

double AirEnergyAbsorption::At(double energyKeV) const {
  int upper = 1;
  while (upper < rows_ - 1 && energyKeV_[upper] < energyKeV) ++upper;
  return LogLog(energyKeV, energyKeV_[upper - 1], muEn_[upper - 1], energyKeV_[upper], muEn_[upper]);
}

AttenuationTableOf<double> GenerateAttenuationTable(const std::string& nistAirPath) {
  const AirEnergyAbsorption air(nistAirPath);
  AttenuationTableOf<double> table;
  for (int i = 1; i <= kBins; ++i) {
    const double e = BinEnergyKeV(i);
    table.muTarget[i] = MassAttenuation(kTungsten, e) * kTungstenDensity;
    table.muAl[i] = MassAttenuation(kAluminium, e) * kAluminiumDensity;
    table.muCu[i] = MassAttenuation(kCopper, e) * kCopperDensity;
    table.muEnAir[i] = air.At(e);
  }
  return table;
}

}  // namespace orvane
