#include "Mask.h"

#include <algorithm>
#include <cmath>

namespace artgen {

Mask grown(const Mask& m, float radius) {
    Mask out(m.width, m.height);
    const int reach = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            float best = 0.0f;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int sx = x + dx;
                    const int sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= m.width || sy >= m.height) {
                        continue;
                    }
                    const float d = std::hypot(float(dx), float(dy));
                    const float brush = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
                    best = std::max(best, m.at(sx, sy) * brush);
                }
            }
            out.at(x, y) = best;
        }
    }
    return out;
}

} // namespace artgen
