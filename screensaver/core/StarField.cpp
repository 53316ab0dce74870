#include "screensaver/core/StarField.h"

#include <algorithm>

size_t StarLimit(int width, int height) {
    if (width <= 0 || height <= 0) return 0;
    return static_cast<size_t>(width) * static_cast<size_t>(height) / 300;
}

void SpawnStars(std::vector<STAR>& stars, int width, int height, size_t limit, const std::function<int()>& draw) {
    const float m = static_cast<float>(std::max(width, height));
    while (stars.size() < limit) {
        const float a = static_cast<float>(draw()) / 32767.0f * 10.0f - 5.0f;
        const float b = static_cast<float>(draw()) / 32767.0f * 10.0f - 5.0f;
        STAR star;
        star.x = m * a / 10.0f + width * 0.5f;
        star.y = m * b / 10.0f + height * 0.5f;
        star.dx = a;
        star.dy = b;
        star.width = 1.0f;
        star.height = 1.0f;
        star.age = 0;
        stars.push_back(star);
    }
}

void MoveStars(std::vector<STAR>& stars, int width, int height) {
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    for (STAR& s : stars) {
        s.x += s.dx;
        s.y += s.dy;
        s.dx += s.dx / 50.0f;
        s.dy += s.dy / 50.0f;
        s.age += 1;
        if (s.age == 50 || s.age == 150 || s.age == 300) {
            s.width += 1.0f;
            s.height += 1.0f;
        }
    }
    stars.erase(std::remove_if(stars.begin(), stars.end(),
                               [&](const STAR& s) { return s.x + s.width < 0 || s.x > w || s.y + s.height < 0 || s.y > h; }),
                stars.end());
}
