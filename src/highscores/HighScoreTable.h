#pragma once

#include "media/Sprite.h"

// Placeholder high score table until the real one lands.
class HighScoreTable : public Sprite {
public:
    HighScoreTable() : Sprite(nullptr) {}
    void addScore(int level, int score, const char* name = nullptr) {
        (void)level, (void)score, (void)name;
    }
    void show() {}
};
