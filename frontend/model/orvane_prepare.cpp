// orvane-prepare [kV [angle-deg [inherent-mm [Al-mm [Cu-mm]]]]]
// Prepares the current folder for Orvane-Calc as the "X-ray spectrum" button does: reads "MUs-OV.dat",
// brings the voltage and angle into range, writes "B_SPCTL.dat" (beam axis) and "B2F.dat".
// Missing arguments take the defaults 100 kV, 16 degrees, 2.5 mm, 1.0 mm, 0 mm.
#include <exception>
#include <iostream>

#include "condition_texts.h"
#include "module1.h"
#include "spectrum_model.h"

int main(int argc, char** argv) {
  using namespace orvane;
  if (argc > 6) {
    std::cerr << "usage: orvane-prepare [kV [angle-deg [inherent-mm [Al-mm [Cu-mm]]]]]\n";
    return 2;
  }
  ConditionTexts boxes;
  // Command-line order: voltage, angle, inherent filtration, added Al, added Cu.
  const int boxOfArgument[] = {0, kVoltageBox, kAngleBox, kInherentBox, kAddedAlBox, kAddedCuBox};
  for (int a = 1; a < argc; ++a) boxes.SetText(boxOfArgument[a], argv[a]);

  try {
    static Module1 m;  // large (five field grids): kept off the stack
    ReadAttenuationTable(m);
    ClampConditions(boxes);
    m.PointX = 0;
    m.PointY = 0;
    m.SpectrumMode = 1;
    SpectrumModel(m, boxes);
    WriteRunParametersFromBoxes(boxes);
  } catch (const std::exception& e) {
    std::cerr << "orvane-prepare: " << e.what() << '\n';
    return 1;
  }
  std::cout << "Conditions: " << boxes.Text(kVoltageBox) << " kV, " << boxes.Text(kAngleBox)
            << " degrees, inherent " << boxes.Text(kInherentBox) << " mm Al, added "
            << boxes.Text(kAddedAlBox) << " mm Al, " << boxes.Text(kAddedCuBox)
            << " mm Cu\nWrote B_SPCTL.dat and B2F.dat\n";
  return 0;
}
