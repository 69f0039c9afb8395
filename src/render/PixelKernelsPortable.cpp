// The kernels for any processor, as the compiler's defaults build them.
#include "PixelKernelLoops.h"

extern const PixelKernels kPortableKernels = KernelTable("portable");
