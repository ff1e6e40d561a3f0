#pragma once

// One player's part of the screen: position of the top-left corner and size.
struct Cell {
    int x;
    int y;
    int w;
    int h;
};

// How the 320 x 240 screen is shared: four players in two rows of two cells,
// fewer players side by side in one row. Cells are numbered from 1, row by row
// and left to right, and cell n belongs to player n. Sizes are truncated, so
// with three players the columns 212 and 319 belong to no cell.
class CellLayout {
public:
    static constexpr int SCREEN_WIDTH = 320;
    static constexpr int SCREEN_HEIGHT = 240;

    explicit CellLayout(int players = 1);

    int getRows() const { return rows; }
    int getColumns() const { return columns; }
    int cellCount() const { return rows * columns; }
    // The cell of a player, 1 to cellCount().
    Cell cell(int number) const;

private:
    int rows = 1;
    int columns = 1;
};
