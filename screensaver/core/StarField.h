#pragma once
// The "space" background: stars appear anywhere in a square around the
// centre and fly away from it, faster every frame and larger with age.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct STAR {
    float x, y;           // top-left, client pixels
    float dx, dy;         // movement per frame
    float width, height;  // pixels
    int32_t age;          // frames lived
};

// At most this many stars on a W x H client area.
size_t StarLimit(int width, int height);

// Adds stars until there are `limit`. `draw` answers 0..32767 like the C
// library's rand(); each star takes two successive draws.
void SpawnStars(std::vector<STAR>& stars, int width, int height, size_t limit, const std::function<int()>& draw);

// One frame: every star moves, speeds up by 2 %, ages and grows at 50, 150
// and 300 frames; stars that left the client area are removed (the next
// SpawnStars replaces them).
void MoveStars(std::vector<STAR>& stars, int width, int height);
