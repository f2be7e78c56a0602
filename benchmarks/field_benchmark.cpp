// Whole-field timing of the engine: the fast ComputeField against the plain literal loops
// (engine/plain_field_calculation.cpp), on one core, for two conditions:
//   148 kV, 10 degrees, 2.5 mm inherent, 1.0 mm Al, 0.2 mm Cu  and the defaults 100 kV, 16 degrees,
//   2.5 mm, 1.0 mm, no Cu.
// Inputs: the committed data/MUs-OV.dat, and a beam-axis spectrum built from the engine's own emitted
// spectrum of column 76 (photon spectrum at the centre cell; its three sums are the references, its
// values rounded to five decimals as "B_SPCTL.dat" holds them; AxisHvl from HalfValueLayer).
// Before timing, both versions are run once per condition and their "Result.dat" texts compared; the
// program fails if they differ. After timing it prints both times and their ratio.
//
// Run by hand after scripts/test.sh:  build/benchmarks/orvane_benchmark
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "field_calculation.h"
#include "field_fixture.h"
#include "field_kernels.h"
#include "field_result.h"
#include "plain_field_calculation.h"

namespace orvane {
namespace {

struct Case {
  const char* name;
  RunParameters params;
};
const Case kCases[] = {
    {"148kV_10deg_Cu0.2mm", test::Conditions(148.0f, 10.0f, 0.25f, 0.1f, 0.02f)},
    {"100kV_16deg_defaults", test::Conditions(100.0f, 16.0f, 0.25f, 0.1f, 0.0f)},
};

struct Inputs {
  AttenuationTable table;
  test::Axis axis;
};

void Fast(benchmark::State& state, const Case* c, const Inputs* in) {
  auto result = std::make_unique<FieldResult>();
  for (auto _ : state) {
    ComputeField(in->table, c->params, in->axis.spectrum, in->axis.hvlCm, *result);
    benchmark::DoNotOptimize(result->grid[3][76][1]);
  }
}

void Plain(benchmark::State& state, const Case* c, const Inputs* in) {
  auto result = std::make_unique<FieldResult>();
  for (auto _ : state) {
    plain::ComputeField(in->table, c->params, in->axis.spectrum, in->axis.hvlCm, *result);
    benchmark::DoNotOptimize(result->grid[3][76][1]);
  }
}

// Keeps the mean real time of each run, by name, for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) seconds_[run.run_name.function_name] = run.GetAdjustedRealTime() / 1e3;
    ConsoleReporter::ReportRuns(runs);
  }
  double Seconds(const std::string& name) const {
    auto it = seconds_.find(name);
    return it == seconds_.end() ? 0.0 : it->second;
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
  using namespace orvane;
  benchmark::Initialize(&argc, argv);
  const AttenuationTable table = test::CommittedTable();
  std::printf("kernels: %s (exactness checked against the plain loops first)\n", kernels::BestKernels().name);

  static Inputs inputs[2];
  bool identical = true;
  for (int n = 0; n < 2; ++n) {
    inputs[n].table = table;
    inputs[n].axis = test::AxisFromEngineModel(table, kCases[n].params);
    auto fast = std::make_unique<FieldResult>();
    auto plain = std::make_unique<FieldResult>();
    ComputeField(table, kCases[n].params, inputs[n].axis.spectrum, inputs[n].axis.hvlCm, *fast);
    plain::ComputeField(table, kCases[n].params, inputs[n].axis.spectrum, inputs[n].axis.hvlCm, *plain);
    const bool same = FormatFieldResult(*fast) == FormatFieldResult(*plain);
    std::printf("%-22s AxisHvl %.4f cm, Result.dat text fast vs plain: %s\n", kCases[n].name,
                inputs[n].axis.hvlCm, same ? "identical" : "DIFFERENT");
    identical = identical && same;
    benchmark::RegisterBenchmark((std::string("Fast/") + kCases[n].name).c_str(), Fast, &kCases[n],
                                 &inputs[n])
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)
        ->UseRealTime();
    benchmark::RegisterBenchmark((std::string("Plain/") + kCases[n].name).c_str(), Plain, &kCases[n],
                                 &inputs[n])
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2)
        ->UseRealTime();
  }

  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const Case& c : kCases) {
    const double fast = reporter.Seconds(std::string("Fast/") + c.name);
    const double plain = reporter.Seconds(std::string("Plain/") + c.name);
    if (fast > 0 && plain > 0)
      std::printf("%-22s plain %8.1f ms   fast %7.2f ms   ratio %6.1f x\n", c.name, plain * 1e3, fast * 1e3,
                  plain / fast);
  }
  benchmark::Shutdown();
  if (!identical) {
    std::printf("FAIL: the fast and plain Result.dat texts differ\n");
    return 1;
  }
  return 0;
}
