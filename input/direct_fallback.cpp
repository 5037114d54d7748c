#include "input/direct_fallback.h"

#include <algorithm>

#include "analysis/exact_solution.h"
#include "analysis/node_equation.h"
#include "input/run_driver.h"

namespace calorix {

namespace {

constexpr int Sweep_Limit = 32767;  // the solvers' 16-bit sweep counter

}  // namespace

bool Iteration_Did_Not_Settle(int kind, const Result_Stores& stores) {
    if (kind == Kind_Steady_1D) {
        return stores.Steady_1D.Sweeps == Sweep_Limit;
    }
    return kind == Kind_Steady_2D && stores.Steady_2D.Sweeps == Sweep_Limit;
}

Direct_Fallback Solve_Directly(const Problem_Definition& p, int kind, Result_Stores& stores,
                               Output_Model& out, const std::atomic<bool>* cancel) {
    Direct_Fallback r;
    const Fd_Grid g = Run_Grid(p, stores, kind);
    const Exact_Solution x = Solve_Node_Equations(g, cancel);
    if (!x.solved) {
        r.cancelled = x.status == Direct_Status::Cancelled;
        r.message = x.message;
        return r;
    }
    if (kind == Kind_Steady_1D) {
        double* t = stores.Steady_1D.Temperature_1D.Data();
        // The instruments read the answer unclamped, as they read the solver's.
        stores.Steady_1D.Unclamped_1D = x.values;
        // The wall's solver reports results below 0.01 C as 0.
        std::transform(x.values.begin(), x.values.end(), t,
                       [](double v) { return v < 0.01 ? 0.0 : v; });
        Present_Steady_1D(stores, out);
    } else {
        std::copy(x.values.begin(), x.values.end(), stores.Steady_2D.Temperature_2D.Data());
        Present_Steady_2D(stores, out);
    }
    Initialize_Text_Boxes(p, kind, out);
    out.Kind = kind;
    out.Selected_Tab = 0;
    out.Method_Note = Direct_Solution_Note;
    r.solved = true;
    return r;
}

}  // namespace calorix
