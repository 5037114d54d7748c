// The wavefront kernels for processors with AVX2, four nodes at a time.  This
// file alone is compiled with -mavx2; it runs only when the processor has
// AVX2 (solvers/wavefront.cpp asks).
#include "solvers/wavefront_kernel.h"

namespace calorix::wavefront {

using V4 = double __attribute__((vector_size(32)));

bool Sweep_AVX2(const Steady_Sweep& a) {
    return Steady_Kernel<V4>(a);
}

Implicit_Change Sweep_AVX2(const Implicit_Sweep& a) {
    return Implicit_Kernel<V4>(a);
}

}  // namespace calorix::wavefront
