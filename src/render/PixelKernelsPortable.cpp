#include "PixelKernelLoops.h"
