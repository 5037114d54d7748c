#pragma once
// Enlarging a block of a 32-bit pixel buffer by whole factors without the
// toolkit: every pixel becomes a block of its own colour, which is what a
// nearest-pixel scaling by whole factors gives, at the cost of writing the
// result once.
#include <cstdint>

namespace calorix {

// The w x h pixels at src (rows `src_stride` pixels apart) into dst (rows
// `dst_stride` pixels apart, room for w*across x h*down).  True when every
// pixel copied has a full alpha byte (the top byte of 0xAARRGGBB).
bool Zoom_Pixels(const std::uint32_t* src, int src_stride, int w, int h, int across, int down,
                 std::uint32_t* dst, int dst_stride);

}  // namespace calorix
