#include "output/curve_thinning.h"

#include <algorithm>
#include <cstddef>

namespace calorix {

std::vector<int> Thinned_Points(const std::vector<double>& values, int columns) {
    const auto n = static_cast<long long>(values.size());
    std::vector<int> kept;
    columns = std::max(columns, 1);
    if (n <= static_cast<long long>(Points_Per_Column) * columns) {
        kept.resize(static_cast<std::size_t>(n));
        for (int k = 0; k < static_cast<int>(n); ++k) {
            kept[static_cast<std::size_t>(k)] = k;
        }
        return kept;
    }
    kept.reserve(static_cast<std::size_t>(Points_Per_Column) * columns);
    for (long long c = 0; c < columns; ++c) {
        const auto first = static_cast<int>(c * n / columns);
        const auto last = static_cast<int>((c + 1) * n / columns) - 1;
        int low = first;
        int high = first;
        for (int k = first + 1; k <= last; ++k) {
            const double v = values[static_cast<std::size_t>(k)];
            low = v < values[static_cast<std::size_t>(low)] ? k : low;
            high = v > values[static_cast<std::size_t>(high)] ? k : high;
        }
        int column[Points_Per_Column] = {first, std::min(low, high), std::max(low, high), last};
        for (int k : column) {
            if (kept.empty() || k > kept.back()) {
                kept.push_back(k);
            }
        }
    }
    return kept;
}

}  // namespace calorix
