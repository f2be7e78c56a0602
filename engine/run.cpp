#include "run.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "attenuation_table.h"
#include "beam_axis_summary.h"
#include "beam_spectrum.h"
#include "field_calculation.h"
#include "field_result.h"
#include "half_value_layer.h"
#include "run_parameters.h"

namespace orvane {
namespace {

// clang-format off
constexpr const char* kStartLines[] = {
    " ",
    " ",
    " ",
    "         ---     計算を開始しました    ---",
    " ",
    "         ---  しばらくお待ちください   ---",
    " ",
};
// clang-format on
constexpr const char* kEndLines[] = {
    "         ---     計算が終了しました    ---",
    " ",
    "         ---    Enter を押して下さい   ---",
};
constexpr const char* kGoodbye = "Stop - Program terminated.";

void CheckReferenceSums(const BeamSpectrum& axis) {
  for (float sum : {axis.photonFluenceSum, axis.energyFluenceSum, axis.airKermaSum})
    if (!(std::isfinite(sum) && sum != 0.0f))
      throw std::runtime_error(std::string(kBeamSpectrumFile) +
                               ": a beam-axis sum (lines 302 to 304) is zero or not a number, so the field "
                               "cannot be given relative to the beam axis");
}

// The beam-axis spectrum gives no AxisHvl: say why (nothing has been written yet).
[[noreturn]] void ThrowAxisHvlFault(int upperBin, HvlFault fault) {
  const std::string file = kBeamSpectrumFile;
  if (upperBin == 0)
    throw std::runtime_error(file +
                             ": every spectrum value (lines 1 to 300) is 0, so the beam axis has no "
                             "half-value layer");
  if (fault == HvlFault::kNoWeight)
    throw std::runtime_error(file +
                             ": the beam-axis spectrum has no air-kerma weight above 10 keV (bins 21 "
                             "to 300), so it has no half-value layer");
  throw std::runtime_error(file + ": the beam-axis spectrum is not halved by " +
                           std::to_string(std::lround(kHvlMaxSteps * kHvlStepCm)) +
                           " cm of aluminium, so it has no half-value layer");
}

// Refuses conditions outside the model before any output is touched, when "B2F.dat" can be read now.
// A missing or damaged file is left to its regular read after "Beam_Axis.dat" has been written.
void CheckConditionsEarly() {
  if (!std::filesystem::exists(kRunParametersFile)) return;
  RunParameters params;
  try {
    params = ReadRunParameters(kRunParametersFile);
  } catch (const std::exception&) {
    return;
  }
  CheckConditions(params);
}

}  // namespace

void RunEngine(std::istream& in, std::ostream& out) {
  for (const char* line : kStartLines) out << line << '\n';
  out.flush();

  const AttenuationTable table = ReadAttenuationTableFixed(kAttenuationTableFile);
  const BeamSpectrum axis = ReadBeamSpectrum(kBeamSpectrumFile);
  CheckReferenceSums(axis);
  CheckConditionsEarly();

  const int upperBin = std::min(BeamAxisUpperBin(axis.relative), kBins);
  HvlFault fault = HvlFault::kNone;
  const std::optional<float> axisHvlCm = HalfValueLayer(axis.relative, upperBin, table, &fault);
  if (!axisHvlCm) ThrowAxisHvlFault(upperBin, fault);
  WriteBeamAxisSummary(kBeamAxisSummaryFile, axis.relative, axis.peak, *axisHvlCm);

  const RunParameters params = ReadRunParameters(kRunParametersFile);
  auto result = std::make_unique<FieldResult>();
  ComputeField(table, params, axis, *axisHvlCm, *result);
  WriteFieldResult(kFieldResultFile, *result);

  for (const char* line : kEndLines) out << line << '\n';
  out.flush();
  std::string answer;
  std::getline(in, answer);
  out << kGoodbye << '\n';
  out.flush();
}

}  // namespace orvane
