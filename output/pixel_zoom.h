#pragma once
// Enlarging a block of a 32-bit pixel buffer by a whole factor without the
// toolkit: every pixel becomes a zoom x zoom square of its own colour, which
// is what a nearest-pixel scaling by a whole factor gives, at the cost of
// writing the result once.
#include <cstdint>

namespace calorix {

// The w x h pixels at src (rows `src_stride` pixels apart) into dst (rows
// `dst_stride` pixels apart, room for w*zoom x h*zoom).  True when every
// pixel copied has a full alpha byte (the top byte of 0xAARRGGBB).
bool Zoom_Pixels(const std::uint32_t* src, int src_stride, int w, int h, int zoom,
                 std::uint32_t* dst, int dst_stride);

}  // namespace calorix
