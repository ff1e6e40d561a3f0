#pragma once

// Screen-state codes of the application's state machine. The main menu returns
// one of STATE_QUIT, STATE_FREE_GAME, STATE_HIGH_SCORES or STATE_CHALLENGE.
// The gaps in the numbering (1, 5, 7, 9) are unused codes.
using AppState = int;

constexpr AppState STATE_QUIT = 0;
constexpr AppState STATE_SPLASH = 2;
constexpr AppState STATE_MAIN_MENU = 3;
constexpr AppState STATE_FREE_GAME = 4;
constexpr AppState STATE_HIGH_SCORES = 6;
constexpr AppState STATE_CHALLENGE = 8;
constexpr AppState STATE_ERROR = 10;
constexpr AppState STATE_START = 11;
