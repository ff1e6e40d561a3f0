#pragma once

#include <array>

// A game has one to four players, numbered from 1, each with up to four targets
// a round. Per-player tables have an entry 0 that belongs to no player, so that
// they are indexed by the player number itself.
constexpr int MAX_PLAYERS = 4;
constexpr int MAX_TARGETS = 4;

using PlayerScores = std::array<int, MAX_PLAYERS + 1>;
