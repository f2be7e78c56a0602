// One source for the vector kernels, compiled once per instruction set: the including file defines
// ORVANE_KERNEL_NS and is built with that set's compiler flags (and -ffp-contract=off, always: a fused
// multiply-add would round differently from the plain loops).
//
// Vectors are GCC vector extensions of 8 lanes; the compiler maps them to one AVX-512 register, two
// AVX2 registers or four SSE2 registers. Every operation on a lane is the IEEE operation the plain
// code performs on that value, so each lane reproduces the plain result bit for bit. Two shortcuts
// are exact: a float operation equals the double operation rounded to float for +, -, *, / of float
// inputs (53 >= 2*24 + 2), and a float sum in lanes keeps each lane's own order.
#include <bit>
#include <cmath>
#include <cstring>

#include "field_kernels.h"
#include "half_value_layer.h"

#if defined(__AVX512F__) || defined(__AVX2__)
#include <immintrin.h>
#endif

#ifndef ORVANE_KERNEL_NS
#error "define ORVANE_KERNEL_NS before including field_kernels_impl.h"
#endif

namespace orvane::kernels::ORVANE_KERNEL_NS {
namespace {

typedef double v8d __attribute__((vector_size(64)));
typedef float v8f __attribute__((vector_size(32)));
typedef long long v8l __attribute__((vector_size(64)));
typedef unsigned long long v8u __attribute__((vector_size(64)));
typedef int v8i __attribute__((vector_size(32)));

static_assert(kLanes == 8);

#if defined(__AVX512F__)
// One instruction each (gcc splits the generic conversion into halves).
inline v8d Widen(v8f x) { return (v8d)_mm512_cvtps_pd((__m256)x); }
inline v8f Narrow(v8d x) { return (v8f)_mm512_cvtpd_ps((__m512d)x); }  // round to nearest, as a cast
#else
inline v8d Widen(v8f x) { return __builtin_convertvector(x, v8d); }
inline v8f Narrow(v8d x) { return __builtin_convertvector(x, v8f); }  // round to nearest, as a cast
#endif
// A double in every lane. gcc builds the implicit broadcast of a scalar operand through memory when a
// vector is wider than the registers (AVX2), which stalls; these stay in registers. The value is copied
// exactly, so an operation with Splat(x) is the operation with x.
inline v8d Splat(double x) {
#if defined(__AVX512F__)
  return (v8d)_mm512_set1_pd(x);
#elif defined(__AVX2__)
  typedef double v4d __attribute__((vector_size(32)));
  const v4d half = (v4d)_mm256_set1_pd(x);
  return __builtin_shufflevector(half, half, 0, 1, 2, 3, 0, 1, 2, 3);
#else
  typedef double v2d __attribute__((vector_size(16)));
  const v2d quarter = {x, x};
  return __builtin_shufflevector(quarter, quarter, 0, 1, 0, 1, 0, 1, 0, 1);
#endif
}
inline v8f LoadF(const float* p) {
  v8f v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void StoreF(float* p, v8f v) { std::memcpy(p, &v, sizeof v); }
inline bool AllSet(v8i mask) {
  int all = -1;
  for (int l = 0; l < kLanes; ++l) all &= mask[l];
  return all != 0;
}

// exp(x) for x <= 0 to within about 0.51 units in the last place, as the C library's: x = n*ln2/16 + r
// with |r| <= ln2/32, 2^(n/16) from a 16-entry table kept as a double and its remainder, exp(r) - 1 by
// its Taylor series to r^7 (the next term is below 2e-18). Results below exp(-707) are returned as 0:
// in every use the exponential multiplies a factor below 1e3 and is then rounded to float, where the C
// library's subnormal results round to 0 as well.
constexpr long double kLn2L = 0.693147180559945309417232121458176568L;
constexpr double kInvLn2N = static_cast<double>(16.0L / kLn2L);
constexpr double kLn2HiN =
    std::bit_cast<double>(std::bit_cast<unsigned long long>(static_cast<double>(kLn2L / 16.0L)) &
                          0xFFFFFFFFFFFF0000ULL);  // 37 bits: n * kLn2HiN is exact for |n| < 2^16
constexpr double kLn2LoN = static_cast<double>(kLn2L / 16.0L - static_cast<long double>(kLn2HiN));
constexpr double kShift = 0x1.8p52;  // adding it rounds to an integer held in the low mantissa bits
constexpr double kExpLow = -707.0;

__attribute__((always_inline)) inline v8d FastExp(v8d x) {
  const ExpTable& table = kExpTable;
  const v8d shifted = x * kInvLn2N + kShift;
  const v8l n = (v8l)shifted - std::bit_cast<long long>(kShift);
  const v8d kd = shifted - kShift;
  const v8d r = (x - kd * kLn2HiN) - kd * kLn2LoN;
  const v8l j = n & 15;
  v8d hi, lo;
#if defined(__AVX512F__)
  const __m512i index = (__m512i)j;
  const __m512d h = _mm512_permutex2var_pd(_mm512_loadu_pd(table.hi), index, _mm512_loadu_pd(table.hi + 8));
  const __m512d o = _mm512_permutex2var_pd(_mm512_loadu_pd(table.lo), index, _mm512_loadu_pd(table.lo + 8));
  hi = (v8d)h;
  lo = (v8d)o;
#elif defined(__AVX2__)
  typedef long long v4l __attribute__((vector_size(32)));
  typedef double v4d __attribute__((vector_size(32)));
  const v4l low = __builtin_shufflevector(j, j, 0, 1, 2, 3), high = __builtin_shufflevector(j, j, 4, 5, 6, 7);
  const v4d hiLow = (v4d)_mm256_i64gather_pd(table.hi, (__m256i)low, 8);
  const v4d hiHigh = (v4d)_mm256_i64gather_pd(table.hi, (__m256i)high, 8);
  const v4d loLow = (v4d)_mm256_i64gather_pd(table.lo, (__m256i)low, 8);
  const v4d loHigh = (v4d)_mm256_i64gather_pd(table.lo, (__m256i)high, 8);
  hi = __builtin_shufflevector(hiLow, hiHigh, 0, 1, 2, 3, 4, 5, 6, 7);
  lo = __builtin_shufflevector(loLow, loHigh, 0, 1, 2, 3, 4, 5, 6, 7);
#else
  for (int l = 0; l < kLanes; ++l) {
    hi[l] = table.hi[j[l]];
    lo[l] = table.lo[j[l]];
  }
#endif
  const v8d poly =
      r +
      (r * r) * (0.5 + r * (1.0 / 6 + r * (1.0 / 24 + r * (1.0 / 120 + r * (1.0 / 720 + r * (1.0 / 5040))))));
  const v8d mantissa = hi + (lo + hi * poly);
  const v8u scaleBits = ((v8u)n + 1023ULL * 16) >> 4 << 52;  // 2^floor(n/16), for n >= -16368
  const v8d y = mantissa * (v8d)scaleBits;
  return x < kExpLow ? v8d{} : y;
}

inline v8d LibraryExp(v8d x) {
  v8d y;
  for (int l = 0; l < kLanes; ++l) y[l] = std::exp(x[l]);
  return y;
}

template <bool kLibrary>
__attribute__((always_inline)) inline v8d Exp(v8d x) {
  if constexpr (kLibrary)
    return LibraryExp(x);
  else
    return FastExp(x);
}

template <bool kLibrary>
void EmissionImpl(const FieldTables& t, const float* g, float* out) {
  const v8d path = Widen(LoadF(g));  // G of each lane's column
  std::memset(out, 0, sizeof(float) * (kBins + 1) * kLanes);
  for (int i = 2; i <= t.lastBin; ++i) {
    v8f sum{};  // e(i), rising T
    for (int j = t.termBegin[i]; j < t.termBegin[i + 1]; ++j)
      sum += Narrow(Splat(t.termYield[j]) * Exp<kLibrary>(Splat(t.termExponent[j]) * path));
    StoreF(out + i * kLanes, sum);
  }
}

// The points of kGroups row groups in kColumns columns (the columns at +-X share R and Q). Each
// (group, column) is a stream of kLanes points; streams interleave so that their sums overlap in time.
template <bool kLibrary, int kGroups, int kColumns>
void PointsImpl(const FieldTables& t, const float* const* e, const float* rIn, const float* qIn,
                PointLanes* out) {
  constexpr int kStreams = kGroups * kColumns;  // stream s = group * kColumns + column
  const int m = t.lastBin;
  v8d r[kGroups], inverseSquare[kGroups], aluminium[kGroups];
  for (int g = 0; g < kGroups; ++g) {
    r[g] = Widen(LoadF(rIn + g * kLanes));
    inverseSquare[g] = Widen(LoadF(qIn + g * kLanes));
    aluminium[g] = -(Splat(t.addedAlCm) * r[g] + Splat(t.inherentCm));  // times MuAl: the aluminium exponent
  }
  // q(i), then w(i), then p(i) of each stream, bins side by side.
  alignas(64) v8f work[kBins + 1][kStreams];

  // Filtered photon spectrum, its peak and its three sums in one pass of rising bin.
  v8f peak[kStreams], phi[kStreams], psi[kStreams], kerma[kStreams];
  for (int s = 0; s < kStreams; ++s) peak[s] = phi[s] = psi[s] = kerma[s] = v8f{};
  for (int i = 2; i <= m; ++i) {
    for (int g = 0; g < kGroups; ++g) {
      v8d filter = Exp<kLibrary>(aluminium[g] * Splat(t.muAl[i]));
      // With no copper the factor is exp(-0) = 1 exactly, and multiplying by it changes nothing.
      if (t.addedCuCm != 0.0) filter = filter * Exp<kLibrary>(Splat(-t.muCu[i]) * r[g] * Splat(t.addedCuCm));
      for (int c = 0; c < kColumns; ++c) {
        const int s = g * kColumns + c;
        const v8f q = Narrow(filter * Splat(e[c][i]) / Splat(t.energyKeV[i]) * inverseSquare[g]);
        work[i][s] = q;
        peak[s] = q > peak[s] ? q : peak[s];
        phi[s] += q;
        psi[s] = Narrow(Widen(psi[s]) + Splat(t.energyKeV[i]) * Widen(q));
        kerma[s] = Narrow(Widen(kerma[s]) + Splat(t.muEnAir[i]) * Widen(q) * Splat(t.energyKeV[i]));
      }
    }
  }

  // Relative spectrum, air-kerma weights w over bins 11..m and their total W, then p = w/W over 21..m
  // and their total P.
  v8i done[kStreams];
  v8d startSum[kStreams];
  for (int s = 0; s < kStreams; ++s) {
    v8f weightSum{};
    for (int i = kFirstWeightBin; i <= m; ++i) {
      const v8f q = work[i][s] / peak[s];
      const v8f w = Narrow(Splat(t.muEnAir[i]) * Widen(q) * Splat(i) * Splat(0.5));
      weightSum += w;
      work[i][s] = w;
    }
    v8f pSum{};
    for (int i = kFirstTransmissionBin; i <= m; ++i) {
      const v8f p = work[i][s] / weightSum;
      pSum += p;
      work[i][s] = p;
    }
    const v8i valid = (peak[s] > 0.0f) & (weightSum > 0.0f) & (weightSum <= __FLT_MAX__) & (pSum > 0.0f) &
                      (pSum <= __FLT_MAX__);
    done[s] = ~valid;  // lanes without weight take no part in the search
    startSum[s] = Widen(pSum);
    for (int l = 0; l < kLanes; ++l) {
      out[s].photonFluence[l] = phi[s][l];
      out[s].energyFluence[l] = psi[s][l];
      out[s].airKerma[l] = kerma[s][l];
      out[s].hvlCm[l] = 0;
      out[s].status[l] = valid[l] ? kPointNoHalfValueLayer : kPointNoWeight;
    }
  }

  // Transmission curve, stepped until every lane has found its first T(k) < 50 with k >= 2.
  // The step factors spread over the lanes once, outside the step loop.
  alignas(64) v8d stepFactor[kBins + 1];
  for (int i = kFirstTransmissionBin; i <= m; ++i) stepFactor[i] = Splat(t.stepFactor[i]);
  v8f before[kStreams], tBefore[kStreams], tAt[kStreams];
  v8i kAt[kStreams];
  for (int s = 0; s < kStreams; ++s) before[s] = tBefore[s] = tAt[s] = v8f{}, kAt[s] = v8i{};
  bool allDone = true;
  for (int s = 0; s < kStreams; ++s) allDone = allDone && AllSet(done[s]);
  for (int k = 1; k <= kHvlMaxSteps && !allDone; ++k) {
    v8f sum[kStreams];
    for (int s = 0; s < kStreams; ++s) sum[s] = v8f{};
    for (int i = kFirstTransmissionBin; i <= m; ++i) {
      const v8d factor = stepFactor[i];
      for (int s = 0; s < kStreams; ++s) {
        const v8f p = Narrow(Widen(work[i][s]) * factor);
        work[i][s] = p;
        sum[s] += p;
      }
    }
    allDone = true;
    for (int s = 0; s < kStreams; ++s) {
      const v8f curve = Narrow(Widen(sum[s]) / startSum[s] * kPercentScale);
      if (k >= 2) {
        const v8i found = (curve < kHalfPercent) & ~done[s];
        tBefore[s] = found ? before[s] : tBefore[s];
        tAt[s] = found ? curve : tAt[s];
        kAt[s] = found ? v8i{} + k : kAt[s];
        done[s] |= found;
      }
      before[s] = curve;
      allDone = allDone && AllSet(done[s]);
    }
  }
  for (int s = 0; s < kStreams; ++s)
    for (int l = 0; l < kLanes; ++l) {
      if (out[s].status[l] == kPointNoWeight || kAt[s][l] == 0) continue;
      const float hvl = InterpolateHalfValueLayer(tBefore[s][l], tAt[s][l], kAt[s][l]);
      if (std::isfinite(hvl)) {
        out[s].hvlCm[l] = hvl;
        out[s].status[l] = kPointOk;
      }
    }
}

void Emission(const FieldTables& t, const float* g, float* out) {
  if (t.libraryExp)
    EmissionImpl<true>(t, g, out);
  else
    EmissionImpl<false>(t, g, out);
}

template <bool kLibrary>
void PointsFor(const FieldTables& t, int groups, int columns, const float* const* e, const float* r,
               const float* q, PointLanes* out) {
  if (groups == 2)
    columns == 2 ? PointsImpl<kLibrary, 2, 2>(t, e, r, q, out) : PointsImpl<kLibrary, 2, 1>(t, e, r, q, out);
  else
    columns == 2 ? PointsImpl<kLibrary, 1, 2>(t, e, r, q, out) : PointsImpl<kLibrary, 1, 1>(t, e, r, q, out);
}

void Points(const FieldTables& t, int groups, int columns, const float* const* e, const float* r,
            const float* q, PointLanes* out) {
  if (t.libraryExp)
    PointsFor<true>(t, groups, columns, e, r, q, out);
  else
    PointsFor<false>(t, groups, columns, e, r, q, out);
}

}  // namespace

KernelSet Kernels(const char* name) { return {name, Emission, Points}; }

}  // namespace orvane::kernels::ORVANE_KERNEL_NS
