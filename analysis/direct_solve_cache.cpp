#include "analysis/direct_solve_cache.h"

#include "analysis/node_equation.h"

namespace calorix {

Direct_Solve_Cache::Direct_Solve_Cache(const Fd_Grid& g, const double* answered) : grid_(g) {
    if (answered != nullptr) {
        auto x = std::make_shared<Exact_Solution>();
        x->solved = true;
        x->status = Direct_Status::Solved;
        x->from_run = true;
        x->values.assign(answered, answered + g.Node_Count());
        solution_ = std::move(x);
    }
}

std::shared_ptr<const Exact_Solution> Direct_Solve_Cache::Get(const std::atomic<bool>* cancel) {
    // Held through the solve: a second caller waits for the first's answer
    // instead of making its own.
    const std::lock_guard<std::mutex> lock(mutex_);
    if (solution_ == nullptr) {
        auto x = std::make_shared<Exact_Solution>(Solve_Node_Equations(grid_, cancel));
        ++solves_;
        if (x->status == Direct_Status::Cancelled) {
            return nullptr;
        }
        solution_ = std::move(x);
    }
    return solution_;
}

std::shared_ptr<Direct_Solve_Cache> Run_Solve_Cache(const Problem_Definition& p,
                                                    const Result_Stores& stores,
                                                    const Output_Model& model) {
    const int kind = model.Kind;
    if (kind != Kind_Steady_1D && kind != Kind_Steady_2D) {
        return nullptr;
    }
    const Fd_Grid g = Run_Grid(p, stores, kind);
    const bool unclamped =
        kind == Kind_Steady_2D ||
        stores.Steady_1D.Unclamped_1D.size() == static_cast<std::size_t>(stores.Steady_1D.Nodes_1D);
    const double* answered =
        !model.Method_Note.empty() && unclamped ? Instrument_Field(stores, kind) : nullptr;
    return std::make_shared<Direct_Solve_Cache>(g, answered);
}

}  // namespace calorix
