#include "solvers/transient_state_conduction_1d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/run_error.h"
#include "input/run_driver.h"
#include "tests/core/transient_test_support.h"

using namespace calorix;
using transient_test::Scripted_Dialogs;

namespace {

// The three questions of the stability chain.
std::string Message(const char* condition) {
    return std::string("Stability condition violated.... 2xF0") + condition +
           " must be less than or equal to 1 ... Do you want to proceed ?";
}
const std::string Message_1 = Message(""), Message_2 = Message(" + 2xBi_RightxF0"),
                  Message_3 = Message(" + 2xBi_LeftxF0");

// The 1-D transient tab (F0 = dt): both faces held at 0, wall starting at 100.
Input_Form_State Wall_Form(const char* nodes, const char* dt, const char* steps,
                           bool explicit_scheme = true) {
    return transient_test::Transient_Form(Kind_Transient_1D, nodes, "", dt, steps, explicit_scheme,
                                          "100", "0");
}

Side_Inputs& Face(Input_Form_State& f, int side) {
    return f.Sides[4 * Kind_Transient_1D + side];
}

struct Wall_Run : transient_test::Transient_Run {
    using Transient_Run::Transient_Run;
    double T(int level, int node) const {
        return stores.Transient_1D.Temperature_History_1D(level, node);
    }
};

// A wall defined directly, for the solver alone.
Problem_Definition Wall(int nodes, double dt, double steps, bool explicit_scheme) {
    Problem_Definition p;
    p.Kind = Kind_Transient_1D;
    p.Grid_Size = 1;
    p.X_Grid = nodes;
    p.Conductivity = 10;
    p.Initial_Temp = 100;
    p.Diffusivity = 0.0001;
    p.Time_Step = dt;
    p.Number_Of_Time_Steps = steps;
    p.Explicit_Scheme = explicit_scheme;
    p.Left_BC = BC_Temperature;
    p.Right_BC = BC_Temperature;
    return p;
}

void Solve(Problem_Definition& p, Result_Stores& stores, Scripted_Dialogs& dialogs) {
    transient_test::Solve_Alone(p, stores, dialogs, Solve_Transient_1D);
}

// Half-cell weighted sum of a level: the wall's heat content over rho*c*dx.
double Heat_Content(const Result_Stores& stores, int level) {
    const Level_Lines& h = stores.Transient_1D.Temperature_History_1D;
    const int n = h.Nodes();
    double sum = 0.5 * (h(level, 1) + h(level, n));
    for (int i = 2; i < n; ++i) {
        sum += h(level, i);
    }
    return sum;
}

}  // namespace

// Which questions a run asks: 2 F0 of exactly 1 passes; each Biot number
// counts whatever its face's kind (h = 500 gives Bi = 0.5: 0.8 + 0.4 = 1.2
// at F0 = 0.4); Yes to every question asks all three in order, Yes being the
// default button; the implicit scheme never asks, even at F0 = 10.  An
// accepted explicit step runs: node 2 of level 2 is (1 - 2 F0) 100 + F0 100.
TEST(Transient1DStability, QuestionsFollowTheThreeConditions) {
    struct Case {
        const char* dt;
        const char* h_left;
        const char* h_right;
        bool explicit_scheme;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {"0.5", "0", "0", true, {}},
        {"0.4", "0", "500", true, {Message_2}},
        {"0.4", "500", "0", true, {Message_3}},
        {"0.6", "0", "0", true, {Message_1, Message_2, Message_3}},
        {"10", "500", "500", false, {}},
    };
    for (const Case& c : cases) {
        Input_Form_State f = Wall_Form("5", c.dt, "2", c.explicit_scheme);
        Face(f, Side_Left).h_Text = c.h_left;
        Face(f, Side_Right).h_Text = c.h_right;
        Wall_Run r(f);
        EXPECT_EQ(r.outcome, Run_Outcome::Solved);
        EXPECT_EQ(r.p.Stability_Message_Flag, 0);
        EXPECT_EQ(r.dialogs.questions, c.asked) << c.dt;
        EXPECT_EQ(r.dialogs.yes_defaults, std::vector<bool>(c.asked.size(), true));
        if (c.explicit_scheme) {
            EXPECT_NEAR(r.T(2, 2), 100.0 - 100.0 * std::stod(c.dt), 1e-12) << c.dt;
        }
    }
}

