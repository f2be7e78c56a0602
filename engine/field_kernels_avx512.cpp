// The field kernels for the avx512 instruction set (compiler flags in engine/CMakeLists.txt).
#define ORVANE_KERNEL_NS avx512
#include "field_kernels_impl.h"
