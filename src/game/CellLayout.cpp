#include "game/CellLayout.h"

CellLayout::CellLayout(int players) {
    if (players >= 4) {
        rows = 2;
        columns = 2;
    } else {
        rows = 1;
        columns = players < 1 ? 1 : players;
    }
}

Cell CellLayout::cell(int number) const {
    const int row = (number - 1) / columns;
    const int column = (number - 1) % columns;
    // Multiplied before dividing, so that the third of three cells starts at 213.
    return Cell{column * SCREEN_WIDTH / columns, row * SCREEN_HEIGHT / rows, SCREEN_WIDTH / columns,
                SCREEN_HEIGHT / rows};
}
