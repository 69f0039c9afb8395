#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PixelKernels.h"

namespace {

// ctest runs these tests once per build of the kernels, with TESSARO_KERNELS naming it. A
// build this processor cannot run would be stood in for by another: such a run ends before
// any test, with the reason and the exit code that ctest counts as skipped, so that no other
// build passes under its name.
constexpr int kSkipped = 77;
class RequestedKernels : public testing::Environment {
 public:
  void SetUp() override {
    const KernelChoice choice = ChooseKernels(std::getenv("TESSARO_KERNELS"), KernelVariantRuns);
    if (choice.complaint.empty()) return;
    std::fprintf(stderr, "%s: not tested\n", choice.complaint.c_str());
    std::fflush(nullptr);
    std::_Exit(kSkipped);
  }
};
[[maybe_unused]] testing::Environment* const kRequestedKernels =
    testing::AddGlobalTestEnvironment(new RequestedKernels);

bool portableOnly(KernelVariant v) {
  return v == KernelVariant::Portable;
}
bool upToAvx2(KernelVariant v) {
  return v != KernelVariant::Avx512;
}
bool every(KernelVariant) {
  return true;
}

TEST(KernelVariants, TheRequestIsMetOrTheBestThatRunsIsTaken) {
  struct Case {
    const char* request;
    bool (*runs)(KernelVariant);
    KernelVariant expected;
    const char* complaint;  // a part of it; null: none
  };
  const Case cases[] = {
      {nullptr, every, KernelVariant::Avx512, nullptr},
      {nullptr, upToAvx2, KernelVariant::Avx2, nullptr},
      {"", portableOnly, KernelVariant::Portable, nullptr},
      {"portable", every, KernelVariant::Portable, nullptr},
      {"avx2", every, KernelVariant::Avx2, nullptr},
      {"avx512", every, KernelVariant::Avx512, nullptr},
      {"avx2", upToAvx2, KernelVariant::Avx2, nullptr},
      {"avx512", upToAvx2, KernelVariant::Avx2,
       "TESSARO_KERNELS=avx512: this processor cannot run the avx512 kernels; the avx2 kernels "
       "run instead"},
      {"avx2", portableOnly, KernelVariant::Portable, "cannot run the avx2 kernels"},
      {"fast", upToAvx2, KernelVariant::Avx2,
       "TESSARO_KERNELS=fast: no such kernels (portable, avx2 or avx512); the avx2 kernels run "
       "instead"},
      {"AVX2", every, KernelVariant::Avx512, "TESSARO_KERNELS=AVX2: no such kernels"},
      {"avx2 ", every, KernelVariant::Avx512, "no such kernels"},
  };
  for (const Case& c : cases) {
    const std::string request = c.request ? c.request : "(unset)";
    const KernelChoice choice = ChooseKernels(c.request, c.runs);
    EXPECT_EQ(choice.variant, c.expected) << request;
    if (c.complaint) {
      EXPECT_NE(choice.complaint.find(c.complaint), std::string::npos)
          << request << ": " << choice.complaint;
    } else {
      EXPECT_EQ(choice.complaint, "") << request;
    }
  }
}

TEST(KernelVariants, OnlyABuildThatRunsCanBeUsed) {
  const std::string before = Kernels().name;
  for (KernelVariant variant : kKernelVariants) {
    const std::string last = Kernels().name;
    EXPECT_EQ(UseKernels(variant), KernelVariantRuns(variant)) << KernelVariantName(variant);
    EXPECT_EQ(Kernels().name,
              KernelVariantRuns(variant) ? std::string(KernelVariantName(variant)) : last);
  }
  EXPECT_TRUE(KernelVariantRuns(KernelVariant::Portable));
  for (KernelVariant variant : kKernelVariants) {
    if (before == KernelVariantName(variant)) UseKernels(variant);
  }
}

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
// GCC's own test of the processor's x86-64 levels.
TEST(KernelVariants, ProcessorLevelsAgreeWithTheCompilers) {
  __builtin_cpu_init();
  EXPECT_EQ(KernelVariantRuns(KernelVariant::Avx2), __builtin_cpu_supports("x86-64-v3") != 0);
  EXPECT_EQ(KernelVariantRuns(KernelVariant::Avx512), __builtin_cpu_supports("x86-64-v4") != 0);
}
#endif

}  // namespace
