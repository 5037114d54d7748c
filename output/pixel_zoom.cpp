#include "output/pixel_zoom.h"

#include <algorithm>
#include <cstddef>

namespace calorix {

bool Zoom_Pixels(const std::uint32_t* src, int src_stride, int w, int h, int zoom,
                 std::uint32_t* dst, int dst_stride) {
    std::uint32_t alpha = 0xff000000u;
    const int row = w * zoom;
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* in = src + static_cast<std::ptrdiff_t>(y) * src_stride;
        std::uint32_t* out = dst + static_cast<std::ptrdiff_t>(y) * zoom * dst_stride;
        for (int x = 0; x < w; ++x) {
            alpha &= in[x];
            std::fill_n(out + static_cast<std::ptrdiff_t>(x) * zoom, zoom, in[x]);
        }
        // The other rows of the band are copies of its first.
        for (int k = 1; k < zoom; ++k) {
            std::copy_n(out, row, out + static_cast<std::ptrdiff_t>(k) * dst_stride);
        }
    }
    return alpha == 0xff000000u;
}

}  // namespace calorix
