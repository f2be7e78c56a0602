#include "run_parameters.h"

#include "file_error.h"
#include "number_text.h"
#include "text_file.h"

namespace orvane {
namespace fmt = run_parameters_format;

namespace {
constexpr const char* kFieldNames[] = {"the tube voltage (kV)", "the target angle (degrees)",
                                       "the inherent filtration (cm Al)", "the added aluminium (cm)",
                                       "the added copper (cm)"};
}

RunParameters ReadRunParameters(const std::string& path) {
  const std::vector<std::string> lines = ReadLines(path);
  const std::string name = FileNameOf(path);
  float values[5];
  for (int line = 1; line <= 5; ++line)
    values[line - 1] = FirstNumberOfLine(lines, line, name, kFieldNames[line - 1]);
  return {values[0], values[1], values[2], values[3], values[4]};
}

RunParametersOf<double> ReadRunParametersFree(const std::string& path) {
  FreeFormReader reader(path);
  RunParametersOf<double> p;
  p.tubeVoltage = reader.Next(kFieldNames[0]);
  p.targetAngle = reader.Next(kFieldNames[1]);
  p.inherentFilter = reader.Next(kFieldNames[2]);
  p.addedAl = reader.Next(kFieldNames[3]);
  p.addedCu = reader.Next(kFieldNames[4]);
  return p;
}

std::string FormatRunParameters(const RunParametersOf<double>& p) {
  std::string text;
  text += FormatPattern(p.tubeVoltage, fmt::kVoltagePattern) + std::string(kLineEnd);
  text += FormatPattern(p.targetAngle, fmt::kAnglePattern) + std::string(kLineEnd);
  text += FormatPattern(p.inherentFilter, fmt::kAluminiumPattern) + std::string(kLineEnd);
  text += FormatPattern(p.addedAl, fmt::kAluminiumPattern) + std::string(kLineEnd);
  text += FormatPattern(p.addedCu, fmt::kCopperPattern) + std::string(kLineEnd);
  return text;
}

void WriteRunParameters(const std::string& path, const RunParametersOf<double>& p) {
  WriteFileAtomically(path, FormatRunParameters(p));
}

}  // namespace orvane
