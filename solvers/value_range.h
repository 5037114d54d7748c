#pragma once
// The smallest and largest of many doubles, as the one-value-at-a-time scan
//     min = max = v[0];
//     for each x: if (x < min) min = x;  if (x > max) max = x;
// gives them, bit for bit: a NaN never replaces a value (unless v[0] is a
// NaN, which then stays), and of equal values the first one in the array is
// kept (which decides between 0 and -0).  Eight independent minima and
// maxima run side by side, so the scan of a long history is limited by
// memory, not by the chain of comparisons.
#include <cstddef>

namespace calorix {

// n >= 1.
void Range_Of(const double* v, std::size_t n, double& min, double& max);

}  // namespace calorix
