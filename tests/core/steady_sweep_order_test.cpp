// The steady solvers reorder their sweeps for speed (carried halving, skewed
// column fronts).  Every node, every sweep count and every convergence
// decision must still be exactly those of the node equations taken node by
// node in the plain order.  The references below are written straight from
// the node equations, with 1-based (i, j) indexing and nothing hoisted.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "common/run_error.h"
#include "input/run_driver.h"
#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"

using namespace calorix;

namespace {

struct Reference {
    std::vector<double> t;  // node i at t[i], or (i, j) at t[i * (ny + 1) + j]
    int sweeps = 0;
    bool failed = false;  // the 32768th sweep would have started
};

Reference Plain_1D(const Problem_Definition& p) {
    const int n = static_cast<int>(std::lround(p.X_Grid));
    const double dx = p.Grid_Size / 100;
    const double k = p.Conductivity;
    const double g = p.Q_generation;
    const double bi_l = (p.h_BC_Left * dx) / k;
    const double bi_r = (p.h_BC_Right * dx) / k;
    Reference r;
    std::vector<double>& T = r.t;
    T.assign(n + 1, p.Guess_Temp);
    std::vector<double> T_old = T;
    for (;;) {
        if (r.sweeps == 32767) {
            r.failed = true;
            return r;
        }
        ++r.sweeps;
        // Random problems use the kinds 1..3 only.
        T[1] = p.Left_BC == 1   ? p.Temp_BC_Left
               : p.Left_BC == 2 ? (dx * p.Q_BC_Left) / k + T[2]
                                : (p.T_Infinity_BC_Left * bi_l + T[2]) / (bi_l + 1);
        T[n] = p.Right_BC == 1   ? p.Temp_BC_Right
               : p.Right_BC == 2 ? (dx * p.Q_BC_Right) / k + T[n - 1]
                                 : (p.T_Infinity_BC_Right * bi_r + T[n - 1]) / (bi_r + 1);
        for (int i = 2; i <= n - 1; ++i) {
            T[i] = ((dx * dx * g) / k + (T[i - 1] + T[i + 1])) / 2;
        }
        bool final = true;
        for (int i = 2; i <= n - 1; ++i) {
            if (!(std::fabs(T[i] - T_old[i]) <= 1e-6))
                final = false;
        }
        if (final)
            break;
        for (int i = 2; i <= n - 1; ++i)
            T_old[i] = T[i];
    }
    for (int i = 1; i <= n; ++i) {
        if (T[i] < 0.01)
            T[i] = 0;
    }
    return r;
}

Reference Plain_2D(const Problem_Definition& p) {
    const int nx = static_cast<int>(std::lround(p.X_Grid));
    const int ny = p.Y_Grid;
    const double dx = p.Grid_Size / 100;
    const double k = p.Conductivity;
    const double G1 = std::pow(dx, 2) * p.Q_generation / k;
    const double G2 = std::pow(dx, 2) * p.Q_generation / (2 * k);
    const double Bi_B = (p.h_BC_Bottom * dx) / k, Bi_R = (p.h_BC_Right * dx) / k;
    const double Bi_T = (p.h_BC_Top * dx) / k, Bi_L = (p.h_BC_Left * dx) / k;
    Reference r;
    r.t.assign(static_cast<std::size_t>(nx + 1) * (ny + 1), p.Guess_Temp);
    std::vector<double> old = r.t;
    auto T = [&](int i, int j) -> double& {
        return r.t[static_cast<std::size_t>(i) * (ny + 1) + j];
    };
    auto T_old = [&](int i, int j) -> double& {
        return old[static_cast<std::size_t>(i) * (ny + 1) + j];
    };
    // S and B of an edge in a corner balance.
    auto S = [&](int kind, double q, double bi, double t_inf) {
        return kind == 2 ? q * dx / k : bi * t_inf;
    };
    auto B = [&](int kind, double bi) { return kind == 2 ? 0.0 : bi; };
    auto edge = [&](int kind, double q, double bi, double t_inf, double n_in, double a, double b) {
        if (kind == 2)
            return (2 * n_in + a + b + 2 * q * dx / k + G1) / 4;
        return (2 * n_in + a + b + 2 * bi * t_inf + G1) / (2 * bi + 4);
    };
    // Horizontal edge j (inward row j_in) with its corners against the left and right edges.
    auto horizontal = [&](int kind, double temp, double q, double bi, double t_inf, int j,
                          int j_in) {
        if (kind == 1) {
            for (int i = 1; i <= nx; ++i)
                T(i, j) = temp;
            return;
        }
        if (p.Left_BC == 1) {
            T(1, j) = p.Temp_BC_Left;
        } else {
            T(1, j) = (T(2, j) + T(1, j_in) + S(kind, q, bi, t_inf) +
                       S(p.Left_BC, p.Q_BC_Left, Bi_L, p.T_Infinity_BC_Left) + G2) /
                      (2 + B(kind, bi) + B(p.Left_BC, Bi_L));
        }
        if (p.Right_BC == 1) {
            T(nx, j) = p.Temp_BC_Right;
        } else {
            T(nx, j) = (T(nx - 1, j) + T(nx, j_in) + S(kind, q, bi, t_inf) +
                        S(p.Right_BC, p.Q_BC_Right, Bi_R, p.T_Infinity_BC_Right) + G2) /
                       (2 + B(kind, bi) + B(p.Right_BC, Bi_R));
        }
        for (int i = 2; i <= nx - 1; ++i)
            T(i, j) = edge(kind, q, bi, t_inf, T(i, j_in), T(i - 1, j), T(i + 1, j));
    };
    auto vertical = [&](int kind, double temp, double q, double bi, double t_inf, int i, int i_in) {
        if (kind == 1) {
            for (int j = 1; j <= ny; ++j)
                T(i, j) = temp;
            return;
        }
        for (int j = 2; j <= ny - 1; ++j)
            T(i, j) = edge(kind, q, bi, t_inf, T(i_in, j), T(i, j - 1), T(i, j + 1));
    };
    for (;;) {
        if (r.sweeps == 32767) {
            r.failed = true;
            return r;
        }
        ++r.sweeps;
        horizontal(p.Bottom_BC, p.Temp_BC_Bottom, p.Q_BC_Bottom, Bi_B, p.T_Infinity_BC_Bottom, ny,
                   ny - 1);
        horizontal(p.Top_BC, p.Temp_BC_Top, p.Q_BC_Top, Bi_T, p.T_Infinity_BC_Top, 1, 2);
        vertical(p.Left_BC, p.Temp_BC_Left, p.Q_BC_Left, Bi_L, p.T_Infinity_BC_Left, 1, 2);
        vertical(p.Right_BC, p.Temp_BC_Right, p.Q_BC_Right, Bi_R, p.T_Infinity_BC_Right, nx,
                 nx - 1);
        for (int i = 2; i <= nx - 1; ++i) {
            for (int j = 2; j <= ny - 1; ++j) {
                T(i, j) = (T(i + 1, j) + T(i - 1, j) + T(i, j + 1) + T(i, j - 1) + G1) / 4;
            }
        }
        bool final = true;
        for (int i = 2; i <= nx - 1; ++i) {
            for (int j = 2; j <= ny - 1; ++j) {
                if (!(std::fabs(T(i, j) - T_old(i, j)) <= 1e-6))
                    final = false;
            }
        }
        if (final)
            return r;
        for (int i = 2; i <= nx - 1; ++i) {
            for (int j = 2; j <= ny - 1; ++j)
                T_old(i, j) = T(i, j);
        }
    }
}

bool Same_Bits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

template <typename Solve>
bool Fails(Solve solve) {
    try {
        solve();
    } catch (const Run_Error&) {
        return true;
    }
    return false;
}

// A random problem with every side's kind, temperature, flux, film and
// generation drawn independently.
class Random_Problems : public ::testing::Test {
  protected:
    std::mt19937_64 rng{20261206};
    double Uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    }
    int Whole(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    Problem_Definition Draw(bool generation) {
        Problem_Definition p;
        p.Grid_Size = Uniform(0.5, 5);
        p.Conductivity = Uniform(0.5, 50);
        p.Q_generation = generation ? Uniform(-2e4, 1e5) : 0.0;
        p.Guess_Temp = Uniform(-20, 120);
        std::int16_t* kinds[] = {&p.Left_BC, &p.Right_BC, &p.Top_BC, &p.Bottom_BC};
        double* temps[] = {&p.Temp_BC_Left, &p.Temp_BC_Right, &p.Temp_BC_Top, &p.Temp_BC_Bottom};
        double* fluxes[] = {&p.Q_BC_Left, &p.Q_BC_Right, &p.Q_BC_Top, &p.Q_BC_Bottom};
        double* films[] = {&p.h_BC_Left, &p.h_BC_Right, &p.h_BC_Top, &p.h_BC_Bottom};
        double* ambients[] = {&p.T_Infinity_BC_Left, &p.T_Infinity_BC_Right, &p.T_Infinity_BC_Top,
                              &p.T_Infinity_BC_Bottom};
        for (int side = 0; side < 4; ++side) {
            *kinds[side] = static_cast<std::int16_t>(Whole(1, 3));
            *temps[side] = Uniform(-30, 200);
            *fluxes[side] = Uniform(-3000, 3000);
            // Grid Biot numbers from 0.05 to 2 keep the convergence quick.
            *films[side] = Uniform(0.05, 2) * p.Conductivity / (p.Grid_Size / 100);
            *ambients[side] = Uniform(-30, 200);
        }
        return p;
    }
};

TEST_F(Random_Problems, WallMatchesThePlainSweepBitForBit) {
    for (int trial = 0; trial < 120; ++trial) {
        Problem_Definition p = Draw(trial % 2 == 1);
        p.X_Grid = Whole(3, 60);
        if (trial % 10 == 1) {
            // Values near the top of the double range, where the sweep
            // changes its form: a guess of 3e290 falling towards a profile
            // of about 1e270 set by G = 1e268.
            p.Guess_Temp = 3e290;
            p.Q_generation = 1e268 * p.Conductivity / std::pow(p.Grid_Size / 100, 2);
        }
        const Reference want = Plain_1D(p);
        Result_Stores stores;
        Dimension_Steady_1D(p, stores);
        const bool failed = Fails([&] { Solve_Steady_State_1D(p, stores.Steady_1D); });
        const Steady_1D_Store& s = stores.Steady_1D;
        ASSERT_EQ(failed, want.failed) << "trial " << trial;
        ASSERT_EQ(s.Sweeps, want.sweeps) << "trial " << trial;
        for (int i = 1; i <= s.Nodes_1D; ++i) {
            ASSERT_TRUE(Same_Bits(s.Temperature_1D(i), want.t[i]))
                << "trial " << trial << " node " << i << ": " << s.Temperature_1D(i) << " vs "
                << want.t[i];
        }
    }
}

TEST_F(Random_Problems, PlateMatchesThePlainSweepBitForBit) {
    int limit_runs = 0;
    for (int trial = 0; trial < 24; ++trial) {
        Problem_Definition p = Draw(trial % 2 == 1);
        p.X_Grid = Whole(3, 60);
        p.Y_Grid = static_cast<std::int16_t>(Whole(3, 60));
        if (trial % 12 == 0) {
            p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Flux;
        }
        const bool held = p.Left_BC != 2 || p.Right_BC != 2 || p.Top_BC != 2 || p.Bottom_BC != 2;
        if (!held) {
            // Flux on every edge has no steady state: such plates run to the
            // sweep limit, which is checked on small ones only.
            p.X_Grid = Whole(3, 8);
            p.Y_Grid = static_cast<std::int16_t>(Whole(3, 8));
        }
        const Reference want = Plain_2D(p);
        Result_Stores stores;
        Dimension_Steady_2D(p, stores);
        const bool failed = Fails([&] { Solve_Steady_State_2D(p, stores.Steady_2D); });
        const Steady_2D_Store& s = stores.Steady_2D;
        limit_runs += failed;
        ASSERT_EQ(failed, want.failed) << "trial " << trial;
        ASSERT_EQ(s.Sweeps, want.sweeps) << "trial " << trial;
        for (int i = 1; i <= s.X_Nodes_2D; ++i) {
            for (int j = 1; j <= s.Y_Nodes_2D; ++j) {
                const double w = want.t[static_cast<std::size_t>(i) * (s.Y_Nodes_2D + 1) + j];
                ASSERT_TRUE(Same_Bits(s.Temperature_2D(i, j), w))
                    << "trial " << trial << " node " << i << "," << j << ": "
                    << s.Temperature_2D(i, j) << " vs " << w;
            }
        }
    }
    EXPECT_GT(limit_runs, 0);  // the sweep limit was met and matched at least once
}

}  // namespace
