// The fast field calculation. It gives the same bits as the plain loops (plain_field_calculation.cpp):
// - per run: F(T), d(T), u, B and the term's yield (1 + 511/T)*B/F depend on T and the bin, not on the
//   column, so they are computed once; the column only changes the self-absorption exponent;
// - per pair of columns at +-X: R and Q and the filter factors are the same, so they are shared;
// - the exponential of the filters and of the self-absorption is a vector one (field_kernels_impl.h);
// - exp(-MuAl*0.01) once per bin, in double; the curve only up to the first T(k) below 50 %;
// - columns (emission) or points (filters, sums, curve) side by side in vector lanes, each lane
//   keeping its own single-precision sums in the model's order.
#include "field_calculation.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "field_checks.h"
#include "field_kernels.h"
#include "field_positions.h"
#include "half_value_layer.h"
#include "tucker_model.h"

namespace orvane {
namespace {

namespace tucker = physics;
using kernels::FieldTables;
using kernels::KernelSet;
using kernels::kLanes;
using kernels::PointLanes;

bool NonNegative(float x) { return std::isfinite(x) && x >= 0.0f; }

void FillTables(const AttenuationTable& table, const RunParameters& params, FieldTables& t) {
  const double kv = params.tubeVoltage;
  const float c = static_cast<float>(tucker::ThomsonWhiddingtonConstant(kv));
  t.lastBin = EngineLastBin(params.tubeVoltage);
  t.addedAlCm = params.addedAl;
  t.inherentCm = params.inherentFilter;
  t.addedCuCm = params.addedCu;
  t.termYield.clear();
  t.termExponent.clear();
  t.libraryExp =
      !(NonNegative(params.addedAl) && NonNegative(params.inherentFilter) && NonNegative(params.addedCu));
  for (int i = 0; i <= kBins; ++i) {
    t.energyKeV[i] = static_cast<float>(0.5 * i);
    t.muAl[i] = table.muAl[i];
    t.muCu[i] = table.muCu[i];
    t.muEnAir[i] = table.muEnAir[i];
    t.stepFactor[i] = HvlStepFactor(table.muAl[i]);
    if (i >= 2 && i <= t.lastBin)
      t.libraryExp = t.libraryExp || !(NonNegative(table.muTarget[i]) && NonNegative(table.muAl[i]) &&
                                       NonNegative(table.muCu[i]));
  }
  for (int i = 0; i <= std::max(t.lastBin, 1); ++i) t.termBegin[i] = 0;
  for (int i = 2; i <= t.lastBin; ++i) {
    t.termBegin[i] = static_cast<int>(t.termYield.size());
    const float energy = static_cast<float>(0.5 * i);
    for (double tKeV = energy; tKeV <= kv; tKeV += tucker::kElectronStepKeV) {
      const float u = static_cast<float>(energy / tKeV);
      const float b = static_cast<float>(tucker::ShapeFactor(u, kv));
      const float f = static_cast<float>(tucker::EnergyLossFactor(tKeV));
      const float d = static_cast<float>(tucker::ElectronDepthCm(kv, tKeV, c));
      t.termYield.push_back(tucker::BremsstrahlungYield(tKeV, b, f));
      t.termExponent.push_back(-static_cast<double>(table.muTarget[i]) * d);
    }
  }
  const int end = static_cast<int>(t.termYield.size());
  for (int i = std::max(t.lastBin + 1, 2); i <= kBins + 1; ++i) t.termBegin[i] = end;
}

// The K lines above 70 kV: S, c and the four additions, as the plain loop does them.
void AddCharacteristicLines(const RunParameters& params, int m, BinArray<float>& e) {
  const double kv = params.tubeVoltage;
  if (!(kv > tucker::kKLineThresholdKv)) return;
  const float k = static_cast<float>(tucker::KLineShare(kv));
  float s = 0;
  for (int i = 2; i <= m; ++i) s += e[i];
  const float lineTotal = static_cast<float>(static_cast<double>(s) * k * tucker::kPercent);
  for (const tucker::KLine& line : tucker::kKLines)
    e[line.bin] = static_cast<float>(e[line.bin] + line.fraction * lineTotal);
}

struct Workspace {
  FieldTables tables;
  std::array<BinArray<float>, kGridX + 1> emitted;  // per column
  alignas(64) float laneSpectra[(kBins + 1) * kLanes];
};

void EmittedSpectra(const KernelSet& kernels, const RunParameters& params, Workspace& w) {
  const float theta = static_cast<float>(tucker::DegreesToRadians(params.targetAngle));
  for (int first = 1; first <= kGridX; first += kLanes) {
    float g[kLanes];
    for (int l = 0; l < kLanes; ++l) {
      const int ix = std::min(first + l, kGridX);  // the last group repeats column 151
      const float phi = static_cast<float>(tucker::EmissionAngle(ColumnX(ix)));
      g[l] = static_cast<float>(tucker::PathFactor(phi, theta));
    }
    kernels.emission(w.tables, g, w.laneSpectra);
    for (int l = 0; l < kLanes && first + l <= kGridX; ++l) {
      BinArray<float>& e = w.emitted[first + l];
      for (int i = 0; i <= kBins; ++i) e[i] = w.laneSpectra[i * kLanes + l];
      AddCharacteristicLines(params, w.tables.lastBin, e);
    }
  }
}

void StorePoint(const PointLanes& lanes, int l, int ix, int iy, FieldResult& result) {
  if (lanes.status[l] == kernels::kPointNoWeight) ThrowPointFault(PointFault::kNoWeight, ix, iy);
  if (lanes.status[l] != kernels::kPointOk) ThrowPointFault(PointFault::kNoHalfValueLayer, ix, iy);
  const float values[] = {lanes.photonFluence[l], lanes.energyFluence[l], lanes.airKerma[l], lanes.hvlCm[l]};
  for (int block = 0; block < 4; ++block) {
    const float cell = values[block] / result.reference[block];
    if (!std::isfinite(cell)) ThrowNotFinite(block, ix, iy);
    result.grid[block][ix][iy] = cell;
  }
}

// Columns ix and its mirror 152 - ix (the same column for ix = 76) share R and Q; two row groups of
// kLanes rows go together, so the kernel has up to four independent streams.
void ColumnPair(const KernelSet& kernels, int ix, const Workspace& w, FieldResult& result) {
  constexpr int kGroups = 2, kRowsPerCall = kGroups * kLanes;
  const int mirror = kGridX + 1 - ix;
  const int columns = mirror == ix ? 1 : 2;
  const int columnOf[2] = {ix, mirror};
  const float* const e[2] = {w.emitted[ix].data(), w.emitted[mirror].data()};
  const float x = ColumnX(ix);
  for (int first = 1; first <= kGridY; first += kRowsPerCall) {
    float r[kRowsPerCall], q[kRowsPerCall];
    for (int n = 0; n < kRowsPerCall; ++n) {
      const float y = RowY(std::min(first + n, kGridY));  // the last group repeats row 76
      r[n] = static_cast<float>(tucker::DistanceRatio(x, y));
      q[n] = static_cast<float>(tucker::InverseSquareFactor(x, y));
    }
    PointLanes out[kGroups * 2];
    kernels.points(w.tables, kGroups, columns, e, r, q, out);
    for (int g = 0; g < kGroups; ++g)
      for (int c = 0; c < columns; ++c)
        for (int l = 0; l < kLanes; ++l) {
          const int iy = first + g * kLanes + l;
          if (iy <= kGridY) StorePoint(out[g * columns + c], l, columnOf[c], iy, result);
        }
  }
}

}  // namespace

void ComputeFieldWith(const KernelSet& kernels, const AttenuationTable& table, const RunParameters& params,
                      const BeamSpectrum& axis, float axisHvlCm, FieldResult& result) {
  StartFieldResult(params, axis, axisHvlCm, result);

  auto w = std::make_unique<Workspace>();
  FillTables(table, params, w->tables);
  EmittedSpectra(kernels, params, *w);
  for (int ix = 1; ix <= (kGridX + 1) / 2; ++ix) ColumnPair(kernels, ix, *w, result);
}

void ComputeField(const AttenuationTable& table, const RunParameters& params, const BeamSpectrum& axis,
                  float axisHvlCm, FieldResult& result) {
  ComputeFieldWith(kernels::BestKernels(), table, params, axis, axisHvlCm, result);
}

void ComputeEmittedSpectra(const AttenuationTable& table, const RunParameters& params,
                           std::array<BinArray<float>, kGridX + 1>& emitted) {
  CheckConditions(params);
  auto w = std::make_unique<Workspace>();
  FillTables(table, params, w->tables);
  EmittedSpectra(kernels::BestKernels(), params, *w);
  emitted = w->emitted;
}

}  // namespace orvane
