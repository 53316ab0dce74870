#include "screensaver/core/PixelBuffer.h"

#include <algorithm>
#include <cmath>

void FillStars(uint32_t* pixels, int width, int height, const std::vector<STAR>& stars, uint32_t colour) {
    auto clampRound = [](float v, int limit) {
        if (!(v > 0)) return 0;  // negative or NaN
        if (v >= static_cast<float>(limit)) return limit;
        return std::min(limit, static_cast<int>(std::lround(v)));
    };
    for (const STAR& s : stars) {
        const int x0 = clampRound(s.x, width), x1 = clampRound(s.x + s.width, width);
        const int y0 = clampRound(s.y, height), y1 = clampRound(s.y + s.height, height);
        for (int y = y0; y < y1; ++y) std::fill(pixels + size_t(y) * width + x0, pixels + size_t(y) * width + x1, colour);
    }
}

void BlendOver(uint32_t* dst, const uint32_t* src, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const uint32_t s = src[i];
        if (s == 0) continue;
        const uint32_t a = s >> 24;
        if (a == 255) {
            dst[i] = s;
            continue;
        }
        // Each channel times (255 - a) / 255, two channels at a time.
        const uint32_t d = dst[i];
        const uint32_t k = 255 - a;
        uint32_t rb = (d & 0x00FF00FF) * k + 0x00800080;
        rb = ((rb + (rb >> 8 & 0x00FF00FF)) >> 8) & 0x00FF00FF;
        uint32_t ag = (d >> 8 & 0x00FF00FF) * k + 0x00800080;
        ag = (ag + (ag >> 8 & 0x00FF00FF)) & 0xFF00FF00;
        dst[i] = s + (rb | ag);
    }
}
