#pragma once
// The front end's X-ray spectrum model on the beam axis or at one field point, in double precision.
#include <stdexcept>
#include <string>

#include "module1.h"

namespace orvane {

// The five condition boxes of Form2, as texts: box 1..5 is Text1..Text5
// (1 tube voltage kV, 5 target angle degrees, 2 inherent filtration mm Al, 3 added Al mm, 4 added Cu mm).
class ConditionBoxes {
 public:
  virtual ~ConditionBoxes() = default;
  virtual std::string Text(int box) const = 0;
  virtual void SetText(int box, const std::string& text) = 0;
};

// A spectrum the model refuses to write (no photons left, values that overflow); nothing was written.
class ModelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// SpectrumModel: reads the boxes (may rewrite Text1 to "150" or "20"), PointX, PointY and SpectrumMode
// from `m`, fills EmittedSpectrum, PhotonSpectrum and SpectrumPeak, and in mode 1 writes "B_SPCTL.dat".
void SpectrumModel(Module1& m, ConditionBoxes& boxes);

// Command1's range clamps: voltage 40..148, then angle 10..20, each test strict, texts rewritten.
void ClampConditions(ConditionBoxes& boxes);

// Command1's last step: the boxes as they stand, the thicknesses in cm, into "B2F.dat".
void WriteRunParametersFromBoxes(const ConditionBoxes& boxes);

}  // namespace orvane
