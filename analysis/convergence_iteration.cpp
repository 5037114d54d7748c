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
        : s_(sys), g_(sys.grid), exact_(exact) {}

    // The node equation's value from the neighbours in `from`.
    double Balance(const double* from, std::size_t p) const {
        double sum = s_.b[p];
        const long q = static_cast<long>(p);
        for (int k = 0; k < 4; ++k) {
            if (s_.w[k][p] != 0) {
                sum += s_.w[k][p] * from[s_.Neighbour(q, k)];
            }
        }
        return sum / s_.d[p];
    }

    // Sides and corners in the solver's order.  `from` is the previous
    // sweep (Jacobi) or the field being swept.
    // Each update returns the value it wrote, so the error after the sweep
    // is gathered as the sweep goes: no side node changes again later in
    // the same sweep.
    template <typename Update>
    void Edges(const double* from, Update update, double& error) const {
        for (const int p : s_.edge_order) {
            const auto q = static_cast<std::size_t>(p);
            error = std::max(error, std::fabs(update(q, Balance(from, q)) - exact_[q]));
        }
    }

    // Jacobi's interior, column by column: `next` from `t`.  Returns the
    // largest change; the largest error of `next` goes into `error`.
    double Jacobi_Interior(const double* t, double* next, double& error) const {
        double change = 0;
        for_each_column([&](long first, long last, long side) {
            for (long p = first; p < last; ++p) {
                const double v = Interior_Value(t, p, side, t[p - 1]);
                change = std::max(change, std::fabs(v - t[p]));
                error = std::max(error, std::fabs(v - exact_[p]));
                next[p] = v;
            }
        });
        return change;
    }

    // Gauss-Seidel (w = 1) or SOR in place down each column, the node above
    // carried in a register: the chain from node to node is one addition
    // and one multiplication.
    double Relaxed_Interior(double* t, double w, double& error) const {
        double change = 0;
        const bool plain = w == 1.0;
        for_each_column([&](long first, long last, long side) {
            double above = t[first - 1];
            for (long p = first; p < last; ++p) {
                const double v = Interior_Value(t, p, side, above);
                const double nv = plain ? v : t[p] + w * (v - t[p]);
                change = std::max(change, std::fabs(nv - t[p]));
                error = std::max(error, std::fabs(nv - exact_[p]));
                t[p] = nv;
                above = nv;
            }
        });
        return change;
    }

    // The held nodes never change, so their part of the error is taken once.
    double Held_Error(const double* t) const {
        double e = 0;
        for (std::size_t p = 0; p < exact_.size(); ++p) {
            if (s_.fixed[p] != 0) {
                e = std::max(e, std::fabs(t[p] - exact_[p]));
            }
        }
        return e;
    }

  private:
    // The interior equation: whole cell, unit links, generation G1.  The
    // wall's interior runs as one column with no side neighbours.
    double Interior_Value(const double* t, long p, long side, double above) const {
        if (side == 0) {
            return (t[p + 1] + g_.g1 + above) * 0.5;
        }
        return (t[p + side] + t[p - side] + t[p + 1] + g_.g1 + above) * 0.25;
    }

    template <typename Column>
    void for_each_column(Column column) const {
        if (g_.Wall()) {
            column(1, g_.nx - 1, 0);
            return;
        }
        const long ny = g_.ny;
        for (int i = 2; i < g_.nx; ++i) {
            const long base = static_cast<long>(g_.At(i, 1));
            column(base + 1, base + ny - 1, ny);
        }
    }

    const Node_System& s_;
    const Fd_Grid& g_;
    const std::vector<double>& exact_;
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
    const double held_error = sweeper.Held_Error(t.data());
    const auto start = std::chrono::steady_clock::now();
    const double w = trace.omega;
    while (trace.sweeps < limits.max_sweeps) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            break;
        }
        double change = 0, error = held_error;
        if (method == Iteration_Method::Jacobi) {
            sweeper.Edges(
                t.data(), [&](std::size_t p, double v) { return next[p] = v; }, error);
            change = sweeper.Jacobi_Interior(t.data(), next.data(), error);
            t.swap(next);
        } else {
            sweeper.Edges(
                t.data(),
                [&](std::size_t p, double v) {
                    return t[p] = w == 1.0 ? v : t[p] + w * (v - t[p]);
                },
                error);
            change = sweeper.Relaxed_Interior(t.data(), w, error);
        }
        ++trace.sweeps;
        trace.change.push_back(change);
        trace.error.push_back(error);
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
