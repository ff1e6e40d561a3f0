#pragma once

#include "game/GameSession.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

#include <memory>

// A game session on the headless screen.
class GameTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        session = std::make_unique<GameSession>();
    }
    static void clickAt(ScreenPoint point) { fake::click(point.x, point.y); }
    // A click on a live target's centre.
    void shoot(int player, int slot = 0) const { clickAt(*session->targetCentre(player, slot)); }
    // The white of a winner's cell, on the winner and totals screens.
    static bool cellIsWhite(const Cell& cell) {
        return countPixels(rectOf(cell), 255, 255, 255) > cell.w * cell.h * 3 / 4;
    }

    std::unique_ptr<GameSession> session;
};
