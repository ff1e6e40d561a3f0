#pragma once

// The rules of a shot, in one place.
//
// A target's radius is half the width it is shown at, truncated to whole
// pixels; a shot hits when it lands closer to the centre than that, so a shot
// exactly on the edge misses, and nothing can be hit while the half width is 0.
bool hitsTarget(float distance, int shownWidth);

// 1 at dead centre, falling to 0 at the edge; 0 while the half width is 0.
float accuracyOf(float distance, int shownWidth);

// Points for a hit: the earlier (smaller target) and the closer to the centre,
// the more. From 1 (any hit at full size) to 101 (dead centre of a target just
// appeared): ((1 - growth) x 100) x accuracy x accuracy, rounded, plus 1.
int pointsForHit(float growth, float accuracy);
