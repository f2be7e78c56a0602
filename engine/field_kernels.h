#pragma once
// Vector kernels of the fast field calculation. Each kernel evaluates the model's named quantities
// exactly as the plain loops do (same operations, same order, rounded to float in the same places);
// lanes are independent grid columns or grid points, so each lane keeps its own sums in their order.
// The kernels are compiled once per instruction set (AVX-512, AVX2, baseline x86-64) from one source.
#include <array>
#include <vector>

#include "bins.h"

namespace orvane::kernels {

inline constexpr int kLanes = 8;  // columns or points side by side (8 doubles = one AVX-512 register)

// Everything the kernels read that is fixed for the run.
struct FieldTables {
  int lastBin = 0;  // m = 2*floor(V)
  // Bremsstrahlung terms of bin i: electron energies T = E, E + 0.5, ... <= V, stored at
  // [termBegin[i], termBegin[i + 1]) in order of rising T.
  std::array<int, kBins + 2> termBegin{};
  std::vector<double> termYield;     // (1 + 511/T)*B/F, as in the plain term
  std::vector<double> termExponent;  // -MuTarget(i)*d(T); times G gives the self-absorption exponent
  // Per bin, the float inputs widened to double.
  BinArray<double> energyKeV{}, muAl{}, muCu{}, muEnAir{};
  BinArray<double> stepFactor{};  // exp(-MuAl*0.01), double
  double addedAlCm = 0, inherentCm = 0, addedCuCm = 0;
  // When an input lies where the fast exponential is not known to round like the C library's
  // (negative coefficients or thicknesses, not-a-number), every exponential goes to std::exp.
  bool libraryExp = false;
};

// Results of one group of kLanes points of one column.
enum PointStatus : int { kPointOk = 0, kPointNoWeight = 1, kPointNoHalfValueLayer = 2 };
struct PointLanes {
  float photonFluence[kLanes];  // Phi
  float energyFluence[kLanes];  // Psi
  float airKerma[kLanes];       // K
  float hvlCm[kLanes];
  int status[kLanes];
};

// Emitted bremsstrahlung (before the K lines) of kLanes columns with path factors g;
// out[i * kLanes + lane] for bins i = 0..300 (bins outside 2..m are 0).
using EmissionKernel = void (*)(const FieldTables& tables, const float* g, float* out);
// The points of `groups` (1 or 2) row groups of kLanes rows in `columns` (1 or 2) columns that share
// their distance ratios r[g * kLanes + lane] and inverse-square factors q[...]; the emitted spectra
// e[c] are bin-indexed; out[g * columns + c].
using PointKernel = void (*)(const FieldTables& tables, int groups, int columns, const float* const* e,
                             const float* r, const float* q, PointLanes* out);

struct KernelSet {
  const char* name;
  EmissionKernel emission;
  PointKernel points;
};

KernelSet GenericKernels();
KernelSet Avx2Kernels();
KernelSet Avx512Kernels();
// The best set this processor runs (AVX-512F/DQ, else AVX2/FMA, else baseline).
KernelSet BestKernels();
// Every set this processor can run, best first (for tests and benchmarks).
std::vector<KernelSet> RunnableKernels();

// 2^(j/16) split into a double and its remainder, for the vector exponential.
struct ExpTable {
  double hi[16];
  double lo[16];
};
extern const ExpTable kExpTable;

}  // namespace orvane::kernels
