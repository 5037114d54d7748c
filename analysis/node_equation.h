#pragma once
// The finite-difference equation of each node, as the solvers of the four
// kinds iterate it, in one common form: the energy balance of the node's cell
//
//   sum_n w_n (T_n - T) + sum_sides (s - c T) + gen = cell * (dT/dt) / F
//
// with every term divided by the conductivity (and, for the wall, scaled to
// its node spacing).  w are the conductances to the neighbours (1 across a
// whole cell face, 1/2 across the face of a half cell), s and c the source
// and the coefficient of a flux or convection side over the part of the side
// the cell covers, gen the heat generated in the cell and `cell` its share of
// a whole cell (1 interior, 1/2 edge or transient face, 1/4 corner, 0 for
// the steady wall's faces, which carry no half cell).  The solver writes the
// same equation multiplied by `scale`.  The heat balance, the exact solve of
// the node equations and the equation explainer all read this one form, so
// they cannot drift apart from each other.
#include <array>
#include <cstdint>
#include <string>

#include "common/problem_definition.h"
#include "solvers/result_stores.h"

namespace calorix {

// One side of the wall or plate as its node equations see it.
struct Grid_Side {
    std::int16_t kind = BC_Temperature;
    double t = 0;      // kind 1
    double q = 0;      // kind 2, W/m^2 into the body
    double h = 0;      // kind 3
    double t_inf = 0;  // kind 3
    double bi = 0;     // h*dx/k
};

// The grid of one run.  The wall is a plate one node high (ny = 1).
struct Fd_Grid {
    int kind = Kind_Steady_2D;
    int nx = 0;
    int ny = 0;
    double dx = 0;  // m
    double k = 0;   // W/m.K
    double g = 0;   // W/m^3
    double g1 = 0;  // g*dx^2/k
    double alpha = 0;
    double dt = 0;
    double f = 0;  // grid Fourier number (transient kinds)
    bool implicit = false;
    std::array<Grid_Side, 4> sides{};  // indexed by Side

    bool Transient() const { return kind == Kind_Transient_1D || kind == Kind_Transient_2D; }
    bool Wall() const { return kind == Kind_Steady_1D || kind == Kind_Transient_1D; }
    // Element of node (i, j) in a field laid out like the result stores.
    std::size_t At(int i, int j) const {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ny) +
               static_cast<std::size_t>(j - 1);
    }
    std::size_t Node_Count() const {
        return static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny);
    }
    // Multiplies a balance-form term into a heat rate: W per metre of depth
    // for the plate (conductance k between nodes), W/m^2 for the wall (k/dx).
    double Rate_Factor() const { return Wall() ? k / dx : k; }
};

// The grid of a run of `kind` from its problem definition and node counts.
Fd_Grid Make_Grid(const Problem_Definition& p, int kind, int nx, int ny);

// The grid of the run on display, and its fields: the steady result, or a
// stored level of a transient history (1-D levels 1..M+1, level 1 the
// initial profile; 2-D levels 0..NT).
Fd_Grid Run_Grid(const Problem_Definition& p, const Result_Stores& s, int kind);
const double* Steady_Field(const Result_Stores& s, int kind);
// The steady field the instruments read: the wall's solution before results
// below 0.01 C were stored as 0, the plate's stored result.
const double* Instrument_Field(const Result_Stores& s, int kind);
// How many of the wall's nodes were stored as 0 (0 for the plate).
int Nodes_Stored_As_Zero(const Result_Stores& s, int kind);
int First_Level(int kind);
int Last_Level(const Result_Stores& s, int kind);
const double* Level_Field(const Result_Stores& s, int kind, int level);

enum class Node_Type { Fixed, Interior, Edge, Corner, Face };

struct Neighbour {
    int i = 0, j = 0;
    double w = 0;
    const char* name = "";  // the symbol the equation names it by
};

struct Side_Term {
    int side = 0;
    double s = 0;      // source over the cell's share of the side
    double c = 0;      // coefficient of the node's own temperature
    double share = 1;  // part of the side's full term this cell carries
};

struct Node_Equation {
    int i = 0, j = 0;
    Node_Type type = Node_Type::Interior;
    int side = -1;  // the side of an edge, face or fixed node
    double fixed_value = 0;
    int h_side = -1, v_side = -1;  // the two sides of a corner (balance or fixed)
    std::array<Neighbour, 4> nb{};
    int nb_count = 0;
    std::array<Side_Term, 2> st{};
    int st_count = 0;
    double gen = 0;
    double cell = 1;
    double scale = 1;

    // Sum of the neighbour conductances and of the side coefficients.
    double Diagonal() const;
};

// The equation of node (i, j) (j = 1 on the wall).
Node_Equation Equation_At(const Fd_Grid& g, int i, int j);

// The value the equation gives the node from a field laid out like the
// stores.  Steady: from its neighbours in `field`.  Transient: `field` is the
// level being made, `old` the level before it; explicit takes every value from
// `old`, implicit its neighbours from `field` and only its own term from `old`.
double Evaluate(const Fd_Grid& g, const Node_Equation& e, const double* field, const double* old);

// What the explainer shows of one node.
struct Node_Explanation {
    std::string title;        // the node and the kind of its equation
    std::string symbols;      // the equation in symbols
    std::string where;        // what the symbols stand for, in this run
    std::string substituted;  // the equation with the numbers of the run
    std::string note;
    double computed = 0;
    double stored = 0;
    double residual = 0;  // stored - computed
};

// Steady kinds: `field` is the stored result.  Transient kinds: `field` is
// history level `level` and `old` the level before it (null for the initial
// level, which no equation makes).  `level_text` names the level.
Node_Explanation Explain_Node(const Fd_Grid& g, int i, int j, const double* field,
                              const double* old, const std::string& level_text);

// Numbers in equations: up to six significant digits, the point as decimal
// separator whatever the locale.
std::string Equation_Number(double v);

}  // namespace calorix
