#pragma once

#include "game/CellLayout.h"
#include "game/Players.h"

// The screens between the rounds of a game. Each draws, flips and then pauses
// (the title) or waits for a press (the winner and the totals).

// "Round n" in the middle of a black screen for two seconds; no input is read.
void showRoundTitleScreen(int round);

// The winner's cell in white with "HIT!" and the points of this round; the
// rest of the screen keeps the round's last frame.
void showRoundWinnerScreen(const Cell& cell, int roundPoints);

// Each player's total in the middle of their cell, every best total on white,
// the others on black, under a red "TOTAL".
void showTotalsScreen(const CellLayout& layout, const PlayerScores& score);
