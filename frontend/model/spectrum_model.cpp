// Tucker's spectrum of a tungsten target (Tucker et al., Med. Phys. 18 (1991) 211) on the beam axis or
// at one field point, filtered by aluminium and copper, in double precision.
#include "spectrum_model.h"

#include <cmath>
#include <string>

#include "beam_spectrum.h"
#include "number_text.h"
#include "run_parameters.h"
#include "tucker_model.h"

namespace orvane {
namespace {

namespace tucker = physics;

constexpr double kMaxModelKv = 150.0;  // the bins reach 150 keV
constexpr double kMinModelKv = 20.0;
constexpr int kAxisRunMode = 1;  // SpectrumMode that also writes "B_SPCTL.dat"

struct Conditions {
  double kv = 0;
  double angleDegrees = 0;
  double inherentCm = 0;  // aluminium equivalent, crossed once
  double addedAlCm = 0;   // crossed R times
  double addedCuCm = 0;   // crossed R times
};

// Reads Text1, Text5, Text2, Text3, Text4 in this order; a voltage outside 20..150 kV is repaired in its box.
Conditions ReadConditions(ConditionBoxes& boxes) {
  Conditions c;
  c.kv = ReadLeadingNumber(boxes.Text(kVoltageBox));
  if (c.kv > kMaxModelKv) {
    boxes.SetText(kVoltageBox, "150");
    c.kv = kMaxModelKv;
  } else if (c.kv < kMinModelKv) {
    boxes.SetText(kVoltageBox, "20");
    c.kv = kMinModelKv;
  }
  c.angleDegrees = ReadLeadingNumber(boxes.Text(kAngleBox));
  c.inherentCm = ReadLeadingNumber(boxes.Text(kInherentBox)) * run_parameters_format::kMmToCm;
  c.addedAlCm = ReadLeadingNumber(boxes.Text(kAddedAlBox)) * run_parameters_format::kMmToCm;
  c.addedCuCm = ReadLeadingNumber(boxes.Text(kAddedCuBox)) * run_parameters_format::kMmToCm;
  return c;
}

// Highest bin computed: bins are visited while i <= 2V, so 100.3 kV ends at bin 200, 100.5 kV at 201.
int LastBin(double kv) { return static_cast<int>(std::floor(2.0 * kv)); }

// Bremsstrahlung with self-absorption in the target, then the four K lines above 70 kV.
void FillEmittedSpectrum(const BinArray<double>& muTarget, double kv, double pathFactor, int lastBin,
                         BinArray<double>& emitted) {
  const double c = tucker::ThomsonWhiddingtonConstant(kv);
  for (int i = 2; i <= lastBin; ++i) {
    const double energyKeV = BinEnergyKeV(i);
    double sum = 0;
    for (double tKeV = energyKeV; tKeV <= kv; tKeV += tucker::kElectronStepKeV) {
      const double b = tucker::ShapeFactor(energyKeV / tKeV, kv);
      const double f = tucker::EnergyLossFactor(tKeV);
      const double depthCm = tucker::ElectronDepthCm(kv, tKeV, c);
      sum += tucker::BremsstrahlungTerm(tKeV, b, f, muTarget[i], depthCm, pathFactor);
    }
    emitted[i] = sum;
  }
  if (kv > tucker::kKLineThresholdKv) {
    double bremsstrahlungTotal = 0;
    for (int i = 2; i <= lastBin; ++i) bremsstrahlungTotal += emitted[i];
    const double lineTotal = bremsstrahlungTotal * tucker::KLineShare(kv) * tucker::kPercent;
    for (const tucker::KLine& line : tucker::kKLines) emitted[line.bin] += line.fraction * lineTotal;
  }
}

std::string Mm(double cm) { return FormatShortest(cm / run_parameters_format::kMmToCm) + " mm"; }

// Refuses a spectrum that cannot be normalised or written: values that overflowed, or no photons left.
void CheckSpectrum(const BinArray<double>& photons, int lastBin, double peak, const Conditions& c) {
  for (int i = 2; i <= lastBin; ++i) {
    if (!std::isfinite(photons[i])) {
      throw ModelError("The spectrum overflows at " + FormatShortest(BinEnergyKeV(i)) +
                       " keV; check the filters for negative thicknesses (inherent " + Mm(c.inherentCm) +
                       ", Al " + Mm(c.addedAlCm) + ", Cu " + Mm(c.addedCuCm) + "). Nothing was written.");
    }
  }
  if (!(peak > 0)) {
    throw ModelError("No photons are left in the spectrum: the filters (inherent " + Mm(c.inherentCm) +
                     ", Al " + Mm(c.addedAlCm) + ", Cu " + Mm(c.addedCuCm) +
                     ") absorb every energy. Nothing was written.");
  }
}

// The beam-axis file: values relative to the peak and the three AxisTerms.
void WriteAxisSpectrum(const BinArray<double>& photons, int lastBin, double peak,
                       const BinArray<double>& muEnAir) {
  BinArray<double> relative{};
  double photonFluence = 0, energyFluence = 0, airKerma = 0;
  for (int i = 2; i <= lastBin; ++i) {
    const double energyKeV = BinEnergyKeV(i);
    relative[i] = photons[i] / peak;
    photonFluence += photons[i];
    energyFluence += energyKeV * photons[i];
    airKerma += energyKeV * photons[i] * muEnAir[i];
  }
  if (!std::isfinite(photonFluence) || !std::isfinite(energyFluence) || !std::isfinite(airKerma)) {
    throw ModelError("The beam-axis sums of the spectrum overflow. Nothing was written.");
  }
  WriteBeamSpectrum(kBeamSpectrumFile, relative, peak, photonFluence, energyFluence, airKerma);
}

}  // namespace

PointGeometry PointGeometryAt(double xCm, double yCm, double targetAngleDegrees) {
  const double phi = tucker::EmissionAngle(xCm);
  const double theta = tucker::DegreesToRadians(targetAngleDegrees);
  return {tucker::DistanceRatio(xCm, yCm), tucker::InverseSquareFactor(xCm, yCm),
          tucker::PathFactor(phi, theta)};
}

void SpectrumModel(Module1& m, ConditionBoxes& boxes) {
  const Conditions c = ReadConditions(boxes);
  const PointGeometry geometry = PointGeometryAt(m.PointX, m.PointY, c.angleDegrees);
  // tan(theta) <= tan(phi): the point lies behind the target face, the path out is undefined.
  if (!(geometry.pathFactor > 0) || !std::isfinite(geometry.pathFactor)) {
    throw ModelError("A target angle of " + FormatShortest(c.angleDegrees) +
                     " degrees leaves no path out of the target toward X = " + FormatShortest(m.PointX) +
                     " cm; the angle must be steeper than the emission angle. Nothing was written.");
  }
  const int lastBin = LastBin(c.kv);

  // Everything is computed aside and handed to `m` only once the spectrum is accepted (and written).
  BinArray<double> emitted = m.EmittedSpectrum;  // bins above lastBin keep their older values
  FillEmittedSpectrum(m.MuTarget, c.kv, geometry.pathFactor, lastBin, emitted);

  BinArray<double> photons{};
  double peak = 0;
  for (int i = 2; i <= lastBin; ++i) {
    // Inherent filtration counts once, the added filters R times; dividing by E gives photons.
    photons[i] = emitted[i] * std::exp(-m.MuAl[i] * (c.addedAlCm * geometry.distanceRatio + c.inherentCm)) *
                 std::exp(-m.MuCu[i] * c.addedCuCm * geometry.distanceRatio) / BinEnergyKeV(i) *
                 geometry.inverseSquare;
    if (photons[i] > peak) peak = photons[i];
  }
  CheckSpectrum(photons, lastBin, peak, c);

  if (m.SpectrumMode == kAxisRunMode) WriteAxisSpectrum(photons, lastBin, peak, m.MuEnAir);
  m.EmittedSpectrum = emitted;
  m.PhotonSpectrum = photons;
  m.SpectrumPeak = peak;
}

}  // namespace orvane
