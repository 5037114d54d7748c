#pragma once
// The finite-difference node equations of the four problem kinds, swept in
// the plain order in which they are written: node by node, 1-based indices,
// nothing hoisted or reordered.  This is the readable form of the algorithm.
// The program's solvers compute the same numbers to the last bit (every
// node, every stored level, every sweep count) in an order chosen for speed;
// the tests hold them to these sweeps and the benchmarks time these sweeps
// beside them.
//
// Every equation here is written with exactly the operand order of the fast
// solvers, because floating-point addition is not associative: (a + b) + c
// and a + (b + c) may differ in the last bit.
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

namespace calorix::reference {

// ---- Steady wall ------------------------------------------------------------
// One Gauss-Seidel sweep over the wall in place: the two faces, then the
// interior nodes left to right.  True when no interior node moved by more
// than 1e-6 C against t_old; t_old is refreshed only when the sweep is not
// final.
bool Steady_Sweep_1D(const Problem_Definition& p, Node_Line& t, Node_Line& t_old);
// The whole solve into the store: start at the guess, sweep until final,
// report values below 0.01 C as 0.  Throws Run_Error when a 32768th sweep
// would start (the store then holds the 32767th sweep, unfloored).
void Solve_Steady_1D(const Problem_Definition& p, Steady_1D_Store& s);

// ---- Steady plate -----------------------------------------------------------
// One sweep in place: bottom edge, top edge, left edge, right edge, then the
// interior column by column (i outer, j inner).  True when final.
bool Steady_Sweep_2D(const Problem_Definition& p, Node_Plane& t, Node_Plane& t_old);
// The whole solve, the uniform-field shortcut included.  Throws Run_Error
// when a 32768th sweep would start.
void Solve_Steady_2D(const Problem_Definition& p, Steady_2D_Store& s);

// ---- Transient wall ---------------------------------------------------------
// One explicit step from old_t to new_t (a kind-1 face also resets old_t).
void Explicit_Step_1D(const Problem_Definition& p, Node_Line& old_t, Node_Line& new_t);
// One implicit Gauss-Seidel sweep of new_t in place; iterate receives new_t
// as it stood before the sweep.  True when no node, faces included, moved by
// more than 1e-4 C.
bool Implicit_Sweep_1D(const Problem_Definition& p, Node_Line& old_t, Node_Line& new_t,
                       Node_Line& iterate);
// The whole run into a store dimensioned by the run driver, without the
// stability questions: history levels 1..M+1 and Implicit_Sweeps.
void Solve_Transient_1D(const Problem_Definition& p, Transient_1D_Store& s);

// ---- Transient plate --------------------------------------------------------
// One explicit step from t (level n-1) to t_new (level n).
void Explicit_Step_2D(const Problem_Definition& p, const Node_Plane& t, Node_Plane& t_new);
// One implicit sweep of t_new in place against the previous level t; t_it
// receives t_new as it stood before the sweep.  True when no interior node
// moved by more than 1e-4 C (the sides and corners are not tested).
bool Implicit_Sweep_2D(const Problem_Definition& p, const Node_Plane& t, Node_Plane& t_new,
                       Node_Plane& t_it);
// The whole run into a store dimensioned by the run driver, without the
// stability check: history levels 0..NT, both working planes at the last
// level, and Implicit_Sweeps.
void Solve_Transient_2D(const Problem_Definition& p, Transient_2D_Store& s);

}  // namespace calorix::reference
