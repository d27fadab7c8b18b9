#include "game/form1.h"

#include "ui/toolkit.h"

void Form1::mouseDown(double x, double y)
{
    const int col = cellIndex(x);
    const int row = cellIndex(y);
    if (turn == 2) {
        // Every click in the player's turn counts, even one on an occupied cell.
        ++moves;
        toolkit.setText1("#moves=" + std::to_string(moves));
        if (board[col][row] == cell::empty) {
            board[col][row] = cell::player;
            turn = 1;
            drawboard();
            won();
        }
    }
    // Two-player mode. A click that just placed the player's mark finds its own cell taken here.
    if (turn == 1 && toolkit.check1Value() == 0) {
        if (board[col][row] == cell::empty) {
            board[col][row] = cell::opponent;
            turn = 2;
            drawboard();
            won();
        }
    }
    announce(true);
}
