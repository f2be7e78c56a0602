// The field kernels for the avx2 instruction set (compiler flags in engine/CMakeLists.txt).
#define ORVANE_KERNEL_NS avx2
#include "field_kernels_impl.h"
