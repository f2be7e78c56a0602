// Choice of the kernel set for this processor, and the exponential's table.
#include "field_kernels.h"

#include <cmath>

namespace orvane::kernels {

namespace generic {
KernelSet Kernels(const char* name);
}

#if defined(ORVANE_X86_KERNELS)
namespace avx2 {
KernelSet Kernels(const char* name);
}
namespace avx512 {
KernelSet Kernels(const char* name);
}

KernelSet GenericKernels() { return generic::Kernels("x86-64"); }
KernelSet Avx2Kernels() { return avx2::Kernels("AVX2"); }
KernelSet Avx512Kernels() { return avx512::Kernels("AVX-512"); }

namespace {
bool HasAvx512() {
  return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
         __builtin_cpu_supports("avx512vl");
}
bool HasAvx2() { return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma"); }
}  // namespace
#else
// Not x86-64: the portable kernels stand in for every set, and no processor runs the vector sets.
KernelSet GenericKernels() { return generic::Kernels("portable"); }
KernelSet Avx2Kernels() { return GenericKernels(); }
KernelSet Avx512Kernels() { return GenericKernels(); }

namespace {
bool HasAvx512() { return false; }
bool HasAvx2() { return false; }
}  // namespace
#endif

std::vector<KernelSet> RunnableKernels() {
  std::vector<KernelSet> sets;
  if (HasAvx512()) sets.push_back(Avx512Kernels());
  if (HasAvx2()) sets.push_back(Avx2Kernels());
  sets.push_back(GenericKernels());
  return sets;
}

KernelSet BestKernels() {
  static const KernelSet best = RunnableKernels().front();
  return best;
}

const ExpTable kExpTable = [] {
  ExpTable t{};
  for (int j = 0; j < 16; ++j) {
    const long double exact = std::exp2(static_cast<long double>(j) / 16);
    t.hi[j] = static_cast<double>(exact);
    t.lo[j] = static_cast<double>(exact - t.hi[j]);
  }
  return t;
}();

}  // namespace orvane::kernels
