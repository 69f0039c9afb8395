#pragma once

// The renderer's pixel kernels are compiled once per instruction set, each build with its
// own -march, and every inline function they call (the pixel rules, the generator's step)
// is compiled into each build. The linker keeps one copy of an inline function per name: if
// the names were the same, the AVX-512 build's copy could serve the portable code, which
// would then crash on an older processor. So such functions are declared in the inline
// namespace TESSARO_KERNEL_VARIANT, which each kernel build names for itself (CMake sets it
// beside -march) and every other file leaves at variant_portable: each build's copies get
// symbols of their own, and callers still write the plain names. Types stay outside it, as
// their layout is the same for every instruction set.
#ifndef TESSARO_KERNEL_VARIANT
#define TESSARO_KERNEL_VARIANT variant_portable
#endif
