#include "analysis/node_equation.h"

#include <gtest/gtest.h>

#include <vector>

#include "teach_support.h"

using namespace calorix;
using teach_test::Problem;

namespace {

// A 3 x 3 field T(i, j) = 10 i + j (+ shift), laid out like the stores.
std::vector<double> Field(const Fd_Grid& g, double shift = 0) {
    std::vector<double> t(g.Node_Count());
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            t[g.At(i, j)] = 10 * i + j + shift;
        }
    }
    return t;
}

void All_Sides(Problem_Definition& p, std::int16_t kind) {
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = kind;
}

struct Node_Case {
    const char* setup;
    int i, j;
    const char* symbols;
    const char* substituted;
    double computed;
};

void Check(const Fd_Grid& g, const Node_Case& c, const double* field, const double* old) {
    const Node_Explanation x = Explain_Node(g, c.i, c.j, field, old, "at t = 1 s");
    EXPECT_EQ(x.symbols, c.symbols) << c.setup;
    EXPECT_EQ(x.substituted, c.substituted) << c.setup;
    EXPECT_NEAR(x.computed, c.computed, 1e-12) << c.setup;
    EXPECT_NEAR(x.residual, x.stored - c.computed, 1e-12) << c.setup;
}

}  // namespace

// Plate 3 x 3, dx = 0.01 m, k = 10.  Flux case: q = 1000 on every edge
// (q dx/k = 1), g = 2e5 (G1 = 2, G2 = 1).  Convection case: h = 500
// (Bi = 0.5), T_inf = 100, g = 0.
TEST(NodeEquation, SteadyPlateNodesOfEachBoundaryKind) {
    Problem_Definition flux = Problem(3, 3, 1, 10, 2e5);
    All_Sides(flux, BC_Flux);
    flux.Q_BC_Left = flux.Q_BC_Right = flux.Q_BC_Top = flux.Q_BC_Bottom = 1000;
    Problem_Definition conv = Problem(3, 3, 1, 10, 0);
    All_Sides(conv, BC_Convection);
    conv.h_BC_Left = conv.h_BC_Right = conv.h_BC_Top = conv.h_BC_Bottom = 500;
    conv.T_Infinity_BC_Left = conv.T_Infinity_BC_Right = conv.T_Infinity_BC_Top =
        conv.T_Infinity_BC_Bottom = 100;
    Problem_Definition temp = Problem(3, 3, 1, 10, 0);
    temp.Temp_BC_Left = 100, temp.Temp_BC_Top = 50, temp.Temp_BC_Bottom = 25;
    Problem_Definition mixed = temp;
    mixed.Left_BC = BC_Flux;

    const std::pair<const Problem_Definition*, Node_Case> cases[] = {
        {&flux,
         {"flux interior", 2, 2, "T = (T_W + T_E + T_N + T_S + G1) / (4)",
          "T = (12 + 32 + 21 + 23 + 2) / 4 = 22.5", 22.5}},
        {&flux,
         {"flux bottom edge", 2, 3, "T = (2·N_in + N_a + N_b + 2·q_B·dx/k + G1) / (4)",
          "T = (2·22 + 13 + 33 + 2·1 + 2) / 4 = 23.5", 23.5}},
        {&flux,
         {"flux corner", 1, 3, "T = (N_1 + N_2 + q_B·dx/k + q_L·dx/k + G2) / (2)",
          "T = (23 + 12 + 1 + 1 + 1) / 2 = 19", 19}},
        {&conv,
         {"convection interior", 2, 2, "T = (T_W + T_E + T_N + T_S + G1) / (4)",
          "T = (12 + 32 + 21 + 23 + 0) / 4 = 22", 22}},
        {&conv,
         {"convection left edge", 1, 2, "T = (2·N_in + N_a + N_b + 2·Bi_L·T∞L + G1) / (4 + 2·Bi_L)",
          "T = (2·22 + 11 + 13 + 2·0.5·100 + 0) / 5 = 33.6", 33.6}},
        {&conv,
         {"convection corner", 3, 1,
          "T = (N_1 + N_2 + Bi_T·T∞T + Bi_R·T∞R + G2) / (2 + Bi_T + Bi_R)",
          "T = (21 + 32 + 0.5·100 + 0.5·100 + 0) / 3 = 51", 51}},
        {&temp, {"temperature edge", 2, 1, "T = T_T", "T = 50", 50}},
        {&temp, {"temperature corner", 1, 1, "T = T_L", "T = 100", 100}},
        {&mixed, {"corner of a flux side", 1, 3, "T = T_B", "T = 25", 25}},
    };
    for (const auto& [p, c] : cases) {
        const Fd_Grid g = Make_Grid(*p, Kind_Steady_2D, 3, 3);
        const std::vector<double> t = Field(g);
        Check(g, c, t.data(), nullptr);
    }
}

