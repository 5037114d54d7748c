#pragma once
// The time step of a transient run: the explicit and implicit schemes of
// the run's node equations at the step as typed, halved and quartered, at
// one node at the run's last time, with the observed order in time; the
// largest explicit step the stability conditions allow on this grid; and,
// for a wall cooled or heated by one fluid (convection on both faces alike,
// or on one face with the other insulated), the exact series solution.
#include <array>
#include <atomic>
#include <string>

#include "analysis/node_equation.h"
#include "analysis/node_system.h"

namespace calorix {

// The n-th root (n = 1, 2, ...) of z tan z = Bi, in ((n-1) pi, (n-1) pi + pi/2).
double Plane_Wall_Eigenvalue(double bi, int n);

// (T - T_inf) / (T_i - T_inf) in a plane wall of half-thickness L cooled on
// both faces (or insulated at x = 0), at x/L and Fo = alpha t / L^2, from
// the first `terms` terms of the series.
double Plane_Wall_Theta(double bi, double fo, double x_over_l, int terms = 50);

// The exact temperature of the run's wall at node i and time t, when the
// series applies (no generation, one fluid as above); false otherwise.
bool Wall_Series_Value(const Fd_Grid& g, double initial, int i, double t, double& value);

// The largest time step for which the program's own stability check on
// this grid passes (its values at most 1), in seconds.  The check counts the
// heat-transfer coefficient typed for every side, whatever the side's kind.
double Largest_Stable_Time_Step(const Fd_Grid& g);

// The largest time step for which the explicit scheme keeps, at every node
// that is not held, a non-negative share of the node's old temperature in its
// new one (the textbook stability rule, 1 - F d / cell >= 0 on the run's own
// node equations), in seconds; infinity when every node is held.
double Largest_Positive_Time_Step(const Node_System& s);

struct Time_Step_Study {
    bool ok = false;
    std::string message;
    double end_time = 0;
    std::array<double, 3> dt{};
    std::array<double, 3> explicit_value{}, implicit_value{};
    std::array<bool, 3> explicit_stable{};
    double explicit_order = 0, implicit_order = 0;
    bool has_exact = false;
    double exact = 0;
    double largest_stable = 0;   // by the node equations
    double largest_checked = 0;  // by the program's stability check
};

// Work above this many node updates (all six runs) is not done here.
inline constexpr double Time_Study_Work_Limit = 6e7;

Time_Step_Study Study_Time_Steps(const Fd_Grid& g, double initial, int steps, int i, int j,
                                 const std::atomic<bool>* cancel = nullptr);

}  // namespace calorix
