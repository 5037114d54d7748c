#pragma once
// The interior of a Gauss-Seidel sweep over a Diagonal_Plane, one
// anti-diagonal after the other, several nodes of a diagonal at a time in
// vector registers.  Every node is computed with exactly the expression and
// the neighbour values of the plain column-order sweep (solvers/
// reference_sweeps), so the results are the same to the last bit.
//
// Two builds of the same code: a baseline one (SSE2, two nodes at a time,
// every x86-64 processor) and an AVX2 one (four at a time), chosen at run
// time from what the processor offers.
#include <cstddef>

namespace calorix::wavefront {

// An edge of the steady plate between its corners whose nodes follow
// T = (2 T_in + T_a + T_b + two_source + G1) / denominator (T_in the inward
// neighbour, T_a and T_b the neighbours before and after along the edge).
// Each node is a link of a chain (it waits for the one before it), so the
// sweep renews node k (2..last) just before diagonal k + shift, the first
// that reads it, where its wait overlaps the interior's work.  Node k is
// (i0 + k along_i, j0 + k along_j); its inward neighbour is that plus
// (in_i, in_j).
struct Edge_Chain {
    int i0, j0, along_i, along_j, in_i, in_j, shift, last;
    double two_source, denominator;
};

// Steady plate: T = (T_E + T_W + T_S + T_N + G1) / 4 on every interior node,
// and the edges in `edges` (up to four) as above; true when no interior node
// moved by more than the tolerance.
struct Steady_Sweep {
    double* t;                     // the plane being swept
    const std::ptrdiff_t* origin;  // Diagonal_Plane::Origins()
    int nx, ny;
    double g1, tolerance;
    const Edge_Chain* edges = nullptr;
    int edge_count = 0;
};

// Implicit plate level: T' = (F (T'_W + T'_E + T'_S + T'_N + G1) + T) / diag,
// T from the previous level.
struct Implicit_Sweep {
    double* next;
    const double* old_level;
    const std::ptrdiff_t* origin;
    int nx, ny;
    double f, g1, diag, tolerance;
};
struct Implicit_Change {
    bool settled;    // no interior node moved by more than the tolerance
    double largest;  // the largest interior change (a NaN change is not counted)
};

bool Sweep(const Steady_Sweep& a);
Implicit_Change Sweep(const Implicit_Sweep& a);

// Which build runs.  Tests force the baseline build to exercise both.
enum class Build { Baseline, AVX2 };
Build Active_Build();
void Force_Baseline(bool on);

// The two builds themselves (wavefront_baseline.cpp, wavefront_avx2.cpp).
bool Sweep_Baseline(const Steady_Sweep& a);
Implicit_Change Sweep_Baseline(const Implicit_Sweep& a);
bool Sweep_AVX2(const Steady_Sweep& a);
Implicit_Change Sweep_AVX2(const Implicit_Sweep& a);

}  // namespace calorix::wavefront
