#include <gtest/gtest.h>

#include <vector>

#include "screensaver/core/PixelBuffer.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

TEST(ScreensaverPixels, StarsCoverTheirSquareAndAreClippedAtEveryEdge) {
    const int W = 8, H = 6;
    std::vector<uint32_t> px(W * H, 0);
    const std::vector<STAR> stars = {
        {2.2f, 1.4f, 0, 0, 2, 2, 0},    // rounds to columns 2-3, rows 1-2
        {-1.5f, 4.0f, 0, 0, 3, 3, 0},   // over the left and bottom edges
        {7.2f, -2.0f, 0, 0, 4, 4, 0},   // over the right and top edges
        {20.0f, 20.0f, 0, 0, 4, 4, 0},  // wholly outside
    };
    FillStars(px.data(), W, H, stars, kWhite);
    const char* want[H] = {
        "       #",
        "  ##   #",
        "  ##    ",
        "        ",
        "##      ",
        "##      ",
    };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) EXPECT_EQ(px[y * W + x] == kWhite, want[y][x] == '#') << x << "," << y;
}

TEST(ScreensaverPixels, PanelLayerBlendsOverTheBackground) {
    struct Case {
        uint32_t dst, src, want;
    } cases[] = {
        {0xFF123456, 0x00000000, 0xFF123456},  // nothing drawn: background stays
        {0xFF123456, 0xFF00FF00, 0xFF00FF00},  // opaque green text
        {0xFFFFFFFF, 0x80008000, 0xFF7FFF7F},  // half green over white
        {0xFF000000, 0x80008000, 0xFF008000},  // half green over black
        {0x01000000, 0x80008000, 0x80008000},  // over the see-through black
        {0xFFFFFFFF, 0x01010101, 0xFFFFFFFF},  // faintest edge never overflows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.dst << " under " << c.src);
        uint32_t dst = c.dst;
        BlendOver(&dst, &c.src, 1);
        EXPECT_EQ(dst, c.want);
    }
}

}  // namespace
