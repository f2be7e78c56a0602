#include "result_loading.h"

#include <QDir>
#include <exception>
#include <filesystem>
#include <memory>

#include "beam_axis_graph.h"
#include "field_result.h"
#include "file_error.h"
#include "form1.h"
#include "form2.h"
#include "form_registry.h"
#include "message.h"
#include "number_text.h"
#include "run_parameters.h"

namespace orvane {

namespace {

// Everything one press of "計算結果の表示" reads, complete before anything is changed.
struct LoadedRun {
  RunParametersOf<double> conditions;  // thicknesses in cm
  FieldResultOf<double> result;
  BeamAxisSummary axis;
};

// The engine writes "Beam_Axis.dat" before its long calculation and "Result.dat" at its end, each
// replaced as a whole. A "Result.dat" older than "Beam_Axis.dat" belongs to an earlier run: the
// engine is still calculating, or stopped before it had finished.
void CheckResultIsCurrent() {
  namespace fs = std::filesystem;
  std::error_code missing;
  const auto resultTime = fs::last_write_time(kFieldResultFile, missing);
  if (missing)
    throw FileError(std::string(kFieldResultFile) +
                    ": cannot open file (no calculation has finished here yet)");
  const auto axisTime = fs::last_write_time(kBeamAxisSummaryFile, missing);
  if (!missing && axisTime > resultTime)
    throw FileError(std::string(kFieldResultFile) + " is older than " + kBeamAxisSummaryFile +
                    ": the calculation is still running or stopped before it had finished. Wait until its "
                    "console says it has finished.");
}

void ReadRun(LoadedRun& run) {
  CheckResultIsCurrent();
  run.conditions = ReadRunParametersFree(kRunParametersFile);
  run.result = ReadFieldResult(kFieldResultFile);
  run.axis = ReadBeamAxisSummary(kBeamAxisSummaryFile);
}

// The conditions as the shortest decimal text, the thicknesses back in mm (formed in double).
void PutConditions(Form2& form2, const RunParametersOf<double>& c) {
  constexpr double kCmToMm = 10.0;
  form2.SetText(kVoltageBox, FormatShortest(c.tubeVoltage));
  form2.SetText(kAngleBox, FormatShortest(c.targetAngle));
  form2.SetText(kInherentBox, FormatShortest(kCmToMm * c.inherentFilter));
  form2.SetText(kAddedAlBox, FormatShortest(kCmToMm * c.addedAl));
  form2.SetText(kAddedCuBox, FormatShortest(kCmToMm * c.addedCu));
}

// Form1 as after a fresh load: empty image and profile, the beam-axis spectrum, no cursors, no read-outs.
void ResetDistributionForm(Form1& form1, const Module1& module) {
  form1.Picture1->Clear();
  form1.Picture2->Clear();
  form1.Picture3->Clear();
  DrawBeamAxisSpectrum(*form1.Picture3, module);
  form1.Line17->SetVisible(false);
  form1.Line18->SetVisible(false);
  form1.Line19->SetVisible(false);
  for (int box = 1; box <= 5; ++box) form1.TextBox[box]->setText(QString());
}

}  // namespace

void LoadResults(Module1& module, Form2& form2, FormRegistry& forms) {
  auto run = std::make_unique<LoadedRun>();
  try {
    ReadRun(*run);
  } catch (const std::exception& error) {
    toolkit::ShowError(&form2, QStringLiteral("The results could not be loaded:\n%1\n\nNothing was changed. "
                                              "Working folder:\n%2")
                                   .arg(QString::fromUtf8(error.what()), QDir::currentPath()));
    return;
  }
  PutConditions(form2, run->conditions);
  module.PhotonFluenceGrid = run->result.grid[0];
  module.EnergyFluenceGrid = run->result.grid[1];
  module.AirKermaGrid = run->result.grid[2];
  module.HvlGrid = run->result.grid[3];
  StoreBeamAxisSummary(module, run->axis);

  Form1& form1 = forms.Distribution();
  ResetDistributionForm(form1, module);
  module.DistributionShown = 0;
  form1.ShowForm();
}

}  // namespace orvane
