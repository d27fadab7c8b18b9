#include "game/form1.h"

#include "ui/toolkit.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {
bool marked(const Board& board, const Line& line)
{
    for (const CellPos& p : line)
        if (board[p.col][p.row] == cell::empty)
            return false;
    return true;
}

// Fixed replies 4 to 12 of "Best": the target cell must be empty and, where `when` names a cell,
// that cell must hold the local player's mark.
struct Reply {
    CellPos target;
    CellPos when;
};
constexpr std::array<Reply, 9> laterReplies{{
    {{2, 2}, {}},
    {{1, 2}, {3, 3}},
    {{3, 2}, {3, 1}},
    {{2, 1}, {1, 1}},
    {{2, 3}, {1, 3}},
    {{1, 1}, {}},
    {{1, 3}, {}},
    {{3, 3}, {}},
    {{3, 1}, {}},
}};
} // namespace

void Form1::placeComputerMark(int col, int row)
{
    board[col][row] = cell::opponent;
    turn = 2;
    drawboard();
    won();
}

// The opening answers of "Best". Returns whether one was played. Replies 1 to 3 answer the
// player's second click; like every other reply they only ever play an empty cell.
bool Form1::playFixedReply()
{
    const auto isEmpty = [this](CellPos p) { return board[p.col][p.row] == cell::empty; };
    std::optional<CellPos> reply;
    if (moves == 2 && toolkit.optionValue(4) && board[1][2] == cell::player && isEmpty({2, 1}))
        reply = CellPos{2, 1};
    else if (moves == 2 && toolkit.optionValue(3) && board[2][2] == cell::player) {
        if (marked(board, lines[6]) && isEmpty({1, 3}))
            reply = CellPos{1, 3};
        else if (marked(board, lines[7]) && isEmpty({3, 3}))
            reply = CellPos{3, 3};
    }
    for (const Reply& r : laterReplies) {
        if (!reply && isEmpty(r.target)
            && (r.when.col == 0 || board[r.when.col][r.when.row] == cell::player))
            reply = r.target;
    }
    if (!reply)
        return false;
    placeComputerMark(reply->col, reply->row);
    return true;
}

void Form1::timer1Timer()
{
    toolkit.doEvents();
    if (turn == 1) {
        if (usewin == 1 && turn == 1)
            movetowin();
        if (useblock == 1 && turn == 1)
            movetoblock();
        // A tick that plays a fixed reply ends there; a win it made is announced by the next
        // tick or click.
        if (turn == 1 && usewin == 1 && playFixedReply())
            return;
        if (turn == 1) {
            int col = static_cast<int>(toolkit.rnd() * 3 + 1);
            int row = static_cast<int>(toolkit.rnd() * 3 + 1);
            col = std::clamp(col, 1, 3);
            row = std::clamp(row, 1, 3);
            if (board[col][row] == cell::empty)
                placeComputerMark(col, row);
        }
    }
    announce(false);
}
