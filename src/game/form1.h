#pragma once

#include "game/state.h"
#include "sound/cue_file.h"

#include <iostream>
#include <set>
#include <string>
#include <vector>

class CuePlayer;
class Toolkit;

// What a cell holding `mark` shows, read from the symbol buttons as they stand: drawboard draws
// it and the board's accessible cells name it, so the two always agree. Two tests, not one choice:
// with neither button selected a mark shows nothing.
struct Symbols {
    bool o = false;
    bool x = false;
};
Symbols symbolsOf(int mark, const Toolkit& toolkit);

// The main window's logic: the game record and one method per event handler and procedure.
// The Qt window turns its events into these calls and implements Toolkit for them:
//
//     Form1 form(window, player, {appDir, runtimeDir});
//     form.activate(); form.command1Click(); form.mouseDown(50, 50);
class Form1 : public GameRecord {
public:
    // cueFolders: where the temporary cue file may go, in order of preference.
    Form1(Toolkit& toolkit, CuePlayer& player, std::vector<std::string> cueFolders,
          std::ostream& errors = std::cerr);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Event handlers
    void activate();
    void unload();
    void mouseDown(double x, double y);
    void command1Click(); // "Start "
    void timer1Timer();
    void check1Click();   // "Play Computer?"
    void option1Click();  // "You are X"
    void option2Click();  // "You are O"
    void option3Click();  // "You Go First"
    void option4Click();  // "Computer First"
    void option5Click();  // "Easy"
    void option6Click();  // "Better"
    void option7Click();  // "Best"

    // Procedures
    void won();
    void movetowin();
    void movetoblock();
    void drawboard();
    void playcue(int id);
    void zed();

    // Says once on the error stream that a cue failed; sound never stops the game.
    void reportCueFailure(const std::string& what);

private:
    void announce(bool cueForPlayer);
    void moveToOpenLine(int mark);
    void placeComputerMark(int col, int row);
    bool playFixedReply();
    void drawX(int cx, int cy);

    Toolkit& toolkit;
    CuePlayer& player;
    std::vector<std::string> cueFolders;
    std::ostream& errors;
    std::set<std::string> reported;
    CueFile cueFile; // open from its creation until unload
};
