#pragma once
// The board's frame is a top-down buffer of premultiplied ARGB words; these
// put the stars into it and lay the panel layer over it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "screensaver/core/StarField.h"

// Each star as a white square over the pixels its rectangle covers (edges
// rounded to the nearest pixel), clipped to the W x H buffer.
void FillStars(uint32_t* pixels, int width, int height, const std::vector<STAR>& stars, uint32_t colour);

// dst = src + dst * (1 - src alpha) for n premultiplied pixels; transparent
// source pixels leave dst as it is.
void BlendOver(uint32_t* dst, const uint32_t* src, size_t n);
