#include "analysis/convergence_iteration.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "analysis/node_equation.h"

namespace calorix {

namespace {

// One method's sweep over the field `t` (Gauss-Seidel and SOR in place,
// Jacobi into `next`), tracking the largest interior change and the largest
// error after the sweep.
class Sweeper {
  public:
    Sweeper(const Node_System& sys, const std::vector<double>& exact)
        : s_(sys), g_(sys.grid), exact_(exact) {
        stride_ = g_.Wall() ? 1 : g_.ny;
    }

    // The node equation's value from the neighbours in `from`.
    double Balance(const double* from, std::size_t p) const {
        double sum = s_.b[p];
        const long q = static_cast<long>(p);
        if (s_.w[Dir_West][p] != 0) {
            sum += s_.w[Dir_West][p] * from[q - stride_];
        }
        if (s_.w[Dir_East][p] != 0) {
            sum += s_.w[Dir_East][p] * from[q + stride_];
        }
        if (s_.w[Dir_North][p] != 0) {
            sum += s_.w[Dir_North][p] * from[q - 1];
        }
        if (s_.w[Dir_South][p] != 0) {
            sum += s_.w[Dir_South][p] * from[q + 1];
        }
        return sum / s_.d[p];
    }

    // Sides and corners first, in the solver's order, then the interior
    // column by column.  `from` is the previous sweep (Jacobi) or `t`.
    template <typename Update>
    void Sweep(const double* from, double* t, Update update) {
        for (const int p : s_.edge_order) {
            update(static_cast<std::size_t>(p), Balance(from, static_cast<std::size_t>(p)), false);
        }
        const double g1 = g_.g1;
        if (g_.Wall()) {
            for (int i = 1; i < g_.nx - 1; ++i) {
                update(static_cast<std::size_t>(i), (from[i - 1] + from[i + 1] + g1) / 2.0, true);
            }
            return;
        }
        const long ny = g_.ny;
        for (int i = 2; i < g_.nx; ++i) {
            const long base = static_cast<long>(g_.At(i, 1));
            for (long p = base + 1; p < base + ny - 1; ++p) {
                update(static_cast<std::size_t>(p),
                       (from[p + ny] + from[p - ny] + from[p + 1] + from[p - 1] + g1) / 4.0, true);
            }
        }
        (void)t;
    }

    double Error(const double* t) const {
        double e = 0;
        for (std::size_t p = 0; p < exact_.size(); ++p) {
            e = std::max(e, std::fabs(t[p] - exact_[p]));
        }
        return e;
    }

  private:
    const Node_System& s_;
    const Fd_Grid& g_;
    const std::vector<double>& exact_;
    long stride_ = 1;
};

}  // namespace

Iteration_Trace Run_Iteration(const Node_System& sys, const std::vector<double>& exact,
                              double guess, Iteration_Method method, double omega,
                              const Iteration_Limits& limits, const std::atomic<bool>* cancel) {
    Iteration_Trace trace;
    trace.method = method;
    trace.omega = method == Iteration_Method::SOR ? omega : 1.0;
    const std::size_t n = sys.Size();
    std::vector<double> t(n, guess), next;
    for (std::size_t p = 0; p < n; ++p) {
        if (sys.fixed[p] != 0) {
            t[p] = sys.b[p];
        }
    }
    if (method == Iteration_Method::Jacobi) {
        next = t;
    }
    Sweeper sweeper(sys, exact);
    const auto start = std::chrono::steady_clock::now();
    const double w = trace.omega;
    while (trace.sweeps < limits.max_sweeps) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            break;
        }
        double change = 0;
        if (method == Iteration_Method::Jacobi) {
            sweeper.Sweep(t.data(), next.data(), [&](std::size_t p, double v, bool interior) {
                if (interior) {
                    change = std::max(change, std::fabs(v - t[p]));
                }
                next[p] = v;
            });
            t.swap(next);
        } else {
            sweeper.Sweep(t.data(), t.data(), [&](std::size_t p, double v, bool interior) {
                const double moved = w * (v - t[p]);
                if (interior) {
                    change = std::max(change, std::fabs(moved));
                }
                t[p] += moved;
            });
        }
        ++trace.sweeps;
        trace.change.push_back(change);
        trace.error.push_back(sweeper.Error(t.data()));
        if (!(change > limits.change_tolerance)) {
            trace.settled = true;
            break;
        }
        if (trace.error.back() <= limits.error_tolerance) {
            break;
        }
    }
    trace.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return trace;
}

double Decay_Rate(const std::vector<double>& v) {
    const std::size_t end = v.size();
    const std::size_t span = std::min<std::size_t>(end / 2, 400);
    if (span < 4) {
        return 0;
    }
    const double last = v[end - 1], first = v[end - 1 - span];
    if (!(last > 0) || !(first > 0)) {
        return 0;
    }
    return std::pow(last / first, 1.0 / static_cast<double>(span));
}

double Optimal_Omega(double rho_gauss_seidel) {
    const double r = std::clamp(rho_gauss_seidel, 0.0, 1.0);
    return 2.0 / (1.0 + std::sqrt(1.0 - r));
}

std::string Stop_Rule_Sentence(double rho) {
    std::string s =
        "The stop rule looks at how much the last sweep changed the field, but when each sweep "
        "removes only the part 1 - rho of the remaining error, the error left is about the "
        "change times rho / (1 - rho)";
    if (rho > 0 && rho < 1) {
        s += ": here rho is about " + Equation_Number(rho) + ", so the error is some " +
             Equation_Number(rho / (1 - rho)) + " times the last change";
    }
    return s + ".";
}

}  // namespace calorix
