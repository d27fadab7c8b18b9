#include "game/form1.h"

#include "ui/toolkit.h"

#include <utility>

Form1::Form1(Toolkit& toolkit, CuePlayer& player, std::vector<std::string> cueFolders,
             std::ostream& errors)
    : toolkit(toolkit), player(player), cueFolders(std::move(cueFolders)), errors(errors)
{
}

// Both the mouse handler and the timer tick end with this. The state is cleared before the
// cue and the box, so anything that runs while the box is open finds the game stopped.
void Form1::announce(bool cueForPlayer)
{
    const bool playingX = toolkit.optionValue(1);
    if (winner == cell::player) {
        turn = 0;
        winner = 0;
        if (cueForPlayer)
            zed();
        toolkit.messageBox(playingX ? "X's win" : "O's win");
    }
    if (winner == cell::opponent) {
        turn = 0;
        winner = 0;
        toolkit.messageBox(playingX ? "O's win" : "X's win");
    }
}
