// The wavefront kernels for every x86-64 processor: SSE2, two nodes at a time.
#include "solvers/wavefront_kernel.h"

namespace calorix::wavefront {

using V2 = double __attribute__((vector_size(16)));

bool Sweep_Baseline(const Steady_Sweep& a) {
    return Steady_Kernel<V2>(a);
}

Implicit_Change Sweep_Baseline(const Implicit_Sweep& a) {
    return Implicit_Kernel<V2>(a);
}

}  // namespace calorix::wavefront
