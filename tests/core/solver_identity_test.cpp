// The solvers reorder their sweeps for speed.  Every node, every stored
// level, every sweep count and every convergence decision must still be
// exactly those of the node equations taken node by node in the plain order
// (solvers/reference_sweeps).  Random walls and plates: every side kind,
// generation on and off.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "common/run_error.h"
#include "input/run_driver.h"
#include "solvers/reference_sweeps.h"
#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"
#include "solvers/transient_state_conduction_1d.h"
#include "solvers/transient_state_conduction_2d.h"
#include "solvers/wavefront.h"
#include "tests/core/test_dialogs.h"

using namespace calorix;

namespace {

template <typename Solve>
bool Fails(Solve solve) {
    try {
        solve();
    } catch (const Run_Error&) {
        return true;
    }
    return false;
}

// Number of values of a and b (count n each) whose bits differ.
std::size_t Differing(const double* a, const double* b, std::size_t n) {
    std::size_t d = 0;
    for (std::size_t k = 0; k < n; ++k) {
        d += std::memcmp(a + k, b + k, sizeof(double)) != 0;
    }
    return d;
}

// The plate sweeps run in one of two builds; odd trials force the baseline
// one.  This machine is expected to have AVX2, so that both builds run.
class Random_Problems : public ::testing::Test {
  protected:
    void Use_Build(int trial) {
        wavefront::Force_Baseline(trial % 2 == 1);
        ASSERT_EQ(wavefront::Active_Build(),
                  trial % 2 == 1 ? wavefront::Build::Baseline : wavefront::Build::AVX2);
    }
    void TearDown() override { wavefront::Force_Baseline(false); }
    std::mt19937_64 rng{20261206};
    double Uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    }
    int Whole(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    // Every side's kind, temperature, flux, film and the generation drawn
    // independently; grid Biot numbers 0.05 to 2 keep the convergence quick.
    Problem_Definition Draw(bool generation) {
        Problem_Definition p;
        p.Grid_Size = Uniform(0.5, 5);
        p.Conductivity = Uniform(0.5, 50);
        p.Q_generation = generation ? Uniform(-2e4, 1e5) : 0.0;
        p.Guess_Temp = Uniform(-20, 120);
        p.Initial_Temp = p.Guess_Temp;
        p.Diffusivity = 1e-4;
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
            *films[side] = Uniform(0.05, 2) * p.Conductivity / (p.Grid_Size / 100);
            *ambients[side] = Uniform(-30, 200);
        }
        return p;
    }
};

TEST_F(Random_Problems, WallMatchesThePlainSweepBitForBit) {
    for (int trial = 0; trial < 60; ++trial) {
        Problem_Definition p = Draw(trial % 2 == 1);
        p.X_Grid = trial == 3 ? 300 : Whole(3, 40);
        if (trial % 10 == 1) {
            // Values near the top of the double range: a guess of 3e290
            // falling towards a profile of about 1e270 set by G = 1e268.
            p.Guess_Temp = 3e290;
            p.Q_generation = 1e268 * p.Conductivity / std::pow(p.Grid_Size / 100, 2);
        }
        Result_Stores want, got;
        Dimension_Steady_1D(p, want);
        Dimension_Steady_1D(p, got);
        const bool failed = Fails([&] { reference::Solve_Steady_1D(p, want.Steady_1D); });
        ASSERT_EQ(Fails([&] { Solve_Steady_State_1D(p, got.Steady_1D); }), failed) << trial;
        ASSERT_EQ(got.Steady_1D.Sweeps, want.Steady_1D.Sweeps) << trial;
        EXPECT_EQ(Differing(got.Steady_1D.Temperature_1D.Data(),
                            want.Steady_1D.Temperature_1D.Data(), std::size_t(p.X_Grid)),
                  0u)
            << trial;
    }
}