TEST(Transient1DStability, NoAtAnyMessageStopsBeforeTheArraysAreWritten) {
    for (int refused = 0; refused < 3; ++refused) {
        std::deque<bool> answers(static_cast<std::size_t>(refused), true);
        answers.push_back(false);
        Problem_Definition p = Wall(5, 0.6, 2, true);
        Result_Stores stores;
        Dimension_Transient_1D(p, stores);
        Level_Lines& h = stores.Transient_1D.Temperature_History_1D;
        std::fill(h.Level(1), h.Level(1) + h.Size(), -7.0);
        Scripted_Dialogs dialogs(answers);
        Solve_Transient_1D(p, stores, dialogs);
        EXPECT_EQ(p.Stability_Message_Flag, 1);
        EXPECT_EQ(dialogs.questions.size(), static_cast<std::size_t>(refused + 1));
        EXPECT_TRUE(
            std::all_of(h.Level(1), h.Level(1) + h.Size(), [](double v) { return v == -7.0; }));
        EXPECT_EQ(stores.Transient_1D.X_Location_T1D(2), 0.0);
        // The numbers of the run are stored before the question.
        EXPECT_EQ(stores.Transient_1D.Nodes_T1D, 5);
        EXPECT_EQ(stores.Transient_1D.Time_Steps_T1D, 2);
        EXPECT_DOUBLE_EQ(stores.Delta_Time, 0.6);
        EXPECT_NEAR(stores.Fourier_Number, 0.6, 1e-12);
    }
}

// Level 1 is the initial profile with the fixed faces applied; a step count
// below one half stores that level alone, which the presentation counts as
// one stored level.
TEST(Transient1DRun, StoreShapeAndFirstLevel) {
    for (bool explicit_scheme : {true, false}) {
        Input_Form_State f = Wall_Form("4", "0.25", "6", explicit_scheme);
        Face(f, Side_Left).T_Text = "40";
        Wall_Run r(f);
        f.Tabs[Kind_Transient_1D].Number_Of_Time_Steps_Text = "0.3";
        Wall_Run none(f);
        ASSERT_EQ(r.outcome, Run_Outcome::Solved);
        ASSERT_EQ(none.outcome, Run_Outcome::Solved);
        const Transient_1D_Store& s = r.stores.Transient_1D;
        EXPECT_EQ(s.Nodes_T1D, 4);
        EXPECT_EQ(s.Temperature_History_1D.Size(), 7u * 4u);
        EXPECT_EQ(none.stores.Transient_1D.Temperature_History_1D.Size(), 4u);
        EXPECT_EQ(none.stores.Transient_1D.Time_Steps_T1D, 1);
        for (int i = 1; i <= 4; ++i) {
            EXPECT_NEAR(s.X_Location_T1D(i), (i - 1) * 0.01, 1e-15);
            const double first = i == 1 ? 40.0 : i == 4 ? 0.0 : 100.0;
            EXPECT_EQ(r.T(1, i), first);
            EXPECT_EQ(none.T(1, i), first);
        }
    }
}

TEST(Transient1DBoth, SuddenlyCooledSlabFollowsTheErfSolution) {
    // A 1 m slab at 100 C whose faces drop to 0 C.  While the cooling has
    // reached only part of the slab, each face acts as the surface of a
    // semi-infinite solid and the two erf profiles add:
    //   T = 100 [erf(x / 2 sqrt(a t)) + erf((L - x) / 2 sqrt(a t)) - 1].
    // After t = 400 s, sqrt(a t) = 0.2 m; the further images are below 1e-9.
    struct Case {
        const char* dt;
        const char* steps;
        bool explicit_scheme;
    };
    for (const Case& c : {Case{"0.5", "800", true}, Case{"1", "400", false}}) {
        Wall_Run r(Wall_Form("101", c.dt, c.steps, c.explicit_scheme));
        ASSERT_EQ(r.outcome, Run_Outcome::Solved);
        const int last = r.stores.Transient_1D.Temperature_History_1D.Levels();
        const double spread = 2.0 * std::sqrt(1e-4 * 400.0);
        for (int i : {6, 11, 21, 41, 51}) {
            const double x = 0.01 * (i - 1);
            const double exact =
                100.0 * (std::erf(x / spread) + std::erf((1.0 - x) / spread) - 1.0);
            // dx = 1 cm against a 40 cm spread: the scheme is within 0.15 C.
            EXPECT_NEAR(r.T(last, i), exact, 0.15)
                << "node " << i << (c.explicit_scheme ? " explicit" : " implicit");
        }
    }
}

TEST(Transient1DBoth, ConvectionFaceReachesItsSteadyFilmBalance) {
    // Left face at 100, right face to 20 C air with Bi = h dx / k = 0.1 over a
    // wall of 10 dx: the steady profile is linear with k (T_1 - T_N) / L =
    // h (T_N - 20), so T_N = (100 + 1 * 20) / 2 = 60 (h L / k = 1).
    for (bool explicit_scheme : {true, false}) {
        Input_Form_State f = Wall_Form("11", explicit_scheme ? "0.4" : "2",
                                       explicit_scheme ? "999" : "400", explicit_scheme);
        Face(f, Side_Left).T_Text = "100";
        Face(f, Side_Right).Choice = BC_Convection;
        Face(f, Side_Right).h_Text = "100";
        Face(f, Side_Right).T_Infinity_Text = "20";
        Wall_Run r(f);
        ASSERT_EQ(r.outcome, Run_Outcome::Solved);
        const int last = r.stores.Transient_1D.Temperature_History_1D.Levels();
        for (int i = 1; i <= 11; ++i) {
            EXPECT_NEAR(r.T(last, i), 100.0 - 4.0 * (i - 1), 2e-3) << "node " << i;
        }
    }
}

