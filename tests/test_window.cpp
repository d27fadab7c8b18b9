// The real window on Qt's offscreen platform: controls, presses, pixels, and whole games played
// with mouse events and the running timer. Sound goes to the recording fake.

#include "fakes.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <random>

namespace {
QPoint pixelOf(double x, double y) { return QPoint(int((x + 20) * 435 / 220), int(y * 347 / 200)); }

struct Window {
    FakeCuePlayer player;
    QTemporaryDir dir;
    std::mt19937 random;
    MainWindow window{[this] { return std::uniform_real_distribution<double>(0, 1)(random); }};
    Form1 form{window, player, {dir.path().toStdString()}};
    QStringList boxes; // texts of the message boxes, closed as they appear
    QTimer closer;

    Window()
    {
        window.attach(form);
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) // keys go to the focus of the active window
            qFatal("the window never became active");
        // A modal box runs its own event loop: watch for it from outside and press OK.
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QCOMPARE(std::pair(box->windowTitle(), box->buttons().size()), std::pair(QString("Gridora"), qsizetype(1)));
                boxes.push_back(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        closer.start(5);
    }
    template <typename T = QWidget>
    T* control(const char* name) { return window.findChild<T*>(name); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    void clickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&window, button, {}, pixelOf(50 * col, 50 * row));
    }
    QColor pixel(double x, double y) { return window.grab().toImage().pixelColor(pixelOf(x, y)); }
    // The cells, row by row, as the screen reader reads them.
    QString cellNames()
    {
        QStringList names;
        for (int i = 0; i < 9; ++i)
            names << table()->child(i)->text(QAccessible::Name);
        return names.join(" | ");
    }
    QAccessibleInterface* table() { return QAccessible::queryAccessibleInterface(control("Board")); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(QChar(key)), autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    QString selected()
    {
        QString digits;
        for (auto* option : window.findChildren<QRadioButton*>())
            if (option->isChecked())
                digits += option->objectName().back();
        std::sort(digits.begin(), digits.end());
        return digits;
    }
};
} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyLook(); }

    void theWindowAndItsControlsStartAsDesigned()
    {
        Window w;
        QCOMPARE(std::pair(w.window.windowTitle(), w.window.size()), std::pair(QString("Gridora"), QSize(435, 347)));
        const std::tuple<const char*, const char*, QString, QRect> controls[] = {
            {"Text1", "Form1", "#moves=0", {104, 8, 81, 19}},
            {"Frame1", "Form1", "Moves are:", {8, 8, 81, 73}},
            {"Option7", "Frame1", "Best", {8, 48, 65, 17}},
            {"Option6", "Frame1", "Better", {8, 32, 57, 17}},
            {"Option5", "Frame1", "Easy", {8, 16, 65, 17}},
            {"Check1", "Form1", "Play Computer?", {136, 304, 81, 33}},
            {"Frame2", "Form1", "", {320, 288, 113, 49}},
            {"Option1", "Frame2", "You are X", {16, 16, 81, 17}},
            {"Option2", "Frame2", "You are O", {16, 32, 81, 17}},
            {"Option4", "Form1", "Computer First", {32, 320, 89, 17}},
            {"Option3", "Form1", "You Go First", {32, 304, 89, 17}},
            {"Command1", "Form1", "Start ", {344, 8, 81, 41}},
        };
        for (const auto& [name, parent, caption, geometry] : controls) {
            QWidget* c = w.control(name);
            QCOMPARE(std::pair(c->parentWidget()->objectName(), c->geometry()), std::pair(QString(parent), geometry));
            const QString text = qobject_cast<QAbstractButton*>(c) ? qobject_cast<QAbstractButton*>(c)->text()
                                 : qobject_cast<QGroupBox*>(c)     ? qobject_cast<QGroupBox*>(c)->title()
                                                                   : qobject_cast<QLineEdit*>(c)->text();
            QCOMPARE(text, caption);
        }
        QCOMPARE(w.selected(), QString("135"));
        QVERIFY(w.control<QCheckBox>("Check1")->isChecked());
        QCOMPARE(w.control<QTimer>("Timer1")->interval(), 10);
        QVERIFY(w.window.timer1Enabled());
        QCOMPARE(w.window.focusWidget(), w.control("Command1"));
        QVERIFY(w.player.played.empty());

        QStringList order; // the tab order, over the controls that take focus
        QWidget* c = w.control("Command1");
        do {
            if (c->focusPolicy() & Qt::TabFocus)
                order << c->objectName();
        } while ((c = c->nextInFocusChain()) != w.control("Command1"));
        QCOMPARE(order.join(' '), QString("Command1 Option3 Option4 Option2 Option1 Check1 Option5 Option6 Option7 Text1"));
    }

    void everyCaptionFitsItsControl()
    {
        Window w;
        QCOMPARE(QFontInfo(w.window.font()).family(), QString("DejaVu Sans Condensed"));
        for (auto* b : w.window.findChildren<QAbstractButton*>()) {
            QStyleOptionButton option;
            option.initFrom(b);
            const bool check = qobject_cast<QCheckBox*>(b), radio = qobject_cast<QRadioButton*>(b);
            const auto element = check ? QStyle::SE_CheckBoxContents
                                 : radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
            const int room = b->style()->subElementRect(element, &option, b).width();
            // The check box wraps its caption: each word must fit a line, and the lines the box.
            const QStringList lines = check ? b->text().split(' ') : QStringList{b->text()};
            for (const QString& line : lines)
                QVERIFY2(b->fontMetrics().horizontalAdvance(line) <= room, qPrintable(b->text()));
            QVERIFY2(lines.size() * b->fontMetrics().height() <= b->height(), qPrintable(b->text()));
        }
        auto* frame = w.control<QGroupBox>("Frame1");
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());
        auto* text = w.control<QLineEdit>("Text1");
        QVERIFY(text->fontMetrics().horizontalAdvance("#moves=100") < text->width() - 6);
    }

    void eachOptionGroupKeepsExactlyOneSelection()
    {
        Window w;
        // Clicking the selected button keeps it; a click changes its own group only.
        const std::pair<const char*, const char*> clicks[] = {{"Option3", "135"}, {"Option4", "145"},
                                                              {"Option7", "147"}, {"Option2", "247"},
                                                              {"Option3", "237"}, {"Option1", "137"}};
        for (auto [name, after] : clicks) {
            w.click(name);
            QCOMPARE(w.selected(), QString(after));
        }
    }

    void pressesOnTheControlsNeverReachTheBoard()
    {
        Window w;
        w.click("Command1");
        for (const char* name : {"Frame1", "Frame2", "Option5", "Option1", "Option3", "Check1", "Command1", "Text1"}) {
            QWidget* c = w.control(name);
            const QPoint emptyEnd(c->width() - 2, c->height() / 2); // no caption, no indicator
            for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton})
                if (button != Qt::LeftButton || qobject_cast<QGroupBox*>(c))
                    QTest::mouseClick(c, button, {}, emptyEnd);
        }
        QCOMPARE(std::tuple(w.form.board, w.form.moves, w.form.turn), std::tuple(Board{}, 0, 2));
    }

    void theBoardIsWhiteOnBlackAndSwapsSymbols()
    {
        Window w;
        QCOMPARE(w.pixel(100, 100), QColor(Qt::black));
        for (auto [x, y] : {std::pair{75, 100}, {125, 100}, {100, 75}, {100, 125}, {75, 32}, {168, 125}})
            QCOMPARE(w.pixel(x, y), QColor(Qt::white));
        w.click("Check1"); // two people
        w.click("Command1");
        w.clickCell(1, 1);
        w.clickCell(3, 3);
        // An X is white at its centre; an O is a white ring around black.
        QCOMPARE(std::tuple(w.pixel(50, 50), w.pixel(150, 150), w.pixel(160, 150)),
                 std::tuple(QColor(Qt::white), QColor(Qt::black), QColor(Qt::white)));
        w.click("Option2");
        QCOMPARE(std::pair(w.pixel(50, 50), w.pixel(150, 150)), std::pair(QColor(Qt::black), QColor(Qt::white)));
    }

    void twoPeoplePlayWholeGamesWithTheMouse()
    {
        Window w;
        w.click("Check1");
        w.click("Command1");
        QVERIFY(!w.window.timer1Enabled());
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 3}})
            w.clickCell(col, row);
        w.clickCell(2, 3, Qt::RightButton); // any button moves: the second person wins column 2
        QCOMPARE(w.boxes, QStringList{"O's win"});
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), QString("#moves=3"));
        QCOMPARE(w.player.played, (std::vector<int>{109, 101})); // no cue for the opponent's win
        w.clickCell(3, 1);
        QCOMPARE(w.form.board[3][1], 0);

        w.click("Command1"); // and the local player wins the next, with the victory cue
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}})
            w.clickCell(col, row);
        QCOMPARE(w.boxes, (QStringList{"O's win", "X's win"}));
        QCOMPARE(w.player.played.back(), 103);
    }

    void digitKeysPlayTheirCellsAsLeftClicksDo()
    {
        Window w;
        w.click("Check1"); // two people: every move places a mark
        QString played;
        for (Qt::KeyboardModifiers keypad : {Qt::NoModifier, Qt::KeypadModifier}) {
            for (int digit = 1; digit <= 9; ++digit) {
                w.click("Command1"); // the focus on a button at first, then on the board
                w.key(Qt::Key(Qt::Key_0 + digit), keypad);
                for (int i = 0; i < 9; ++i)
                    if (w.form.board[i % 3 + 1][i / 3 + 1])
                        played += QString::number(i + 1);
            }
        }
        QCOMPARE(played, QString("123456789789456123"));
        QCOMPARE(w.form.moves, 1);

        // Shift may be needed for digits; other modifiers and a held key's repeats do nothing.
        w.click("Command1");
        w.key(Qt::Key_5, Qt::ControlModifier);
        w.key(Qt::Key_5, Qt::AltModifier);
        w.key(Qt::Key_5, Qt::ShiftModifier);
        w.key(Qt::Key_1, Qt::ShiftModifier, true);
        QCOMPARE(w.form.board, grid(".../.2./..."));

        // In the counter box a digit is typing.
        w.control("Text1")->setFocus();
        w.key(Qt::Key_7);
        QCOMPARE(w.form.board, grid(".../.2./..."));
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), QString("#moves=17"));
    }

    void theBoardIsATableThatSaysWhatEachCellShows()
    {
        Window w;
        QAccessibleInterface* table = w.table();
        QCOMPARE(std::tuple(table->role(), table->text(QAccessible::Name), table->childCount()),
                 std::tuple(QAccessible::Table, QString("Board"), 9));
        QCOMPARE(std::pair(table->tableInterface()->rowCount(), table->tableInterface()->columnCount()), std::pair(3, 3));
        QCOMPARE(table->text(QAccessible::Description), QString("No game: press Start"));
        w.click("Check1");
        w.click("Command1");
        w.key(Qt::Key_4);
        w.key(Qt::Key_3);
        QCOMPARE(w.cellNames(), QString("top left, empty | top, empty | top right, O | left, X | centre, empty | "
                                        "right, empty | bottom left, empty | bottom, empty | bottom right, empty"));
        QCOMPARE(table->focusChild(), table->tableInterface()->cellAt(0, 2));
        QVERIFY(table->focusChild()->state().focused);
        w.click("Option2");
        QCOMPARE(w.cellNames().section(" | ", 2, 3), QString("top right, X | left, O"));

        const std::tuple<const char*, int, const char*> standings[] = {
            {"1../.../...", 2, "Your turn"}, {"1../.../...", 1, "Opponent's turn"},
            {"121/221/112", 1, "Board full: press Start"}, {"121/221/112", 0, "No game: press Start"}};
        for (auto [board, turn, said] : standings) {
            w.form.board = grid(board);
            w.form.turn = turn;
            QCOMPARE(table->text(QAccessible::Description), QString(said));
        }
        QCOMPARE(std::pair(w.control("Text1")->accessibleName(), w.control("Frame2")->accessibleName()),
                 std::pair(QString("Moves"), QString("Your symbol")));
    }

    void theTimerRunsOnlyWhileATickHasWork()
    {
        Window w;
        auto* timer = w.control<QTimer>("Timer1");
        QVERIFY(w.window.timer1Enabled() && !timer->isActive()); // no game yet
        w.click("Command1");
        QVERIFY(!timer->isActive()); // the player's turn
        w.clickCell(2, 2);
        QVERIFY(timer->isActive()); // the computer's
        QTRY_COMPARE(w.form.turn, 2);
        QVERIFY(!timer->isActive());
        w.form.winner = 2; // a win waiting for a tick, as a fixed reply can leave one
        w.click("Option3");
        QTRY_COMPARE(w.boxes, QStringList{"X's win"});
        QVERIFY(!timer->isActive());
        w.click("Check1");
        w.click("Command1");
        w.clickCell(1, 1);
        QCOMPARE(w.form.turn, 1);
        QVERIFY(!w.window.timer1Enabled() && !timer->isActive()); // the second person's turn
    }

    void theComputerPlaysAWholeGameAtEachStrength()
    {
        for (const char* strength : {"Option5", "Option6", "Option7"}) {
            Window w;
            w.click(strength);
            w.click(strength == std::string("Option6") ? "Option4" : "Option3");
            w.click("Command1");
            // The player takes the first empty cell, row by row, whenever it is their turn.
            for (int move = 0; move < 9 && w.boxes.empty() && w.form.turn != 0; ++move) {
                QTRY_VERIFY_WITH_TIMEOUT(w.form.turn != 1, 2000);
                for (int cell = 0; cell < 9 && w.form.turn == 2; ++cell)
                    if (w.form.board[cell % 3 + 1][cell / 3 + 1] == 0)
                        w.clickCell(cell % 3 + 1, cell / 3 + 1);
            }
            int marks[3] = {};
            for (int c = 1; c <= 3; ++c)
                for (int r = 1; r <= 3; ++r)
                    ++marks[w.form.board[c][r]];
            QVERIFY(std::abs(marks[1] - marks[2]) <= 1);
            if (strength == std::string("Option7")) // this naive player loses to "Best"
                QCOMPARE(w.boxes, QStringList{"O's win"});
            else
                QVERIFY(w.boxes.size() == 1 || marks[0] == 0);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
