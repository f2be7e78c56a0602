// Command1's handling of the condition boxes: the range clamps and the run parameters for the engine.
#include <cmath>

#include "number_text.h"
#include "run_parameters.h"
#include "spectrum_model.h"

namespace orvane {
namespace {

double BoxNumber(const ConditionBoxes& boxes, int box) { return ReadLeadingNumber(boxes.Text(box)); }

}  // namespace

void ClampConditions(ConditionBoxes& boxes) {
  // Each box is read again after its first test, so a text without a number ends at the lower limit.
  if (BoxNumber(boxes, kVoltageBox) > 148) boxes.SetText(kVoltageBox, "148");  // kV
  if (BoxNumber(boxes, kVoltageBox) < 40) boxes.SetText(kVoltageBox, "40");
  if (BoxNumber(boxes, kAngleBox) < 10) boxes.SetText(kAngleBox, "10");  // degrees
  if (BoxNumber(boxes, kAngleBox) > 20) boxes.SetText(kAngleBox, "20");
}

void WriteRunParametersFromBoxes(const ConditionBoxes& boxes) {
  using run_parameters_format::kMmToCm;
  RunParametersOf<double> p;
  p.tubeVoltage = BoxNumber(boxes, kVoltageBox);                // kV
  p.targetAngle = BoxNumber(boxes, kAngleBox);                  // degrees
  p.inherentFilter = BoxNumber(boxes, kInherentBox) * kMmToCm;  // cm Al
  p.addedAl = BoxNumber(boxes, kAddedAlBox) * kMmToCm;          // cm
  p.addedCu = BoxNumber(boxes, kAddedCuBox) * kMmToCm;          // cm
  for (double value : {p.tubeVoltage, p.targetAngle, p.inherentFilter, p.addedAl, p.addedCu}) {
    if (!std::isfinite(value)) {
      throw ModelError(
          "A condition box holds a number too large to write into \"B2F.dat\"; nothing was written.");
    }
  }
  WriteRunParameters(kRunParametersFile, p);
}

}  // namespace orvane
