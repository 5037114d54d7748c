#pragma once
// Where the heat goes: the rate through each side of the body, the heat
// generated in the whole body, and their sum.
//
// Each side's rate comes from the energy balance of the side's own cells
// (the half cells along it and the quarter cells at its ends): a flux side
// passes q over its length, a convection side h (T_inf - T) over its cells,
// and a side held at a temperature passes whatever its cells send into the
// rest of the body less the heat generated in them.  Corners are shared by
// one rule (Corner_Rule below).  Conduction between cells cancels in the
// sum, so at a converged steady state sides + generation is zero to the
// solver's convergence; a transient step puts the same sum into storage.
//
// Signs: positive into the body.  Units: W per metre of depth for the
// plate, W/m^2 for the wall.
#include <array>

#include "analysis/node_equation.h"

namespace calorix {

struct Side_Rate {
    bool present = false;  // the 1-D kinds have no top or bottom
    double rate = 0;
};

struct Heat_Balance {
    std::array<Side_Rate, 4> sides{};
    double generated = 0;  // g over the whole body
    // The steady wall's flux and convection face equations carry no half
    // cell, so the generation in those half cells (g dx/2 per face) is in no
    // node equation: the sum of the physical flows is off by this much.
    double left_out = 0;
    int faces_left_out = 0;
    double storage_rate = 0;  // transient: heat stored over the step / time step
    double sum = 0;           // sides + generated
    // What the node equations leave unbalanced: steady, sum - left_out (the
    // solver's convergence); transient, sum - storage_rate (the scheme's own
    // balance over the step, zero to rounding for the explicit scheme, to
    // the level solve's tolerance for the implicit one).
    double remainder = 0;
    double largest = 0;  // the largest of the side rates and the generation, in magnitude
};

// The corner rule, in one line.
extern const char* const Corner_Rule;

// A steady field laid out like the stores.  Convection rates are formed
// from the node equation's own algebra, so they stay exact for any h, and
// tend to the constant-temperature side's rate as h grows without bound.
Heat_Balance Side_Balance(const Fd_Grid& g, const double* field);

// The transient step from level `before` to level `level`, with the flows at
// the level the scheme takes them from (explicit: `before`, implicit:
// `level`).  With `before` == `level` (the first level): the flows at that
// level and nothing stored.
Heat_Balance Step_Balance(const Fd_Grid& g, const double* before, const double* level);

// Heat stored in the whole body between two levels: J/m (plate), J/m^2
// (wall); the heat capacity per volume is k/alpha.
double Stored_Heat(const Fd_Grid& g, const double* first, const double* level);

struct Cumulative_Balance {
    double inflow = 0;  // sum over the steps of (sides + generation) * dt
    double stored = 0;  // heat stored since the first level
};

// From the first stored level of a transient run to `level`.
Cumulative_Balance Cumulative_Balance_To(const Fd_Grid& g, const Result_Stores& s, int kind,
                                         int level);

// Units of the rates and of the stored heat.
const char* Rate_Unit(const Fd_Grid& g);
const char* Energy_Unit(const Fd_Grid& g);

}  // namespace calorix
