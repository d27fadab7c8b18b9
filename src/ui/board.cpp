#include "game/form1.h"

#include "ui/toolkit.h"

#include <cmath>

namespace {
constexpr unsigned white = 0xFFFFFF;
constexpr unsigned black = 0x000000;
} // namespace

void Form1::activate()
{
    toolkit.scale(-20, 0, 200, 200);
    toolkit.setForeColor(white);
    toolkit.setBackColor(black);
    toolkit.setText1("#moves=0");
    drawboard();
}

void Form1::drawboard()
{
    toolkit.cls();
    // The pen follows the window's size; lrint rounds an exact half to the even neighbour.
    toolkit.setDrawWidth(static_cast<int>(std::lrint(toolkit.outerWidthTwips() / 500.0)));
    toolkit.line(125, 30, 125, 170);
    toolkit.line(75, 30, 75, 170);
    toolkit.line(30, 75, 170, 75);
    toolkit.line(30, 125, 170, 125);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            const Symbols shown = symbolsOf(board[i][j], toolkit);
            if (shown.o)
                toolkit.circle(50 * i, 50 * j, 10);
            if (shown.x)
                drawX(50 * i, 50 * j);
        }
    }
}

Symbols symbolsOf(int mark, const Toolkit& toolkit)
{
    // Value 2 is the local player's symbol, value 1 the other one.
    const bool playerIsX = toolkit.optionValue(1);
    const bool playerIsO = toolkit.optionValue(2);
    if (mark == cell::player)
        return {playerIsO, playerIsX};
    if (mark == cell::opponent)
        return {playerIsX, playerIsO};
    return {};
}

void Form1::drawX(int cx, int cy)
{
    toolkit.line(cx - 10, cy + 10, cx + 10, cy - 10);
    toolkit.line(cx - 10, cy - 10, cx + 10, cy + 10);
}

// The option buttons and the check box: each plays its own cue. "Better" sets its flags before
// its cue, "Easy" and "Best" after theirs.

void Form1::option1Click()
{
    playcue(107);
    drawboard();
}

void Form1::option2Click()
{
    playcue(105);
    drawboard();
}

void Form1::option3Click() { playcue(108); }

void Form1::option4Click() { playcue(106); }

void Form1::check1Click() { playcue(109); }

void Form1::option5Click()
{
    playcue(104);
    useblock = 0;
    usewin = 0;
}

void Form1::option6Click()
{
    useblock = 1;
    usewin = 0;
    playcue(102);
}

void Form1::option7Click()
{
    playcue(103);
    useblock = 1;
    usewin = 1;
}
