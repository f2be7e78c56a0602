#pragma once
// Builds the attenuation table "MUs-OV.dat" from xraylib (tungsten, aluminium, copper) and the NIST
// mass energy-absorption coefficients of dry air.
#include <string>

#include "attenuation_table.h"

namespace orvane {

inline constexpr double kTungstenDensity = 19.3;    // g/cm3
inline constexpr double kAluminiumDensity = 2.699;  // g/cm3
inline constexpr double kCopperDensity = 8.96;      // g/cm3

// mu_en/rho of air (cm2/g) at `energyKeV`, log-log interpolated in the NIST table at `nistAirPath`;
// below the first row it is extrapolated from the first two rows. Throws FileError on a bad table.
class AirEnergyAbsorption {
 public:
  explicit AirEnergyAbsorption(const std::string& nistAirPath);
  double At(double energyKeV) const;

 private:
  static constexpr int kMaxRows = 64;
  double energyKeV_[kMaxRows]{}, muEn_[kMaxRows]{};
  int rows_ = 0;
};

// The full table: linear coefficients (1/cm, coherent scattering included) from xraylib's CS_Total,
// and the air column from the NIST table.
AttenuationTableOf<double> GenerateAttenuationTable(const std::string& nistAirPath);

}  // namespace orvane
