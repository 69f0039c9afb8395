// The kernels for x86-64-v3 (AVX2, FMA, BMI2), compiled with -march=x86-64-v3 and
// TESSARO_KERNEL_VARIANT=variant_avx2. Run only where KernelVariantRuns says so.
#include "PixelKernelLoops.h"

extern const PixelKernels kAvx2Kernels = KernelTable("avx2");
