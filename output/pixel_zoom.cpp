#include "output/pixel_zoom.h"

#include <algorithm>
#include <cstddef>

namespace calorix {

bool Zoom_Pixels(const std::uint32_t* src, int src_stride, int w, int h, int across, int down,
                 std::uint32_t* dst, int dst_stride) {
    std::uint32_t alpha = 0xff000000u;
    const int row = w * across;
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* in = src + static_cast<std::ptrdiff_t>(y) * src_stride;
        std::uint32_t* out = dst + static_cast<std::ptrdiff_t>(y) * down * dst_stride;
        for (int x = 0; x < w; ++x) {
            alpha &= in[x];
            std::fill_n(out + static_cast<std::ptrdiff_t>(x) * across, across, in[x]);
        }
        // The other rows of the band are copies of its first.
        for (int k = 1; k < down; ++k) {
            std::copy_n(out, row, out + static_cast<std::ptrdiff_t>(k) * dst_stride);
        }
    }
    return alpha == 0xff000000u;
}

}  // namespace calorix
