#pragma once
// The direct solution of the node equations of the run on display, solved
// at most once while the results window shows the run, whichever page asks
// first and from whatever thread: the accuracy page's error and views, the
// convergence study's true errors and the coarse grid of its refinement all
// read the one answer.  A run that was itself answered by the direct solve
// (its sweeps ran out) already holds that answer in its store: it is taken
// from there and nothing is solved.
#include <atomic>
#include <memory>
#include <mutex>

#include "analysis/exact_solution.h"
#include "common/output_model.h"

namespace calorix {

class Direct_Solve_Cache {
  public:
    // A steady run's grid; `answered`, when given, holds the direct solution
    // the run stored (unclamped, laid out like the store).
    explicit Direct_Solve_Cache(const Fd_Grid& g, const double* answered = nullptr);

    // The solution, solved at the first call; the other callers wait for it.
    // Null when `cancel` stopped the solve (a later call solves again).
    std::shared_ptr<const Exact_Solution> Get(const std::atomic<bool>* cancel = nullptr);
    const Fd_Grid& Grid() const { return grid_; }
    // Direct solves made so far: 0 or 1.
    int Solves() const { return solves_.load(); }

  private:
    Fd_Grid grid_;
    std::mutex mutex_;
    std::shared_ptr<const Exact_Solution> solution_;
    std::atomic<int> solves_{0};  // read by other threads while one solves
};

// The cache for the run on display: none for the transient kinds; for a
// run answered directly, its stored values when they are the unclamped
// answer (the plate's store; the wall's solution before results below
// 0.01 C were stored as 0).
std::shared_ptr<Direct_Solve_Cache> Run_Solve_Cache(const Problem_Definition& p,
                                                    const Result_Stores& stores,
                                                    const Output_Model& model);

}  // namespace calorix
