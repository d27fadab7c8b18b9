#include "game/win.h"

#include "game/form1.h"

#include <cmath>

int cellIndex(double c)
{
    double index = std::trunc(std::floor(c + 25) / 50);
    if (index > 3)
        index = 3;
    if (!(index >= 1)) // also catches NaN
        index = 1;
    return static_cast<int>(index);
}

int fullLineMark(const Board& board)
{
    for (const Line& line : lines) {
        int ones = 0;
        int twos = 0;
        for (const CellPos& p : line) {
            ones += board[p.col][p.row] == cell::opponent;
            twos += board[p.col][p.row] == cell::player;
        }
        if (ones > 2)
            return cell::opponent;
        if (twos > 2)
            return cell::player;
    }
    return 0;
}

void Form1::won()
{
    // Records only; whoever placed the mark announces. Never clears winner, knows no draw.
    if (int mark = fullLineMark(board)) {
        winner = mark;
        turn = 0;
    }
}
