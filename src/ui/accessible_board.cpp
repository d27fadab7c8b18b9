#include "ui/accessible_board.h"

#include "game/form1.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace {
const char* const places[] = {
    QT_TRANSLATE_NOOP("AccessibleBoard", "top left"),    QT_TRANSLATE_NOOP("AccessibleBoard", "top"),
    QT_TRANSLATE_NOOP("AccessibleBoard", "top right"),   QT_TRANSLATE_NOOP("AccessibleBoard", "left"),
    QT_TRANSLATE_NOOP("AccessibleBoard", "centre"),      QT_TRANSLATE_NOOP("AccessibleBoard", "right"),
    QT_TRANSLATE_NOOP("AccessibleBoard", "bottom left"), QT_TRANSLATE_NOOP("AccessibleBoard", "bottom"),
    QT_TRANSLATE_NOOP("AccessibleBoard", "bottom right")};

// One cell of the table. Qt's AT-SPI bridge takes every child of a table for a table cell.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(AccessibleBoard* board, int index) : board(board), index(index) {}

    bool isValid() const override { return board; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? board->cellName(index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = board->hasFocus() && board->focusedCell() == index;
        return state;
    }
    // The cells are as wide as the grid lines make them: 30 to 75, 75 to 125, 125 to 170.
    QRect rect() const override
    {
        static constexpr double edges[] = {0, 45, 95, 140};
        const auto edge = [](int i, int length) { return int(edges[i] * length / 140); };
        const int col = index % 3, row = index / 3;
        const QPoint topLeft(edge(col, board->width()), edge(row, board->height()));
        const QPoint bottomRight(edge(col + 1, board->width()), edge(row + 1, board->height()));
        return QRect(board->mapToGlobal(topLeft), board->mapToGlobal(bottomRight) - QPoint(1, 1));
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index % 3; }
    int rowIndex() const override { return index / 3; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<AccessibleBoard> board;
    int index;
};

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(AccessibleBoard* board) : QAccessibleWidget(board, QAccessible::Table)
    {
        // Registered once: Qt's cache owns the cells from here on, and gives each its id.
        for (int i = 0; i < 9; ++i)
            cells[i] = QAccessible::registerAccessibleInterface(new BoardCell(board, i));
    }
    ~BoardTable() override
    {
        for (QAccessible::Id id : cells)
            QAccessible::deleteAccessibleInterface(id);
    }
    // Replaces a cell by a new one, which a screen reader standing on the old one moves to.
    void renew(int index)
    {
        QAccessible::deleteAccessibleInterface(cells[index]);
        cells[index] = QAccessible::registerAccessibleInterface(new BoardCell(board(), index));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return AccessibleBoard::tr("Board");
        return t == QAccessible::Description ? board()->description() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 9; }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < 9 ? QAccessible::accessibleInterface(cells[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < 9; ++i)
            if (QAccessible::accessibleInterface(cells[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return board()->hasFocus() ? child(board()->focusedCell()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* cellAt(int row, int column) const override { return child(row * 3 + column); }
    int rowCount() const override { return 3; }
    int columnCount() const override { return 3; }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    // Nothing on the board is ever selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    AccessibleBoard* board() const { return static_cast<AccessibleBoard*>(widget()); }

    QAccessible::Id cells[9] = {};
};

QAccessibleInterface* boardFactory(const QString&, QObject* object)
{
    auto* board = qobject_cast<AccessibleBoard*>(object);
    return board ? new BoardTable(board) : nullptr;
}

void sendToAccessibility(QObject* object, QAccessible::Event type, int child = -1)
{
    QAccessibleEvent event(object, type);
    event.setChild(child);
    AccessibleBoard::eventHandler(&event);
}

constexpr int timeForAMove = 600; // milliseconds
} // namespace

AccessibleBoard::AccessibleBoard(const GameRecord& game, const Toolkit& toolkit, QWidget* parent)
    : QWidget(parent), game(game), toolkit(toolkit)
{
    [[maybe_unused]] static const bool factoryInstalled = (QAccessible::installFactory(boardFactory), true);
    setObjectName("Board");
    setAttribute(Qt::WA_TransparentForMouseEvents); // presses reach the window's handler
    setFocusPolicy(Qt::TabFocus);
    pacer.setSingleShot(true);
    connect(&pacer, &QTimer::timeout, this, &AccessibleBoard::tellNext);
    for (int i = 0; i < 9; ++i)
        names[i] = cellName(i);
    describedAs = description();
}

QString AccessibleBoard::cellName(int index) const
{
    // board is indexed (column, row); the table goes row by row.
    const Symbols shown = symbolsOf(game.board[index % 3 + 1][index / 3 + 1], toolkit);
    return nameOf(index, shown.x ? "X" : shown.o ? "O" : tr("empty"));
}

// A cell's place and what it holds, in the order the language puts them.
QString AccessibleBoard::nameOf(int index, const QString& mark)
{
    //: A cell of the board: its place, then what it holds (X, O or empty)
    return tr("%1, %2").arg(tr(places[index]), mark);
}

QString AccessibleBoard::description() const
{
    if (game.turn == 0)
        return tr("No game: press Start");
    bool full = true;
    for (int col = 1; col <= 3; ++col)
        for (int row = 1; row <= 3; ++row)
            full = full && game.board[col][row] != cell::empty;
    if (full)
        return tr("Board full: press Start");
    return game.turn == 2 ? tr("Your turn") : tr("Opponent's turn");
}

void AccessibleBoard::refresh()
{
    int played = -1;
    for (int i = 0; i < 9; ++i) {
        const QString name = cellName(i);
        if (name == names[i])
            continue;
        if (names[i] == nameOf(i, tr("empty")))
            played = i;
        names[i] = name;
        sendToAccessibility(this, QAccessible::NameChanged, i);
    }
    if (played >= 0) {
        cursor = played;
        update();
        tell({played, true});
    }
    if (description() != describedAs) {
        describedAs = description();
        sendToAccessibility(this, QAccessible::DescriptionChanged);
    }
}

void AccessibleBoard::moveCursor(int index)
{
    if (index == cursor)
        return;
    cursor = index;
    update();
    tell({index, false});
}

void AccessibleBoard::tell(Telling telling)
{
    if (!hasFocus() || !QAccessible::isActive()) {
        current = telling.cell;
        return;
    }
    untold.push_back(telling);
    if (!pacer.isActive())
        tellNext();
}

// Tells the cells in turn. News gets the screen reader's time before anything else is told; a step
// of the cursor gets none, as the next key may cut any focus change short.
void AccessibleBoard::tellNext()
{
    while (!untold.empty()) {
        const Telling next = untold.front();
        untold.pop_front();
        if (next.cell == current && !next.news)
            continue;
        // A screen reader speaks no focus change to the cell it stands on, but does to a new one.
        if (next.cell == current)
            static_cast<BoardTable*>(QAccessible::queryAccessibleInterface(this))->renew(next.cell);
        sendToAccessibility(this, QAccessible::Focus, next.cell);
        current = next.cell;
        if (next.news) {
            pacer.start(timeForAMove);
            return;
        }
    }
}

void AccessibleBoard::finishTelling()
{
    while (!untold.empty() || pacer.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
}

// The arrows walk the cursor one cell, stopping at the edges.
void AccessibleBoard::keyPressEvent(QKeyEvent* event)
{
    int col = cursor % 3, row = cursor / 3;
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    switch (plain ? event->key() : 0) {
    case Qt::Key_Left: col = std::max(col - 1, 0); break;
    case Qt::Key_Right: col = std::min(col + 1, 2); break;
    case Qt::Key_Up: row = std::max(row - 1, 0); break;
    case Qt::Key_Down: row = std::min(row + 1, 2); break;
    default:
        QWidget::keyPressEvent(event); // digits, Space and Enter play in the window
        return;
    }
    moveCursor(row * 3 + col);
}

void AccessibleBoard::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    // Qt tells the board's focus once this returns: the cursor's cell comes next.
    if (QAccessible::isActive()) {
        current = -1;
        untold.push_back({cursor, true});
        if (!pacer.isActive())
            pacer.start(0);
    }
}

// What is still to be told is told no more: the screen reader follows the focus elsewhere.
void AccessibleBoard::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    untold.clear();
    update();
}

// The cursor's frame, only while the keys act on the board: dotted, in the board's white, 17.5
// units each way from the cell's centre, halfway between the edges of a mark (10 units and half
// a pen) and of the grid lines (25 units less half a pen); so it also stays clear of the symbol
// frame's border, which reaches into the bottom right cell.
void AccessibleBoard::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    const double x = 20 + 50 * (cursor % 3), y = 20 + 50 * (cursor / 3); // from the grid's corner
    const auto at = [this](double ux, double uy) { return QPointF(ux * width() / 140, uy * height() / 140); };
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, frameWidth, Qt::DotLine));
    painter.drawRect(QRectF(at(x - 17.5, y - 17.5), at(x + 17.5, y + 17.5)).toRect().adjusted(0, 0, -1, -1));
}
