#include "solvers/steady_state_conduction_1d.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix {

namespace {

constexpr double Tolerance = 1e-6;
constexpr int Max_Sweeps = 32767;  // the sweep counter is a 16-bit integer

// The interior node equation is T(i) = (G + (T(i-1) + T(i+1))) / 2 with
// G = dx^2 g / k.  Written as it stands, every node waits for its western
// neighbour through two additions and a halving.  The halving is a pure
// exponent shift, so it can be carried along instead of done: with
// z(j) = 2^j T(i0 + j) along a block of nodes starting at node i0,
//
//     z(j) = 2^(j-1) G + (z(j-1) + 2^(j-1) T(i0 + j + 1)),
//
// and T(i0 + j) = 2^-j z(j).  Scaling by a power of two commutes with
// rounding to nearest for every normal number, so each z(j) is exactly the
// value the written equation gives, scaled; the chain from node to node is
// two additions, and the scalings of the neighbour and of the result are off
// it.  The block restarts every Block nodes so that the scale stays within
// 2^63.  Two limits of the argument:
//  - below the normal range (|T| < 2.2e-308) the scaled sum is rounded more
//    finely; such values differ from the written ones by less than 5e-324,
//    which a neighbour of any normal size absorbs exactly, and every result
//    below 0.01 is reported as 0 anyway, so no reported value, no change
//    measured against the tolerance and no sweep count can differ;
//  - near the top of the range the scaled values would overflow first, so a
//    sweep whose values may exceed 2^900 uses the written form directly.
constexpr int Block = 64;
constexpr double Scaled_Limit = 0x1p900;

struct Interior {
    double* __restrict t;
    double* __restrict t_old;
    int n;
    double generation;
};

// The plain form, node by node; returns true when no interior node moved by
// more than the tolerance.  The value just written stays in a register as
// the next node's western neighbour.
bool Plain_Sweep(const Interior& a, double& largest) {
    double* __restrict t = a.t;
    double* __restrict t_old = a.t_old;
    const double generation = a.generation;
    bool settled = true;
    double big = 0.0;
    double west = t[0];
    for (int i = 1; i < a.n - 1; ++i) {
        const double v = (generation + (west + t[i + 1])) / 2.0;
        t[i] = v;
        settled &= std::fabs(v - t_old[i]) <= Tolerance;
        t_old[i] = v;
        big = std::max(big, std::fabs(v));
        west = v;
    }
    largest = big;
    return settled;
}

// The same sweep with the halving carried in the exponent (see above).
bool Scaled_Sweep(const Interior& a, const double* up, const double* down, double& largest) {
    double* __restrict t = a.t;
    double* __restrict t_old = a.t_old;
    bool settled = true;
    double big = 0.0;
    double z = t[0];
    const int last = a.n - 1;  // element of the right face
    for (int i0 = 0; i0 < last - 1; i0 += Block) {
        const int count = std::min(Block, last - 1 - i0);
        const double* __restrict g = up;              // up[j] = 2^(j-1) G, j >= 1
        const double* __restrict scale = up + Block;  // 2^(j-1)
        z = t[i0];
        for (int j = 1; j <= count; ++j) {
            const int i = i0 + j;
            z = g[j] + (z + scale[j] * t[i + 1]);
            const double v = z * down[j];
            t[i] = v;
            settled &= std::fabs(v - t_old[i]) <= Tolerance;
            t_old[i] = v;
            big = std::max(big, std::fabs(v));
        }
    }
    largest = big;
    return settled;
}

}  // namespace

void Solve_Steady_State_1D(const Problem_Definition& p, Steady_1D_Store& s) {
    const int n = To_Int16(p.X_Grid);
    s.Nodes_1D = static_cast<std::int16_t>(n);
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    const double bi_l = (p.h_BC_Left * dx) / k;
    const double bi_r = (p.h_BC_Right * dx) / k;
    const double generation = (dx * dx * p.Q_generation) / k;

    double* t = s.Temperature_1D.Data();  // t[i-1] is node i
    double* t_old = s.Old_Temperature_1D.Data();
    double* x = s.X_Location_1D.Data();
    for (int i = 0; i < n; ++i) {
        t_old[i] = p.Guess_Temp;
        t[i] = p.Guess_Temp;
        x[i] = i * dx;
    }

    // Scale tables of the carried halving: up[j] = 2^(j-1) G and
    // up[Block + j] = 2^(j-1), down[j] = 2^-j.
    double up[2 * Block + 1];
    double down[Block + 1];
    for (int j = 1; j <= Block; ++j) {
        up[Block + j] = std::ldexp(1.0, j - 1);
        up[j] = generation * up[Block + j];
        down[j] = std::ldexp(1.0, -j);
    }
    up[0] = down[0] = 1.0;
    const bool generation_scales = std::fabs(generation) < Scaled_Limit;
    double largest = std::fabs(p.Guess_Temp);

    const Interior interior{t, t_old, n, generation};
    for (int sweep = 0;;) {
        if (sweep == Max_Sweeps) {
            throw Run_Error("no convergence within 32767 sweeps");
        }
        ++sweep;
        s.Sweeps = sweep;
        // Face nodes: no share of the generation, one conduction step dx to
        // the neighbour, which still holds the previous sweep's value.
        switch (p.Left_BC) {
            case BC_Temperature:
                t[0] = p.Temp_BC_Left;
                break;
            case BC_Flux:
                t[0] = (dx * p.Q_BC_Left) / k + t[1];
                break;
            case BC_Convection:
                t[0] = (p.T_Infinity_BC_Left * bi_l + t[1]) / (bi_l + 1.0);
                break;
            default:
                break;
        }
        switch (p.Right_BC) {
            case BC_Temperature:
                t[n - 1] = p.Temp_BC_Right;
                break;
            case BC_Flux:
                t[n - 1] = (dx * p.Q_BC_Right) / k + t[n - 2];
                break;
            case BC_Convection:
                t[n - 1] = (p.T_Infinity_BC_Right * bi_r + t[n - 2]) / (bi_r + 1.0);
                break;
            default:
                break;
        }
        // Every interior value of this sweep is at most twice the largest of
        // the previous sweep's values, the faces and G in magnitude.
        const double bound = std::max({largest, std::fabs(t[0]), std::fabs(t[n - 1])});
        const bool settled = generation_scales && bound < Scaled_Limit
                                 ? Scaled_Sweep(interior, up, down, largest)
                                 : Plain_Sweep(interior, largest);
        // The convergence test covers the interior nodes only; t_old has
        // been refreshed as the sweep went (it is needed again only if the
        // sweep is not final).
        if (settled) {
            break;
        }
    }
    s.Unclamped_1D.assign(t, t + n);
    // Results below 0.01 C, negative ones included, are reported as 0.
    for (int i = 0; i < n; ++i) {
        if (t[i] < 0.01) {
            t[i] = 0.0;
        }
    }
}

}  // namespace calorix
