#pragma once
// Tucker's semi-empirical bremsstrahlung model of a tungsten target with self-absorption
// (D. M. Tucker, G. T. Barnes, D. P. Chakraborty, Med. Phys. 18 (1991) 211), as used by both programs.
// Each function is one named quantity of the model, evaluated in double precision from its inputs;
// the engine rounds every result to single precision where it stores it, the front end keeps doubles.
#include <array>
#include <cmath>

namespace orvane::physics {

inline constexpr double kPi = 3.14159;            // as the model takes it
inline constexpr double kTungstenDensity = 19.3;  // g/cm3
inline constexpr double kElectronRestEnergyKeV = 511.0;
inline constexpr double kFieldDistanceCm = 100.0;  // focus to field plane
inline constexpr double kKLineThresholdKv = 70.0;  // lines only strictly above
inline constexpr double kElectronStepKeV = 0.5;    // integration step of the electron energy
inline constexpr double kPercent = 0.01;

// Characteristic K lines of tungsten: bin and share of the line yield, added in this order.
struct KLine {
  int bin;
  double fraction;
};
inline constexpr std::array<KLine, 4> kKLines{{{119, 0.5048}, {116, 0.2908}, {134, 0.162}, {138, 0.0424}}};

// Powers of the formulas, each one quantity as written (a coefficient times x^n multiplies the power,
// not x n times in turn). For a single-precision x, x*x is exact in double, so each of these is the
// double nearest to the exact power (as a correctly rounded pow would give).
inline double Square(double x) { return x * x; }
inline double Cube(double x) { return Square(x) * x; }
inline double FourthPower(double x) { return Square(x) * Square(x); }

inline double DegreesToRadians(double degrees) { return degrees / 180.0 * kPi; }

// Emission angle phi (rad) of a field point at X cm along the anode-cathode axis.
inline double EmissionAngle(double xCm) { return std::atan(xCm / kFieldDistanceCm); }

// PathFactor G: a photon made at depth d crosses d*G cm of tungsten on its way out.
inline double PathFactor(double phi, double theta) {
  const double tanPhi = std::tan(phi);
  return std::sqrt(1.0 - Square(tanPhi)) / (std::tan(theta) - tanPhi);
}

// ThomsonWhiddingtonConstant C (keV2 cm2/g) for tube voltage V (kV).
inline double ThomsonWhiddingtonConstant(double kv) {
  return 141766.0 + 12157.0 * kv - 111.046 * Square(kv) + 0.552536 * Cube(kv) - 0.000970158 * FourthPower(kv);
}

// KLineShare k: characteristic yield in per cent of the bremsstrahlung total; 0 up to 70 kV.
inline double KLineShare(double kv) {
  if (!(kv > kKLineThresholdKv)) return 0.0;
  return (std::sqrt(8.79856 * kv - 595.149) - 4.55528) / 4.39928;
}

// Shape factor B for u = E/T.
inline double ShapeFactor(double u, double kv) {
  return (1.0 - 5.049 * u + 10.847 * Square(u) - 10.516 * Cube(u) + 3.842 * FourthPower(u)) *
         (0.03658 + 0.000029 * kv);
}

// Energy-loss fit F at electron energy T (keV).
inline double EnergyLossFactor(double tKeV) { return 1036.1 * std::exp(-0.04695 * tKeV) + 202.41; }

// Depth d (cm) at which an electron that entered with V keV has slowed to T (Thomson-Whiddington law).
inline double ElectronDepthCm(double kv, double tKeV, double c) {
  return (Square(kv) - Square(tKeV)) / (kTungstenDensity * c);
}

// The two factors of a bremsstrahlung term, kept apart so that the engine can reuse the first across
// grid columns; BremsstrahlungTerm multiplies them in the order the formula is written, so splitting
// changes no bit of the result.
// Unattenuated yield (1 + 511/T)*B/F of electron energy T (keV).
inline double BremsstrahlungYield(double tKeV, double b, double f) {
  return (1.0 + kElectronRestEnergyKeV / tKeV) * b / f;
}
// Exponent -mu*d*G of the self-absorption along d*G cm of tungsten (mu in 1/cm).
inline double TargetAttenuationExponent(double muTarget, double d, double g) { return -muTarget * d * g; }

// One bremsstrahlung term, attenuated along d*G cm of tungsten with coefficient mu (1/cm).
inline double BremsstrahlungTerm(double tKeV, double b, double f, double muTarget, double d, double g) {
  return BremsstrahlungYield(tKeV, b, f) * std::exp(TargetAttenuationExponent(muTarget, d, g));
}

// Field-point geometry: distance ratio R and inverse-square factor Q at (X, Y) cm.
inline double DistanceRatio(double xCm, double yCm) {
  return std::sqrt(Square(xCm) + Square(yCm) + Square(kFieldDistanceCm)) / kFieldDistanceCm;
}
inline double InverseSquareFactor(double xCm, double yCm) {
  const double d2 = Square(kFieldDistanceCm);
  return d2 / (Square(xCm) + Square(yCm) + d2);
}

// Filtration of the photon spectrum at a point with distance ratio R: the added aluminium and copper
// plates are crossed R times their thickness, the inherent filtration once (thicknesses in cm, mu in 1/cm).
// Exponents of the two transmission factors exp(-(AddedAl*R + Inherent)*MuAl) and exp(-MuCu*R*AddedCu).
inline double AluminiumFilterExponent(double addedAlCm, double r, double inherentCm, double muAl) {
  return -(addedAlCm * r + inherentCm) * muAl;
}
inline double CopperFilterExponent(double muCu, double r, double addedCuCm) { return -muCu * r * addedCuCm; }

}  // namespace orvane::physics
