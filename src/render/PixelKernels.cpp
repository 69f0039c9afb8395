#include "PixelKernels.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#ifdef TESSARO_X86_KERNELS
#include <cpuid.h>
#endif

// The builds' tables, one per file.
extern const PixelKernels kPortableKernels;
#ifdef TESSARO_X86_KERNELS
extern const PixelKernels kAvx2Kernels;
extern const PixelKernels kAvx512Kernels;
#endif

namespace {

#ifdef TESSARO_X86_KERNELS
// Which of the x86-64 levels the processor has, and its system saves the registers of:
// every instruction set that -march=x86-64-v3 (-v4) lets the compiler use.
struct CpuLevels {
  bool v3 = false, v4 = false;
};
CpuLevels detectCpuLevels() {
  auto bit = [](unsigned reg, int n) { return ((reg >> n) & 1u) != 0; };
  unsigned a = 0, b = 0, c = 0, d = 0;
  CpuLevels levels;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return levels;
  const bool v2 = bit(c, 0) && bit(c, 9) && bit(c, 13) && bit(c, 19) && bit(c, 20) &&
                  bit(c, 23);  // SSE3, SSSE3, CMPXCHG16B, SSE4.1, SSE4.2, POPCNT
  const bool fma = bit(c, 12), movbe = bit(c, 22), xsave = bit(c, 26), osxsave = bit(c, 27);
  const bool avx = bit(c, 28), f16c = bit(c, 29);
  if (!v2 || !xsave || !osxsave || !avx) return levels;
  unsigned xcr0 = 0, xcr0High = 0;
  __asm__ volatile("xgetbv" : "=a"(xcr0), "=d"(xcr0High) : "c"(0));
  const bool ymm = (xcr0 & 0x6u) == 0x6u;    // SSE and AVX state
  const bool zmm = (xcr0 & 0xE6u) == 0xE6u;  // and the opmask and both halves of AVX-512's
  if (__get_cpuid_max(0, nullptr) < 7) return levels;
  __cpuid_count(7, 0, a, b, c, d);
  const bool bmi1 = bit(b, 3), avx2 = bit(b, 5), bmi2 = bit(b, 8);
  const bool avx512 =
      bit(b, 16) && bit(b, 17) && bit(b, 28) && bit(b, 30) && bit(b, 31);  // F, DQ, CD, BW, VL
  if (!__get_cpuid(0x80000001u, &a, &b, &c, &d)) return levels;
  const bool lahf = bit(c, 0), lzcnt = bit(c, 5);
  levels.v3 = ymm && lahf && avx2 && bmi1 && bmi2 && f16c && fma && lzcnt && movbe;
  levels.v4 = levels.v3 && zmm && avx512;
  return levels;
}
const CpuLevels& cpuLevels() {
  static const CpuLevels levels = detectCpuLevels();
  return levels;
}
#endif

const PixelKernels& tableOf(KernelVariant variant) {
  switch (variant) {
#ifdef TESSARO_X86_KERNELS
    case KernelVariant::Avx2:
      return kAvx2Kernels;
    case KernelVariant::Avx512:
      return kAvx512Kernels;
#endif
    default:
      return kPortableKernels;
  }
}

std::atomic<const PixelKernels*> gKernels{nullptr};

}  // namespace

const char* KernelVariantName(KernelVariant variant) {
  switch (variant) {
    case KernelVariant::Avx2:
      return "avx2";
    case KernelVariant::Avx512:
      return "avx512";
    default:
      return "portable";
  }
}

bool KernelVariantRuns(KernelVariant variant) {
  switch (variant) {
    case KernelVariant::Portable:
      return true;
#ifdef TESSARO_X86_KERNELS
    case KernelVariant::Avx2:
      return cpuLevels().v3;
    case KernelVariant::Avx512:
      return cpuLevels().v4;
#endif
    default:
      return false;
  }
}

KernelChoice ChooseKernels(const char* request, bool (*runs)(KernelVariant)) {
  KernelVariant best = KernelVariant::Portable;
  for (KernelVariant variant : kKernelVariants) {
    if (runs(variant)) best = variant;
  }
  if (request == nullptr || *request == '\0') return {best, {}};
  const std::string instead =
      std::string("; the ") + KernelVariantName(best) + " kernels run instead";
  for (KernelVariant variant : kKernelVariants) {
    if (std::strcmp(request, KernelVariantName(variant)) != 0) continue;
    if (runs(variant)) return {variant, {}};
    return {best, std::string("TESSARO_KERNELS=") + request + ": this processor cannot run the " +
                      request + " kernels" + instead};
  }
  return {best, std::string("TESSARO_KERNELS=") + request +
                    ": no such kernels (portable, avx2 or avx512)" + instead};
}

const PixelKernels& Kernels() {
  const PixelKernels* kernels = gKernels.load(std::memory_order_acquire);
  if (kernels == nullptr) {
    static std::once_flag chosen;
    std::call_once(chosen, [] {
      const KernelChoice choice = ChooseKernels(std::getenv("TESSARO_KERNELS"), KernelVariantRuns);
      if (!choice.complaint.empty()) std::fprintf(stderr, "%s\n", choice.complaint.c_str());
      UseKernels(choice.variant);
    });
    kernels = gKernels.load(std::memory_order_acquire);
  }
  return *kernels;
}

bool UseKernels(KernelVariant variant) {
  if (!KernelVariantRuns(variant)) return false;
  gKernels.store(&tableOf(variant), std::memory_order_release);
  return true;
}

namespace {
// The choice is made as the program starts, so that a complaint about TESSARO_KERNELS comes
// first, not in the middle of the first render.
[[maybe_unused]] const PixelKernels& gChosenAtStart = Kernels();
}  // namespace
