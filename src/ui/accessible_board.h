#pragma once

#include "game/state.h"

#include <QAccessible>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <deque>

class Toolkit;

// The board as assistive technology sees it: a widget over the grid whose accessible is a table
// named "Board", 3 rows by 3 columns, with cells named by place and what they show ("centre, X")
// and a description that says where the game stands. It keeps a cursor: the cell the arrow keys
// walk, Space and Enter play (through the window) and a dotted frame shows while the board has the
// keyboard focus, which Tab gives it last. The window calls refresh() after every handler; the
// cursor follows each move, and the focused cell a screen reader speaks follows the cursor.
//
//     AccessibleBoard cells(form, window, &window);   // over the grid, after the panel in the tab chain
//     form.mouseDown(100, 100); cells.refresh(); cells.setFocus();   // "centre, X" is spoken
//
// A screen reader drops a focus change that a newer one overtakes before it has spoken it, and
// the computer answers within milliseconds: so the moves are told one at a time, a little apart,
// and a step of the cursor waits for the moves before it.
class AccessibleBoard : public QWidget {
    Q_OBJECT
public:
    AccessibleBoard(const GameRecord& game, const Toolkit& toolkit, QWidget* parent);

    // Where the board's accessibility events go. Qt passes them on only while assistive technology
    // listens, never on the offscreen platform: a test may put its own handler here.
    static inline QAccessible::UpdateHandler eventHandler = QAccessible::updateAccessibility;

    // Cells row by row, 0 top left to 8 bottom right.
    QString cellName(int index) const;
    QString description() const;
    int focusedCell() const { return current; }
    int cursorCell() const { return cursor; }

    // Tells assistive technology what changed since the last call.
    void refresh();
    void moveCursor(int index);
    void setFrameWidth(int pixels) { frameWidth = pixels; }
    // Returns once every move has been told, letting no input in meanwhile.
    void finishTelling();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static QString nameOf(int index, const QString& mark);

    struct Telling {
        int cell = 0;
        bool news = false; // a move, or the cell the focus lands on: always spoken, and given time
    };
    void tell(Telling telling);
    void tellNext();

    const GameRecord& game;
    const Toolkit& toolkit;
    int cursor = 4;                // the cell the keys act on
    int current = 4;               // the focused cell as assistive technology was last told it
    int frameWidth = 1;            // the cursor frame's pen, in pixels
    std::array<QString, 9> names;  // as assistive technology was last told them
    QString describedAs;
    std::deque<Telling> untold;
    QTimer pacer; // the time a screen reader has for one move
};
