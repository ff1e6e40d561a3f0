#include "game/TargetField.h"

#include "game/Scoring.h"
#include "game/TargetPicture.h"
#include "media/ResourceManager.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
constexpr const char* TARGET_FILE = "images/target.png";
constexpr int DRAWN_TARGET_SIZE = 60;

// A random centre along one side of a cell so that the whole picture lies
// inside. A picture as large as the cell or larger is centred in it instead,
// and the modulus never reaches 0.
int randomCentre(int cellSize, int pictureSize) {
    const int spread = std::max(1, cellSize - pictureSize);
    return std::rand() % spread + std::min(pictureSize, cellSize) / 2;
}
} // namespace

TargetField::TargetField()
    : targetImage(ResourceManager::instance().loadImage(TARGET_FILE)),
      lastShotDistance(std::numeric_limits<float>::max()) {
    if (targetImage == nullptr) {
        drawnPicture = drawTargetPicture(DRAWN_TARGET_SIZE);
        targetImage = drawnPicture.get();
    }
    targetSprite = std::make_unique<TargetSprite>(targetImage);
    shownWidth = static_cast<unsigned>(targetSprite->getWidth());
    shownHeight = static_cast<unsigned>(targetSprite->getHeight());
    for (auto& slots : targetX)
        std::fill(std::begin(slots), std::end(slots), EMPTY);
}

void TargetField::setUp(int players, int targets) {
    playerCount = std::clamp(players, 1, MAX_PLAYERS);
    targetCount = std::clamp(targets, 1, MAX_TARGETS);
    layout = CellLayout(playerCount);
}

void TargetField::place() {
    for (int player = 1; player <= playerCount; ++player) {
        placePlayerTargets(player);
        for (int slot = targetCount; slot < MAX_TARGETS; ++slot) {
            targetX[player][slot] = EMPTY;
            targetY[player][slot] = EMPTY;
        }
    }
}

void TargetField::placePlayerTargets(int player) {
    // A target that finds no room starts the player's targets afresh; the
    // last attempt places every target anyway, each as far apart as it fits.
    for (int attempt = 1; attempt <= MAX_ATTEMPTS; ++attempt) {
        const bool lastAttempt = attempt == MAX_ATTEMPTS;
        bool spaced = true;
        for (int slot = 0; slot < targetCount && (spaced || lastAttempt); ++slot)
            spaced = placeTarget(player, slot) && spaced;
        if (spaced)
            return;
    }
}

bool TargetField::placeTarget(int player, int slot) {
    const Cell cell = layout.cell(player);
    // Draw again while the target is too close to one placed before it; keep
    // the best place seen, for a cell too small to meet the spacing at all.
    ScreenPoint best = randomPlaceIn(cell);
    int bestGap = gapToEarlierTargets(player, slot, best);
    for (int draws = 1; bestGap < MIN_SPACING && draws < MAX_DRAWS; ++draws) {
        const ScreenPoint candidate = randomPlaceIn(cell);
        const int gap = gapToEarlierTargets(player, slot, candidate);
        if (gap > bestGap) {
            best = candidate;
            bestGap = gap;
        }
    }
    targetX[player][slot] = best.x;
    targetY[player][slot] = best.y;
    return bestGap >= MIN_SPACING;
}

ScreenPoint TargetField::randomPlaceIn(const Cell& cell) const {
    const int pictureWidth = targetImage != nullptr ? targetImage->w : 0;
    const int pictureHeight = targetImage != nullptr ? targetImage->h : 0;
    const int x = randomCentre(cell.w, pictureWidth);
    const int y = randomCentre(cell.h, pictureHeight);
    return ScreenPoint{x, y};
}

int TargetField::gapToEarlierTargets(int player, int slot, ScreenPoint place) const {
    int gap = INT_MAX;
    for (int earlier = 0; earlier < slot; ++earlier) {
        const int distance = std::abs(place.x - targetX[player][earlier]) +
                             std::abs(place.y - targetY[player][earlier]);
        gap = std::min(gap, distance);
    }
    return gap;
}

float TargetField::growthAfter(Uint32 elapsed) {
    const float growth = static_cast<float>(elapsed) / static_cast<float>(GROWTH_TIME);
    return growth > 1.0f ? 1.0f : growth;
}

void TargetField::draw(float growth) {
    const int pictureWidth = targetImage != nullptr ? targetImage->w : 0;
    const int pictureHeight = targetImage != nullptr ? targetImage->h : 0;
    const auto sizeAt = [growth](int fullSize) {
        return static_cast<Uint16>(
            static_cast<unsigned>(std::floor(static_cast<float>(fullSize) * growth)));
    };
    showAtSize(sizeAt(pictureWidth), sizeAt(pictureHeight));

    const int halfWidth = targetSprite->getWidth() / 2;
    const int halfHeight = targetSprite->getHeight() / 2;
    for (int player = 1; player <= playerCount; ++player) {
        const Cell cell = layout.cell(player);
        for (int slot = 0; slot < targetCount; ++slot) {
            if (isLive(player, slot))
                targetSprite->drawAt(cell.x + targetX[player][slot] - halfWidth,
                                     cell.y + targetY[player][slot] - halfHeight);
        }
    }
}

void TargetField::showAtSize(unsigned width, unsigned height) {
    // Scaling is the dearest part of a frame; the size changes only every few
    // frames while the targets grow, and never once they are full size.
    if (width == shownWidth && height == shownHeight)
        return;
    SurfacePtr scaled(Sprite::scaleSurface(targetImage, width, height));
    targetSprite->showPicture(scaled.get());
    shownWidth = width;
    shownHeight = height;
}

std::optional<TargetHit> TargetField::hitTest(int x, int y) {
    const int width = targetSprite->getWidth();
    for (int player = 1; player <= playerCount; ++player) {
        const Cell cell = layout.cell(player);
        for (int slot = 0; slot < targetCount; ++slot) {
            if (!isLive(player, slot))
                continue;
            const int dx = targetX[player][slot] - x + cell.x;
            const int dy = targetY[player][slot] - y + cell.y;
            lastShotDistance =
                static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
            if (hitsTarget(lastShotDistance, width))
                return TargetHit{player, slot};
        }
    }
    return std::nullopt;
}

void TargetField::remove(const TargetHit& hit) {
    targetX[hit.player][hit.slot] = EMPTY;
}

bool TargetField::hasLiveTargets(int player) const {
    for (int slot = 0; slot < targetCount; ++slot) {
        if (isLive(player, slot))
            return true;
    }
    return false;
}

float TargetField::getAccuracy() const {
    return accuracyOf(lastShotDistance, targetSprite->getWidth());
}

std::optional<ScreenPoint> TargetField::centreOf(int player, int slot) const {
    if (player < 1 || player > playerCount || slot < 0 || slot >= targetCount ||
        !isLive(player, slot))
        return std::nullopt;
    const Cell cell = layout.cell(player);
    return ScreenPoint{cell.x + targetX[player][slot], cell.y + targetY[player][slot]};
}
