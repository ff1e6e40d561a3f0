#include "game/Scoring.h"

#include <cmath>

bool hitsTarget(float distance, int shownWidth) {
    return distance < static_cast<float>(shownWidth / 2);
}

float accuracyOf(float distance, int shownWidth) {
    const int radius = shownWidth / 2;
    if (radius == 0)
        return 0.0f;
    const float accuracy = 1.0f - distance / static_cast<float>(radius);
    return accuracy < 0.0f ? 0.0f : accuracy;
}

int pointsForHit(float growth, float accuracy) {
    // Multiplied in float in this order; the rounding happens in double.
    const float value = ((1.0f - growth) * 100.0f) * accuracy * accuracy;
    return static_cast<int>(std::floor(static_cast<double>(value) + 0.5) + 1.0);
}
