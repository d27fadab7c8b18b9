#include "ai/line_search.h"

#include "game/form1.h"

std::optional<CellPos> openLine(const Board& board, int mark)
{
    for (const Line& line : lines) {
        int count = 0;
        std::optional<CellPos> gap;
        for (const CellPos& p : line) {
            if (board[p.col][p.row] == mark)
                ++count;
            if (board[p.col][p.row] == cell::empty)
                gap = p;
        }
        if (count == 2 && gap)
            return gap;
    }
    return std::nullopt;
}

void Form1::movetowin() { moveToOpenLine(cell::opponent); }

void Form1::movetoblock() { moveToOpenLine(cell::player); }

// Completes or blocks with the computer's mark; without a line, changes nothing and draws nothing.
void Form1::moveToOpenLine(int mark)
{
    if (const auto gap = openLine(board, mark)) {
        board[gap->col][gap->row] = cell::opponent;
        turn = 2;
        drawboard();
        won();
    }
}
