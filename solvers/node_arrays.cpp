#include "solvers/node_arrays.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace calorix {

namespace {

// A block of several megabytes is aligned to 2 MiB, so that a kernel that
// backs memory with large pages wherever it can (transparent huge pages
// "always") can do so for the whole history.  The block is not marked with
// madvise(MADV_HUGEPAGE): on kernels that then compact memory on the first
// touch, the first large run of a session stalled for up to 0.7 s, three
// times longer than the faults the large pages save.
constexpr std::size_t Large_Page = std::size_t{2} << 20;

double* Allocate(std::size_t n) {
    if (n > (SIZE_MAX - Large_Page) / sizeof(double)) {
        throw std::bad_alloc();
    }
    const std::size_t bytes = n == 0 ? sizeof(double) : n * sizeof(double);
    void* block = nullptr;
    if (bytes >= 2 * Large_Page) {
        const std::size_t rounded = (bytes + Large_Page - 1) / Large_Page * Large_Page;
        block = std::aligned_alloc(Large_Page, rounded);
    } else {
        block = std::malloc(bytes);
    }
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return static_cast<double*>(block);
}

}  // namespace

void Unfilled_Doubles::Release::operator()(double* p) const {
    std::free(p);
}

void Unfilled_Doubles::Resize(std::size_t n) {
    if (n > capacity_ || n < capacity_ / 2) {
        values_.reset();  // give the old block back before asking for the new one
        capacity_ = size_ = 0;
        values_.reset(Allocate(n));
        capacity_ = n;
    }
    size_ = n;
}

}  // namespace calorix