TEST(Transient1DBoth, HeatContentRisesByTheFluxAndTheGeneration) {
    // Heat in per step q_L dt + q_R dt + g L dt; over rho c dx that is
    // F0 dx (q_L + q_R) / k + F0 G1 (N - 1) in the half-cell weighted sum of
    // the node temperatures: every node, faces included, gains G1 F0.
    for (bool explicit_scheme : {true, false}) {
        Problem_Definition p = Wall(8, 0.2, 30, explicit_scheme);
        p.Left_BC = BC_Flux;
        p.Right_BC = BC_Flux;
        p.Q_BC_Left = 3000;    // dx q / k = 3
        p.Q_BC_Right = -1000;  // dx q / k = -1
        p.Q_generation = 1e6;  // G1 = 1e-4 * 1e6 / 10 = 10
        Result_Stores stores;
        Scripted_Dialogs dialogs;
        Solve(p, stores, dialogs);
        const double per_step = 0.2 * (3.0 - 1.0) + 0.2 * 10 * 7;
        const double tolerance = explicit_scheme ? 1e-9 : 2e-3;
        for (int level = 2; level <= 31; ++level) {
            EXPECT_NEAR(Heat_Content(stores, level) - Heat_Content(stores, level - 1), per_step,
                        tolerance)
                << "level " << level;
        }
        // Heat enters on the left and leaves on the right: the left face is
        // the warmest node at the end.
        const Level_Lines& h = stores.Transient_1D.Temperature_History_1D;
        EXPECT_GT(h(31, 1), h(31, 2));
        EXPECT_GT(h(31, 7), h(31, 8));
    }
}

TEST(Transient1DFailures, RunawayExplicitRunEndsWithTheRunMessage) {
    Input_Form_State f = Wall_Form("21", "5", "999");  // F0 = 5, the user says Yes
    Wall_Run r(f);
    EXPECT_EQ(r.dialogs.questions.size(), 3u);
    EXPECT_EQ(r.outcome, Run_Outcome::Failed);
    ASSERT_EQ(r.dialogs.messages.size(), 1u);
    EXPECT_EQ(r.dialogs.messages[0], Memory_Message);
}

// One implicit step of a 3-node wall, insulated left face, right face held at
// Ti = 0, F0 = 5, so that every sweep maps the iterate exactly: the face
// takes 10/11 of the middle node and the middle 5/11 of the face, so the
// middle node shrinks by r = 50/121 per sweep from the first iterate Ti + 5.
// The face changes most, and the test over all nodes, faces included, first
// passes at sweep 14 (the middle node alone would pass at 13).  After K = 14
// sweeps: middle 5 r^14, face (10/11) 5 r^13.
TEST(Transient1DImplicit, FirstIterateAndSettlingTestByHand) {
    Input_Form_State f = Wall_Form("3", "5", "1", false);
    f.Tabs[Kind_Transient_1D].Guess_Initial_Temperature_Text = "0";
    Face(f, Side_Left).Choice = BC_Flux;
    Face(f, Side_Left).q_Text = "0";
    Wall_Run r(f);
    ASSERT_EQ(r.outcome, Run_Outcome::Solved);
    EXPECT_EQ(r.stores.Transient_1D.Implicit_Sweeps, 14);
    const double ratio = 50.0 / 121.0;
    EXPECT_NEAR(r.T(2, 2), 5 * std::pow(ratio, 14), 1e-15);
    EXPECT_NEAR(r.T(2, 1), 10.0 / 11 * 5 * std::pow(ratio, 13), 1e-15);
}

// The convection face of the implicit scheme divides by 2 F0 Bi + 1 + 2 F0.
// F0 = 1, Bi = 1, T_inf = 100, right face at 0, wall at 0: the settled step
// solves 5 T1 = 200 + 2 T2 and 3 T2 = T1, so T1 = 600/13 and T2 = 200/13.
TEST(Transient1DImplicit, ConvectionFaceStepByHand) {
    Input_Form_State f = Wall_Form("3", "1", "1", false);
    f.Tabs[Kind_Transient_1D].Guess_Initial_Temperature_Text = "0";
    Face(f, Side_Left).Choice = BC_Convection;
    Face(f, Side_Left).h_Text = "1000";  // Bi = h dx / k = 1000 * 0.01 / 10
    Face(f, Side_Left).T_Infinity_Text = "100";
    Wall_Run r(f);
    ASSERT_EQ(r.outcome, Run_Outcome::Solved);
    EXPECT_NEAR(r.T(2, 1), 600.0 / 13, 1e-3);
    EXPECT_NEAR(r.T(2, 2), 200.0 / 13, 1e-3);
}
