#pragma once
// "B2F.dat": five lines, tube voltage (kV), target angle (degrees) and three thicknesses (cm).
#include <string>

namespace orvane {

inline constexpr const char* kRunParametersFile = "B2F.dat";

namespace run_parameters_format {
inline constexpr const char* kVoltagePattern = "000.0";
inline constexpr const char* kAnglePattern = "00.0";
inline constexpr const char* kAluminiumPattern = "0.000";  // inherent and added Al, cm
inline constexpr const char* kCopperPattern = "0.0000";    // added Cu, cm
inline constexpr double kMmToCm = 0.1;                     // the boxes hold mm, the file cm
}  // namespace run_parameters_format

template <typename Real>
struct RunParametersOf {
  Real tubeVoltage = 0;     // kV
  Real targetAngle = 0;     // degrees
  Real inherentFilter = 0;  // cm Al
  Real addedAl = 0;         // cm
  Real addedCu = 0;         // cm
};
using RunParameters = RunParametersOf<float>;

// Engine: five free-form lines, the first number of each line.
RunParameters ReadRunParameters(const std::string& path);
// Front end: five free-form numbers as doubles.
RunParametersOf<double> ReadRunParametersFree(const std::string& path);
// Front end: thicknesses in cm.
void WriteRunParameters(const std::string& path, const RunParametersOf<double>& p);
std::string FormatRunParameters(const RunParametersOf<double>& p);

}  // namespace orvane
