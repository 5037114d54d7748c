#pragma once
// The sweep kernels of solvers/wavefront.h, written once for a vector type V
// of doubles (GCC vector extensions) and compiled twice: by
// wavefront_baseline.cpp for SSE2 and by wavefront_avx2.cpp with -mavx2.
// Everything here is in an unnamed namespace and uses compiler built-ins
// only, so that no function compiled for AVX2 can be shared with the
// baseline build at link time.
//
// Both files are compiled with -ffp-contract=off: a multiply and an add
// fused into one rounding would change the last bit.
#include <cstddef>
#include <cstdint>

#include "solvers/wavefront.h"

namespace calorix::wavefront {
namespace {

template <typename V>
using Mask = decltype(V{} <= V{});

template <typename V>
inline V Load(const double* p) {
    V v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}

template <typename V>
inline void Put(double* p, V v) {
    __builtin_memcpy(p, &v, sizeof v);
}

template <typename V>
inline V Abs(V v) {
    return (V)((Mask<V>)v & (Mask<V>{} + INT64_MAX));
}

template <typename V>
inline bool All(Mask<V> m) {
    for (std::size_t k = 0; k < sizeof(V) / sizeof(double); ++k) {
        if (m[k] == 0) {
            return false;
        }
    }
    return true;
}

// The node of edge chain e that diagonal d is the first to read.
inline void Renew_Edge_Node(const Steady_Sweep& a, const Edge_Chain& e, int d) {
    const int k = d - e.shift;
    if (k < 2 || k > e.last) {
        return;
    }
    auto at = [&](int i, int j) -> double& { return a.t[a.origin[i + j] + i]; };
    const int i = e.i0 + k * e.along_i;
    const int j = e.j0 + k * e.along_j;
    at(i, j) = (2.0 * at(i + e.in_i, j + e.in_j) + at(i - e.along_i, j - e.along_j) +
                at(i + e.along_i, j + e.along_j) + e.two_source + a.g1) /
               e.denominator;
}

// Interior nodes of diagonal d run from i = max(2, d - (Ny - 1)) to
// min(Nx - 1, d - 2).  West and north are on diagonal d - 1 at i - 1 and i,
// east and south on d + 1 at i + 1 and i.  With Check, true when none of
// the diagonal's nodes moved by more than the tolerance.
template <typename V, bool Check>
inline bool Steady_Diagonal(const Steady_Sweep& a, int d, V g1, V tolerance) {
    constexpr int L = sizeof(V) / sizeof(double);
    const int first = d - (a.ny - 1) > 2 ? d - (a.ny - 1) : 2;
    const int last = a.nx - 1 < d - 2 ? a.nx - 1 : d - 2;
    double* const c = a.t + a.origin[d];
    const double* const w = a.t + a.origin[d - 1];
    const double* const e = a.t + a.origin[d + 1];
    for (int n = 0; n < a.edge_count; ++n) {
        Renew_Edge_Node(a, a.edges[n], d);
    }
    Mask<V> settled = Mask<V>{} - 1;
    bool settled_tail = true;
    int i = first;
    for (; i + L - 1 <= last; i += L) {
        const V v =
            (Load<V>(e + i + 1) + Load<V>(w + i - 1) + Load<V>(e + i) + Load<V>(w + i) + g1) / 4.0;
        if constexpr (Check) {
            settled &= Abs<V>(v - Load<V>(c + i)) <= tolerance;
        }
        Put<V>(c + i, v);
    }
    for (; i <= last; ++i) {
        const double v = (e[i + 1] + w[i - 1] + e[i] + w[i] + a.g1) / 4.0;
        if constexpr (Check) {
            settled_tail &= __builtin_fabs(v - c[i]) <= a.tolerance;
        }
        c[i] = v;
    }
    return settled_tail && All<V>(settled);
}

// One node that moved by more than the tolerance unsettles the sweep, so the
// changes are measured only until the first such node; the diagonals after
// it are swept without the test, which costs a quarter of a node's work.
template <typename V>
bool Steady_Kernel(const Steady_Sweep& a) {
    const V g1 = V{} + a.g1;
    const V tolerance = V{} + a.tolerance;
    const int last_d = a.nx + a.ny - 2;
    bool settled = true;
    int d = 4;
    for (; d <= last_d && settled; ++d) {
        settled = Steady_Diagonal<V, true>(a, d, g1, tolerance);
    }
    for (; d <= last_d; ++d) {
        Steady_Diagonal<V, false>(a, d, g1, tolerance);
    }
    return settled;
}

template <typename V>
Implicit_Change Implicit_Kernel(const Implicit_Sweep& a) {
    constexpr int L = sizeof(V) / sizeof(double);
    const V f = V{} + a.f;
    const V g1 = V{} + a.g1;
    const V diag = V{} + a.diag;
    const V tolerance = V{} + a.tolerance;
    Mask<V> settled = Mask<V>{} - 1;
    V largest = V{};
    bool settled_tail = true;
    double largest_tail = 0.0;
    for (int d = 4; d <= a.nx + a.ny - 2; ++d) {
        const int first = d - (a.ny - 1) > 2 ? d - (a.ny - 1) : 2;
        const int last = a.nx - 1 < d - 2 ? a.nx - 1 : d - 2;
        double* const c = a.next + a.origin[d];
        const double* const own = a.old_level + a.origin[d];
        const double* const w = a.next + a.origin[d - 1];
        const double* const e = a.next + a.origin[d + 1];
        int i = first;
        for (; i + L - 1 <= last; i += L) {
            const V v = (f * (Load<V>(w + i - 1) + Load<V>(e + i + 1) + Load<V>(e + i) +
                              Load<V>(w + i) + g1) +
                         Load<V>(own + i)) /
                        diag;
            const V change = Abs<V>(v - Load<V>(c + i));
            settled &= change <= tolerance;
            largest = largest < change ? change : largest;
            Put<V>(c + i, v);
        }
        for (; i <= last; ++i) {
            const double v = (a.f * (w[i - 1] + e[i + 1] + e[i] + w[i] + a.g1) + own[i]) / a.diag;
            const double change = __builtin_fabs(v - c[i]);
            settled_tail &= change <= a.tolerance;
            largest_tail = largest_tail < change ? change : largest_tail;
            c[i] = v;
        }
    }
    for (int k = 0; k < L; ++k) {
        largest_tail = largest_tail < largest[k] ? largest[k] : largest_tail;
    }
    return {settled_tail && All<V>(settled), largest_tail};
}

}  // namespace
}  // namespace calorix::wavefront
