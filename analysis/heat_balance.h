#pragma once
// Where the heat goes: the rate through each side into the body, the heat
// generated, and their sum, taken from the same cell balances the node
// equations express.  For a converged steady field the sum closes to the
// solver's convergence error; for a transient level the heat stored over the
// last step can be set against what flowed in, to show the scheme's balance.
// Signs: positive into the body.  Units: W per metre of depth for the plate,
// W/m^2 for the wall.
#include <array>
#include <string>

#include "analysis/node_equation.h"

namespace calorix {

struct Side_Rate {
    bool present = false;  // the 1-D kinds have no top or bottom
    double rate = 0;
    int cells = 0;  // flux and convection sides: the cells whose equations carry the side
    int links = 0;  // constant-temperature sides: node links into the cells the solver computes
};

struct Heat_Balance {
    std::array<Side_Rate, 4> sides{};
    double generated = 0;
    double imbalance = 0;  // sides + generated
    double largest = 0;    // the largest of the side rates and the generation, in magnitude
    double percent = 0;    // |imbalance| as a percentage of `largest`
};

// Balance of the field (laid out like the stores) over the cells of the nodes
// the solver computes: a flux side gives q times the length its cells cover,
// a convection side h*(T_inf - T) over its cells, a constant-temperature side
// the conduction from its nodes into their computed neighbours.
Heat_Balance Side_Balance(const Fd_Grid& g, const double* field);

// What a side's rate covers, in words.
std::string Side_Coverage(const Fd_Grid& g, int side, const Side_Rate& r);

struct Step_Balance {
    double stored = 0;        // heat stored since the initial level: J/m (plate), J/m^2 (wall)
    double storage_rate = 0;  // heat stored over the last step / time step
    double inflow = 0;        // sides + generation at the level the scheme takes them from
    double error = 0;         // storage_rate - inflow
};

// Transient level `level` against the level before it (`before`) and the
// initial level (`first`); the heat capacity per volume is k/alpha.  The
// explicit scheme takes its flows from the level before, the implicit one
// from the level it makes.
Step_Balance Transient_Step_Balance(const Fd_Grid& g, const double* first, const double* before,
                                    const double* level);

// Units of the rates and of the stored heat.
const char* Rate_Unit(const Fd_Grid& g);
const char* Energy_Unit(const Fd_Grid& g);

}  // namespace calorix
