#include "game/form1.h"

#include "ui/toolkit.h"

void Form1::command1Click()
{
    if (starts % 4 == 0)
        playcue(101);
    ++starts;
    winner = 0;
    moves = 0;
    for (int col = 1; col <= 3; ++col)
        for (int row = 1; row <= 3; ++row)
            board[col][row] = cell::empty;
    // The timer keeps this setting until the next press, whatever the box says meanwhile.
    toolkit.setTimer1Enabled(toolkit.check1Value() != 0);
    turn = toolkit.optionValue(3) ? 2 : 1;
    activate();
    drawboard();
}
