// The kernels for x86-64-v4 (AVX-512 F, BW, CD, DQ, VL), compiled with -march=x86-64-v4 and
// TESSARO_KERNEL_VARIANT=variant_avx512: the conversions between float and double bound
// these loops, and 512-bit registers hold twice as many. Run only where KernelVariantRuns
// says so.
#include "PixelKernelLoops.h"

extern const PixelKernels kAvx512Kernels = KernelTable("avx512");
