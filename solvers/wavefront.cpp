#include "solvers/wavefront.h"

namespace calorix::wavefront {

namespace {

bool forced_baseline = false;

bool Has_AVX2() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
#else
    return false;
#endif
}

}  // namespace

Build Active_Build() {
    return !forced_baseline && Has_AVX2() ? Build::AVX2 : Build::Baseline;
}

void Force_Baseline(bool on) {
    forced_baseline = on;
}

bool Sweep(const Steady_Sweep& a) {
    return Active_Build() == Build::AVX2 ? Sweep_AVX2(a) : Sweep_Baseline(a);
}

Implicit_Change Sweep(const Implicit_Sweep& a) {
    return Active_Build() == Build::AVX2 ? Sweep_AVX2(a) : Sweep_Baseline(a);
}

}  // namespace calorix::wavefront