// Same plates with dx = 0.01 m, alpha = 1e-5: F = 0.1 at dt = 1 s (explicit),
// 0.25 at dt = 2.5 s (implicit).  Old level 10 i + j, new level one more.
TEST(NodeEquation, TransientPlateNodesOfBothSchemes) {
    Problem_Definition flux = Problem(3, 3, 1, 10, 2e5);
    All_Sides(flux, BC_Flux);
    flux.Q_BC_Left = flux.Q_BC_Right = flux.Q_BC_Top = flux.Q_BC_Bottom = 1000;
    flux.Diffusivity = 1e-5;
    flux.Time_Step = 1;
    Problem_Definition conv = flux;
    conv.Bottom_BC = BC_Convection, conv.h_BC_Bottom = 500, conv.T_Infinity_BC_Bottom = 100;
    conv.Q_generation = 0;
    Problem_Definition implicit = flux;
    implicit.Explicit_Scheme = false;
    implicit.Time_Step = 2.5;

    const std::pair<const Problem_Definition*, Node_Case> cases[] = {
        {&flux,
         {"explicit interior", 2, 2, "T' = F·(T_W + T_E + T_N + T_S + G1) + (1 - 4F)·T",
          "T' = 0.1·(12 + 32 + 21 + 23 + 2) + 0.6·22 = 22.2", 22.2}},
        {&flux,
         {"explicit flux edge", 2, 3, "T' = F·(2·N_in + N_a + N_b + 2·q_B·dx/k + G1) + (1 - 4F)·T",
          "T' = 0.1·(2·22 + 13 + 33 + 2·1 + 2) + 0.6·23 = 23.2", 23.2}},
        {&flux,
         {"explicit flux corner", 1, 3,
          "T' = 2F·(N_1 + N_2 + q_B·dx/k + q_L·dx/k + G2) + (1 - 4F)·T",
          "T' = 0.2·(23 + 12 + 1 + 1 + 1) + 0.6·13 = 15.4", 15.4}},
        {&conv,
         {"explicit convection edge", 2, 3,
          "T' = F·(2·N_in + N_a + N_b + 2·Bi_B·T∞B + G1) + (1 - 4F - 2·Bi_B·F)·T",
          "T' = 0.1·(2·22 + 13 + 33 + 2·0.5·100 + 0) + 0.5·23 = 30.5", 30.5}},
        {&implicit,
         {"implicit interior", 2, 2, "T' = (T + F·(T_W + T_E + T_N + T_S + G1)) / (1 + 4F)",
          "T' = (22 + 0.25·(13 + 33 + 22 + 24 + 2)) / 2 = 22.75", 22.75}},
    };
    for (const auto& [p, c] : cases) {
        const Fd_Grid g = Make_Grid(*p, Kind_Transient_2D, 3, 3);
        const std::vector<double> old = Field(g), now = Field(g, 1);
        Check(g, c, now.data(), old.data());
    }
}

TEST(NodeEquation, WallFacesAndInteriorOfBothKinds) {
    // Steady: left face in air, Bi = 1, T_inf = 100; right face at 0.
    Problem_Definition steady = Problem(3, 1, 10, 1, 0);
    steady.Left_BC = BC_Convection, steady.h_BC_Left = 10, steady.T_Infinity_BC_Left = 100;
    const Fd_Grid gs = Make_Grid(steady, Kind_Steady_1D, 3, 1);
    const std::vector<double> t = {200.0 / 3, 100.0 / 3, 0};
    Check(gs,
          {"steady convection face", 1, 1, "T = (N_in + Bi_L·T∞L) / (1 + Bi_L)",
           "T = (33.3333 + 1·100) / 2 = 66.6667", 200.0 / 3},
          t.data(), nullptr);
    Check(gs,
          {"steady interior", 2, 1, "T = (T_W + T_E + G1) / (2)",
           "T = (66.6667 + 0 + 0) / 2 = 33.3333", 100.0 / 3},
          t.data(), nullptr);
    // Transient: left face flux 1000 (q dx/k = 1), F0 = 0.25; the face is a
    // half cell.
    Problem_Definition tr = Problem(3, 1, 1, 10, 0);
    tr.Left_BC = BC_Flux, tr.Q_BC_Left = 1000, tr.Diffusivity = 1e-4, tr.Time_Step = 0.25;
    const Fd_Grid gt = Make_Grid(tr, Kind_Transient_1D, 3, 1);
    const std::vector<double> old = {10, 20, 30}, now = {15.5, 20, 0};
    Check(gt,
          {"transient flux face", 1, 1, "T' = 2F0·(N_in + q_L·dx/k + G2) + (1 - 2F0)·T",
           "T' = 0.5·(20 + 1 + 0) + 0.5·10 = 15.5", 15.5},
          now.data(), old.data());
    Check(gt,
          {"transient interior", 2, 1, "T' = F0·(T_W + T_E + G1) + (1 - 2F0)·T",
           "T' = 0.25·(10 + 30 + 0) + 0.5·20 = 20", 20},
          now.data(), old.data());
}
