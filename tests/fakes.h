#pragma once

// Recording fakes of the window and the sound device, and a game wired to them.

#include "game/form1.h"
#include "sound/cue_player.h"
#include "ui/toolkit.h"

#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// A board written as rows top to bottom, cells left to right: "21./.2./1.." ('.' is empty).
inline Board grid(const std::string& rows)
{
    Board board{};
    int col = 1, row = 1;
    for (char c : rows) {
        if (c == '/')
            col = 1, ++row;
        else
            board[col++][row] = c == '.' ? 0 : c - '0';
    }
    return board;
}

// A failed comparison shows boards as rows ("1../.2./...") and lists item by item.
namespace QTest {
template <> inline char* toString(const Board& board)
{
    std::string rows;
    for (int i = 0; i < 9; ++i) // row by row
        rows += std::string(i && i % 3 == 0 ? "/" : "") + char(board[i % 3 + 1][i / 3 + 1] ? '0' + board[i % 3 + 1][i / 3 + 1] : '.');
    return qstrdup(rows.c_str());
}
template <> inline char* toString(const std::string& text) { return toString(text.c_str()); }
template <> inline char* toString(const Strings& items)
{
    std::string all;
    for (const std::string& item : items)
        all += (all.empty() ? "\"" : " | \"") + item + "\"";
    return qstrdup(("[" + all + "]").c_str());
}
} // namespace QTest

struct FakeToolkit : Toolkit {
    Strings calls; // drawing operations, in order
    Strings boxes; // message boxes
    bool options[8] = {false, true, false, true, false, true, false, false}; // start values
    int check1 = 1;
    int widthTwips = 7500;
    bool timer1 = true;
    std::string text1 = "Text1";
    std::deque<double> randoms;          // scripted numbers; drawing one more is an error
    std::function<void()> pendingEvents; // what the next doEvents runs

    // Selects an option button and deselects the others of its group.
    void select(int option)
    {
        const int first = option <= 2 ? 1 : option <= 4 ? 3 : 5, last = first == 5 ? 7 : first + 1;
        for (int o = first; o <= last; ++o)
            options[o] = o == option;
    }
    void record(const std::string& what, std::initializer_list<double> values)
    {
        std::ostringstream out;
        out << what;
        for (double v : values)
            out << ' ' << v;
        calls.push_back(out.str());
    }

    bool optionValue(int option) const override { return options[option]; }
    int check1Value() const override { return check1; }
    void setText1(const std::string& text) override { text1 = text; }
    void setTimer1Enabled(bool enabled) override { timer1 = enabled; }
    void scale(double l, double t, double r, double b) override { record("scale", {l, t, r, b}); }
    void setForeColor(unsigned rgb) override { calls.push_back("fore " + std::to_string(rgb)); }
    void setBackColor(unsigned rgb) override { calls.push_back("back " + std::to_string(rgb)); }
    void cls() override { calls.push_back("cls"); }
    void setDrawWidth(int px) override { record("width", {double(px)}); }
    void line(double x1, double y1, double x2, double y2) override { record("line", {x1, y1, x2, y2}); }
    void circle(double x, double y, double r) override { record("circle", {x, y, r}); }
    int outerWidthTwips() const override { return widthTwips; }
    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void doEvents() override
    {
        if (pendingEvents)
            std::exchange(pendingEvents, nullptr)();
    }
    double rnd() override
    {
        if (randoms.empty())
            throw std::logic_error("a random number the test did not script");
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
};

// Plays by reading the cue id back from the file, so a cue is only heard once it is written.
struct FakeCuePlayer : CuePlayer {
    std::vector<int> played;
    std::string location;
    bool failing = false;
    std::function<void(int)> onPlay; // sees the game as it stands when a cue starts

    std::string cueBytes(int id) const override { return std::to_string(id) + std::string(id * 10, '.'); }
    void setLocation(const std::string& path) override { location = path; }
    void play() override
    {
        if (failing)
            throw std::runtime_error("no sound device");
        std::ifstream in(location, std::ios::binary);
        std::string id(3, '\0');
        in.read(id.data(), 3);
        played.push_back(std::stoi(id));
        if (onPlay)
            onPlay(played.back());
    }
};

// A game over the fakes, with the cue file in a fresh folder.
struct Game {
    QTemporaryDir dir;
    FakeToolkit tk;
    FakeCuePlayer player;
    std::ostringstream errors;
    Form1 form{tk, player, {dir.path().toStdString()}, errors};

    // "Start " with the given first mover and "Play Computer?" setting.
    void start(bool youFirst = true, bool computer = true)
    {
        tk.select(youFirst ? 3 : 4);
        tk.check1 = computer;
        form.command1Click();
    }
    // Plays a script: "t" a tick, "12" a click on cell (1, 2), "w12" one waiting for the next tick
    // to let it run, "r0.5" a scripted random number, "o4" option button 4 selected without a click.
    Game& play(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string w; words >> w;) {
            if (w == "t")
                form.timer1Timer();
            else if (w[0] == 'r')
                tk.randoms.push_back(std::stod(w.substr(1)));
            else if (w[0] == 'o')
                tk.select(w[1] - '0');
            else if (w[0] == 'w')
                tk.pendingEvents = [this, w] { play(w.substr(1)); };
            else
                form.mouseDown(50.0 * (w[0] - '0'), 50.0 * (w[1] - '0'));
        }
        return *this;
    }
};
