// The field kernels for the generic instruction set (compiler flags in engine/CMakeLists.txt).
#define ORVANE_KERNEL_NS generic
#include "field_kernels_impl.h"
