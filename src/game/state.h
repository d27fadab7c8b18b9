#pragma once

#include <array>
#include <string>

// Cell values of `board`. Value 2 shows as the symbol the local player chose, value 1 as the other.
namespace cell {
constexpr int empty = 0;
constexpr int opponent = 1; // the computer, or the second person
constexpr int player = 2;   // the local player
} // namespace cell

// board(column, row): indices 1..3 are the playing cells; index 0 exists and stays 0.
using Board = std::array<std::array<int, 4>, 4>;

// The whole game state. It lives in the window for the window's lifetime.
struct GameRecord {
    Board board{};
    int turn = 0;     // 0 no game running, 1 the opponent's turn, 2 the local player's turn
    int winner = 0;   // set by won(): 1 or 2; cleared by "Start " and by the announcement
    int moves = 0;    // clicks on the surface made while turn = 2, occupied cells included
    int useblock = 0; // 1: the computer blocks the player's open two
    int usewin = 0;   // 1: the computer completes its own open two and uses the fixed replies
    int starts = 0;   // presses of "Start " so far
    std::string wavfile; // the temporary file that holds the latest cue
};

struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos& other) const { return col == other.col && row == other.row; }
};

// The eight lines in the order every search uses: columns 1-3 (top to bottom), rows 1-3 (left to
// right), the main diagonal, then the anti-diagonal from (1, 3) up to (3, 1).
using Line = std::array<CellPos, 3>;
constexpr std::array<Line, 8> lines{{
    {{{1, 1}, {1, 2}, {1, 3}}},
    {{{2, 1}, {2, 2}, {2, 3}}},
    {{{3, 1}, {3, 2}, {3, 3}}},
    {{{1, 1}, {2, 1}, {3, 1}}},
    {{{1, 2}, {2, 2}, {3, 2}}},
    {{{1, 3}, {2, 3}, {3, 3}}},
    {{{1, 1}, {2, 2}, {3, 3}}},
    {{{1, 3}, {2, 2}, {3, 1}}},
}};

// The playing cell (1..3) of a user-scale coordinate: below 75 is 1, below 125 is 2, else 3.
int cellIndex(double c);
