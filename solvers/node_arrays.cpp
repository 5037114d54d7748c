#include "solvers/node_arrays.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace calorix {

namespace {

// A block of several megabytes is aligned to 2 MiB and offered to the kernel
// for large pages: its first touch then costs one page fault per 2 MiB
// instead of one per 4 KiB, which for a 300 MB history is most of the time
// the run would otherwise spend before its first time step.
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
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        if (block != nullptr) {
            madvise(block, rounded, MADV_HUGEPAGE);  // a hint; a refusal costs nothing
        }
#endif
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