TEST_F(Random_Problems, PlateMatchesThePlainSweepBitForBit) {
    int limit_runs = 0;
    for (int trial = 0; trial < 30; ++trial) {
        Problem_Definition p = Draw(trial % 2 == 1);
        p.X_Grid = Whole(3, 40);
        p.Y_Grid = static_cast<std::int16_t>(Whole(3, 40));
        if (trial % 12 == 0) {
            // Flux on every edge has no steady state: such plates run to the
            // sweep limit, which is checked on small ones only.
            p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Flux;
            p.X_Grid = Whole(3, 8);
            p.Y_Grid = static_cast<std::int16_t>(Whole(3, 8));
        } else if (trial % 12 == 5) {
            // Long thin plates, held across their short way.
            const bool wide = trial % 24 == 5;
            p.X_Grid = wide ? 300 : 12;
            p.Y_Grid = wide ? 4 : 300;
            (wide ? p.Top_BC : p.Left_BC) = BC_Temperature;
        } else if (trial % 12 == 7) {
            // Three nodes across: one interior node per diagonal, and on a
            // 3 x 3 plate the first diagonal is also the last.
            p.X_Grid = 3;
            p.Y_Grid = static_cast<std::int16_t>(trial == 7 ? 3 : Whole(4, 9));
        }
        Use_Build(trial / 3 + trial / 12);
        Result_Stores want, got;
        Dimension_Steady_2D(p, want);
        Dimension_Steady_2D(p, got);
        const bool failed = Fails([&] { reference::Solve_Steady_2D(p, want.Steady_2D); });
        limit_runs += failed;
        ASSERT_EQ(Fails([&] { Solve_Steady_State_2D(p, got.Steady_2D); }), failed) << trial;
        ASSERT_EQ(got.Steady_2D.Sweeps, want.Steady_2D.Sweeps) << trial;
        EXPECT_EQ(
            Differing(got.Steady_2D.Temperature_2D.Data(), want.Steady_2D.Temperature_2D.Data(),
                      want.Steady_2D.Temperature_2D.Size()),
            0u)
            << trial << ": " << p.X_Grid << " x " << p.Y_Grid;
    }
    EXPECT_GT(limit_runs, 0);  // the sweep limit was met and matched at least once
}

TEST_F(Random_Problems, TransientRunsStoreThePlainLevelsBitForBit) {
    for (int trial = 0; trial < 32; ++trial) {
        Problem_Definition p = Draw(trial % 2 == 1);
        p.Kind = trial % 4 < 2 ? Kind_Transient_1D : Kind_Transient_2D;
        p.Explicit_Scheme = trial % 8 >= 6;
        const bool large = trial % 8 == 2 || trial % 8 == 3;
        p.X_Grid = large ? 300 : Whole(3, 40);
        p.Y_Grid = static_cast<std::int16_t>(large && trial % 16 == 3 ? 300 : Whole(3, 40));
        // F from 0.02 to 3 implicit; explicit within its stability limit.
        const double dx = p.Grid_Size / 100;
        const double f = p.Explicit_Scheme ? Uniform(0.01, 0.1) : Uniform(0.02, 3);
        p.Time_Step = f * dx * dx / p.Diffusivity;
        p.Number_Of_Time_Steps = large ? 2 : Whole(0, 6);
        Use_Build(trial / 8);
        Result_Stores want, got;
        fakes::Scripted_Dialogs dialogs;
        Clear_Float_Faults();  // earlier trials may leave an overflow flag
        if (p.Kind == Kind_Transient_1D) {
            Dimension_Transient_1D(p, want);
            Dimension_Transient_1D(p, got);
            reference::Solve_Transient_1D(p, want.Transient_1D);
            Solve_Transient_1D(p, got, dialogs);
            const Level_Lines& a = got.Transient_1D.Temperature_History_1D;
            EXPECT_EQ(got.Transient_1D.Implicit_Sweeps, want.Transient_1D.Implicit_Sweeps);
            EXPECT_EQ(
                Differing(a.Level(1), want.Transient_1D.Temperature_History_1D.Level(1), a.Size()),
                0u)
                << trial;
            // The store's last iterate line is the run's as well.
            EXPECT_EQ(
                Differing(got.Transient_1D.Iterate_Temperature_T1D.Data(),
                          want.Transient_1D.Iterate_Temperature_T1D.Data(), std::size_t(p.X_Grid)),
                0u)
                << trial;
        } else {
            Dimension_Transient_2D(p, want);
            Dimension_Transient_2D(p, got);
            reference::Solve_Transient_2D(p, want.Transient_2D);
            Solve_Transient_2D(p, got, dialogs);
            const Level_Planes& a = got.Transient_2D.Temperature_History_2D;
            EXPECT_EQ(got.Transient_2D.Implicit_Sweeps, want.Transient_2D.Implicit_Sweeps);
            EXPECT_EQ(
                Differing(a.Level(0), want.Transient_2D.Temperature_History_2D.Level(0), a.Size()),
                0u)
                << trial << ": " << p.X_Grid << " x " << p.Y_Grid;
            EXPECT_EQ(Differing(got.Transient_2D.New_Temperature_T2D.Data(),
                                want.Transient_2D.New_Temperature_T2D.Data(), a.Plane_Size()),
                      0u);
        }
        EXPECT_TRUE(dialogs.questions.empty()) << trial;
    }
}

}  // namespace
