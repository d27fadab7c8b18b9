#pragma once

// Recording fakes of the window and the sound device, and a game wired to them.

#include "game/form1.h"
#include "sound/cue_player.h"
#include "ui/toolkit.h"

#include <QTemporaryDir>

#include <deque>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// A board written as rows top to bottom, cells left to right: "21./.2./1.." ('.' is empty).
inline Board grid(const std::string& rows)
{
    Board board{};
    int col = 1, row = 1;
    for (char c : rows) {
        if (c == '/') {
            ++row;
            col = 1;
        } else {
            board[col++][row] = c == '.' ? 0 : c - '0';
        }
    }
    return board;
}

inline std::string fmt(double v)
{
    std::ostringstream out;
    out << v;
    return out.str();
}

struct FakeToolkit : Toolkit {
    std::vector<std::string> calls; // every operation, in order
    bool options[8] = {false, true, false, true, false, true, false, false}; // start values
    int check1 = 1;
    int widthTwips = 7500;
    bool timer1 = true;
    std::string text1 = "Text1";
    std::deque<double> randoms;             // scripted numbers, used first
    std::function<double()> moreRandoms;    // then these, if set
    int randomsDrawn = 0;
    std::function<void()> pendingEvents; // what doEvents runs
    std::function<void(const std::string&)> onMessage;

    // Selects an option button and deselects the rest of its group.
    void select(int option)
    {
        const int first = option <= 2 ? 1 : option <= 4 ? 3 : 5;
        for (int o = first; o < first + (first == 5 ? 3 : 2); ++o)
            options[o] = o == option;
    }
    std::vector<std::string> drawing() const
    {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind("line", 0) == 0 || c.rfind("circle", 0) == 0 || c == "cls" || c.rfind("width", 0) == 0)
                out.push_back(c);
        return out;
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind("box ", 0) == 0)
                out.push_back(c.substr(4));
        return out;
    }

    bool optionValue(int option) const override { return options[option]; }
    int check1Value() const override { return check1; }
    void setText1(const std::string& text) override { text1 = text; }
    void setTimer1Enabled(bool enabled) override { timer1 = enabled; }
    void scale(double l, double t, double r, double b) override
    {
        calls.push_back("scale " + fmt(l) + "," + fmt(t) + " " + fmt(r) + "," + fmt(b));
    }
    void setForeColor(unsigned rgb) override { calls.push_back("fore " + std::to_string(rgb)); }
    void setBackColor(unsigned rgb) override { calls.push_back("back " + std::to_string(rgb)); }
    void cls() override { calls.push_back("cls"); }
    void setDrawWidth(int px) override { calls.push_back("width " + std::to_string(px)); }
    void line(double x1, double y1, double x2, double y2) override
    {
        calls.push_back("line " + fmt(x1) + "," + fmt(y1) + " " + fmt(x2) + "," + fmt(y2));
    }
    void circle(double x, double y, double r) override
    {
        calls.push_back("circle " + fmt(x) + "," + fmt(y) + " r" + fmt(r));
    }
    int outerWidthTwips() const override { return widthTwips; }
    void messageBox(const std::string& text) override
    {
        calls.push_back("box " + text);
        if (onMessage)
            onMessage(text);
    }
    void doEvents() override
    {
        if (pendingEvents)
            std::exchange(pendingEvents, nullptr)();
    }
    double rnd() override
    {
        ++randomsDrawn;
        if (randoms.empty() && moreRandoms)
            return moreRandoms();
        if (randoms.empty())
            throw std::logic_error("the test scripted too few random numbers");
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
};

struct FakeCuePlayer : CuePlayer {
    std::vector<int> played;             // cue ids, in order
    std::string location;
    bool failing = false;
    std::function<void(int)> onPlay;     // sees the game as it stands when a cue starts

    std::string cueBytes(int id) const override
    {
        return "RIFF-cue-" + std::to_string(id) + std::string(static_cast<size_t>(id) * 10, '.');
    }
    void setLocation(const std::string& path) override { location = path; }
    void play() override
    {
        if (failing)
            throw std::runtime_error("no sound device");
        const int id = currentId();
        played.push_back(id);
        if (onPlay)
            onPlay(id);
    }

private:
    int currentId() const
    {
        std::ifstream in(location, std::ios::binary);
        std::string head(12, '\0');
        in.read(head.data(), 12);
        return std::stoi(head.substr(9, 3));
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
        tk.check1 = computer ? 1 : 0;
        form.command1Click();
    }
    void click(int col, int row) { form.mouseDown(50.0 * col, 50.0 * row); }
};
