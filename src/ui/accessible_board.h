#pragma once

#include "game/state.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <deque>

class Toolkit;

// The board as assistive technology sees it: an invisible widget over the grid whose accessible
// is a table named "Board", 3 rows by 3 columns, with cells named by place and what they show
// ("centre, X") and a description that says where the game stands. The window calls refresh()
// after every handler; a cell that has just got a mark becomes the focused cell, which a screen
// reader speaks while the board has the keyboard focus.
//
//     AccessibleBoard cells(form, window, &window);   // over the grid, out of the tab chain
//     form.mouseDown(100, 100); cells.refresh(); cells.takeFocus();   // "centre, X" is spoken
//
// A screen reader drops a focus change that a newer one overtakes before it has spoken it, and
// the computer answers within milliseconds: so the moves are told one at a time, a little apart.
class AccessibleBoard : public QWidget {
    Q_OBJECT
public:
    AccessibleBoard(const GameRecord& game, const Toolkit& toolkit, QWidget* parent);

    // Cells row by row, 0 top left to 8 bottom right.
    QString cellName(int index) const;
    QString description() const;
    int focusedCell() const { return current; }

    // Tells assistive technology what changed since the last call.
    void refresh();
    // Gives the board the keyboard focus, so the moves are told from now on.
    void takeFocus();
    // Returns once every move has been told, letting no input in meanwhile.
    void finishTelling();

private:
    void tellNext();

    const GameRecord& game;
    const Toolkit& toolkit;
    int current = 4;               // the focused cell while the board has the focus
    std::array<QString, 9> names;  // as assistive technology was last told them
    QString describedAs;
    std::deque<int> untold;        // cells played but not yet told
    QTimer pacer; // the time a screen reader has for one move
};
