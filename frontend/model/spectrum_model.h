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

// Box numbers of the five conditions.
inline constexpr int kVoltageBox = 1;   // Text1, kV
inline constexpr int kInherentBox = 2;  // Text2, mm Al equivalent
inline constexpr int kAddedAlBox = 3;   // Text3, mm
inline constexpr int kAddedCuBox = 4;   // Text4, mm
inline constexpr int kAngleBox = 5;     // Text5, degrees

// A spectrum the model refuses to write (no photons left, values that overflow); nothing was written.
class ModelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Geometry of a field point (X, Y cm in the plane 100 cm from the focus) for a target angle.
struct PointGeometry {
  double distanceRatio = 0;  // R: focus-to-point distance over 100 cm
  double inverseSquare = 0;  // Q: (100 cm)^2 over the squared focus-to-point distance
  double pathFactor = 0;     // G: path in tungsten per cm of electron depth
};
PointGeometry PointGeometryAt(double xCm, double yCm, double targetAngleDegrees);

// SpectrumModel: reads the boxes (may rewrite Text1 to "150" or "20"), PointX, PointY and SpectrumMode
// from `m`, fills EmittedSpectrum, PhotonSpectrum and SpectrumPeak, and in mode 1 writes "B_SPCTL.dat".
// Throws ModelError, with `m` and the files as they were (only the voltage text may have been
// repaired), when the angle puts the point behind the target face or the spectrum has no photons
// left or does not fit in a double; FileError when "B_SPCTL.dat" cannot be written.
void SpectrumModel(Module1& m, ConditionBoxes& boxes);

// Command1's range clamps: voltage 40..148, then angle 10..20, each test strict, texts rewritten.
void ClampConditions(ConditionBoxes& boxes);

// Command1's last step: the boxes as they stand, the thicknesses in cm, into "B2F.dat".
void WriteRunParametersFromBoxes(const ConditionBoxes& boxes);

}  // namespace orvane
