// The real window on Qt's offscreen platform: controls, layout, presses, pixels, and whole games
// played with mouse events and the running timer. Sound goes to the recording fake.

#include "fakes.h"
#include "ui/main_window.h"

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
QPoint cellPixel(int col, int row) { return pixelOf(50 * col, 50 * row); }

struct Window {
    FakeCuePlayer player;
    QTemporaryDir dir;
    std::mt19937 random;
    MainWindow window{[this] { return std::uniform_real_distribution<double>(0, 1)(random); }};
    Form1 form{window, player, {dir.path().toStdString()}};
    std::vector<QString> boxes; // texts of the message boxes, closed as they appear
    QTimer closer;

    Window()
    {
        window.attach(form);
        window.show();
        // Modal boxes run their own event loop: watch for them from outside and press OK.
        closer.setInterval(5);
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QCOMPARE(box->windowTitle(), QString("Gridora"));
                QCOMPARE(box->buttons().size(), 1);
                boxes.push_back(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        closer.start();
    }
    template <typename T = QWidget>
    T* control(const char* name) { return window.findChild<T*>(name); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    void clickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&window, button, {}, cellPixel(col, row));
    }
    bool boardEmpty() const { return form.board == Board{}; }
};
} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyLook(); }

    void theWindowAndItsControlsStartAsDesigned()
    {
        Window w;
        QCOMPARE(w.window.windowTitle(), QString("Gridora"));
        QCOMPARE(w.window.size(), QSize(435, 347));
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), QString("#moves=0"));
        struct Expect {
            const char* name;
            const char* parent;
            QString caption;
            QRect geometry;
            int checked; // -1: not a check/option control
        };
        const Expect controls[] = {
            {"Text1", "Form1", "#moves=0", {104, 8, 81, 19}, -1},
            {"Frame1", "Form1", "Moves are:", {8, 8, 81, 73}, -1},
            {"Option7", "Frame1", "Best", {8, 48, 65, 17}, 0},
            {"Option6", "Frame1", "Better", {8, 32, 57, 17}, 0},
            {"Option5", "Frame1", "Easy", {8, 16, 65, 17}, 1},
            {"Check1", "Form1", "Play Computer?", {136, 304, 81, 33}, 1},
            {"Frame2", "Form1", "", {320, 288, 113, 49}, -1},
            {"Option1", "Frame2", "You are X", {16, 16, 81, 17}, 1},
            {"Option2", "Frame2", "You are O", {16, 32, 81, 17}, 0},
            {"Option4", "Form1", "Computer First", {32, 320, 89, 17}, 0},
            {"Option3", "Form1", "You Go First", {32, 304, 89, 17}, 1},
            {"Command1", "Form1", "Start ", {344, 8, 81, 41}, -1},
        };
        for (const Expect& e : controls) {
            QWidget* c = w.control(e.name);
            QVERIFY2(c, e.name);
            QCOMPARE(c->parentWidget()->objectName(), QString(e.parent));
            QCOMPARE(c->geometry(), e.geometry);
            if (auto* b = qobject_cast<QAbstractButton*>(c))
                QCOMPARE(b->text(), e.caption);
            if (auto* g = qobject_cast<QGroupBox*>(c))
                QCOMPARE(g->title(), e.caption);
            if (e.checked >= 0)
                QCOMPARE(qobject_cast<QAbstractButton*>(c)->isChecked(), bool(e.checked));
        }
        QTimer* timer = w.control<QTimer>("Timer1");
        QCOMPARE(timer->interval(), 10);
        QVERIFY(w.window.timer1Enabled());
        QCOMPARE(w.window.focusWidget(), w.control("Command1"));
        QCOMPARE(std::pair(w.form.useblock, w.form.usewin), std::pair(0, 0));
        QVERIFY(w.player.played.empty());
    }

    void eachOptionGroupKeepsExactlyOneSelection()
    {
        Window w;
        const auto selected = [&] {
            QString names;
            for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7"})
                if (w.control<QRadioButton>(name)->isChecked())
                    names += QString(name).back();
            return names;
        };
        // Clicking the selected button keeps it; each click changes its own group only.
        const std::pair<const char*, const char*> clicks[] = {
            {"Option3", "135"}, {"Option4", "145"}, {"Option7", "147"}, {"Option2", "247"},
            {"Option6", "246"}, {"Option3", "236"}, {"Option1", "136"}, {"Option5", "135"}};
        for (auto [name, after] : clicks) {
            w.click(name);
            QCOMPARE(selected(), QString(after));
        }
    }

    void tabOrderRunsFromStartToTheCounter()
    {
        Window w;
        QStringList order;
        QWidget* c = w.control("Command1");
        do {
            if (c->focusPolicy() & Qt::TabFocus)
                order << c->objectName();
            c = c->nextInFocusChain();
        } while (c != w.control("Command1"));
        QCOMPARE(order, QStringList({"Command1", "Option3", "Option4", "Option2", "Option1", "Check1",
                                     "Option5", "Option6", "Option7", "Text1"}));
    }

    void everyCaptionFitsItsControl()
    {
        Window w;
        QCOMPARE(QFontInfo(w.window.font()).family(), QString("DejaVu Sans Condensed"));
        for (auto* b : w.window.findChildren<QAbstractButton*>()) {
            QStyleOptionButton option;
            option.initFrom(b);
            const bool check = qobject_cast<QCheckBox*>(b);
            const QRect text = b->style()->subElementRect(
                check ? QStyle::SE_CheckBoxContents
                      : qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_PushButtonContents,
                &option, b);
            const QFontMetrics fm = b->fontMetrics();
            // The check box wraps its caption; each word must fit a line, and all lines the box.
            const QStringList lines = check ? b->text().split(' ') : QStringList{b->text()};
            for (const QString& line : lines)
                QVERIFY2(fm.horizontalAdvance(line) <= text.width(), qPrintable(b->text()));
            QVERIFY2(int(lines.size()) * fm.height() <= b->height(), qPrintable(b->text()));
        }
        auto* frame = w.control<QGroupBox>("Frame1");
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());
        auto* text = w.control<QLineEdit>("Text1");
        QVERIFY(text->fontMetrics().horizontalAdvance("#moves=100") < text->width() - 6);
    }

    void pressesOnTheControlsNeverReachTheBoard()
    {
        Window w;
        w.click("Command1");
        QCOMPARE(w.form.turn, 2);
        const char* targets[] = {"Frame1", "Frame2", "Option5", "Option1", "Option3", "Option4",
                                 "Check1", "Command1", "Text1"};
        for (const char* name : targets) {
            QWidget* c = w.control(name);
            // The empty right end of a control's rectangle: no caption, no indicator.
            const QPoint spot(c->width() - 2, c->height() / 2);
            for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
                QTest::mouseClick(c, button, {}, spot);
            if (qobject_cast<QGroupBox*>(c))
                QTest::mouseClick(c, Qt::LeftButton, {}, spot);
        }
        QVERIFY(w.boardEmpty());
        QCOMPARE(w.form.moves, 0);
    }

    void theGridIsWhiteOnBlackAtItsPlace()
    {
        Window w;
        w.clickCell(3, 1); // not a game yet: draws nothing
        const QImage image = w.window.grab().toImage();
        const auto white = [&](double x, double y) { return image.pixelColor(pixelOf(x, y)) == Qt::white; };
        QVERIFY(white(75, 100) && white(125, 100) && white(100, 75) && white(100, 125));
        QVERIFY(white(75, 32) && white(168, 125));
        QVERIFY(!white(100, 100) && !white(150, 50) && !white(50, 150) && !white(100, 20));
        QCOMPARE(image.pixelColor(pixelOf(100, 100)), QColor(Qt::black));
    }

    void marksAppearAtOnceAndSwapWithTheSymbol()
    {
        Window w;
        w.click("Check1"); // two people
        w.click("Command1");
        w.clickCell(1, 1);
        w.clickCell(3, 3);
        auto at = [&](double x, double y) { return w.window.grab().toImage().pixelColor(pixelOf(x, y)); };
        // X at (1, 1): its centre is white. O at (3, 3): white ring, black centre.
        QCOMPARE(at(50, 50), QColor(Qt::white));
        QCOMPARE(at(150, 150), QColor(Qt::black));
        QCOMPARE(at(160, 150), QColor(Qt::white));
        w.click("Option2");
        QCOMPARE(at(50, 50), QColor(Qt::black));
        QCOMPARE(at(150, 150), QColor(Qt::white));
        QCOMPARE(w.form.board, grid("2../.../..1"));
    }

    void twoPeoplePlayAWholeGameWithTheMouse()
    {
        Window w;
        w.click("Check1");
        w.click("Command1");
        QVERIFY(!w.window.timer1Enabled());
        // The second person wins column 2; the right button moves too.
        w.clickCell(1, 1);
        w.clickCell(2, 1, Qt::RightButton);
        w.clickCell(1, 2);
        w.clickCell(2, 2);
        w.clickCell(3, 3);
        w.clickCell(2, 3);
        QCOMPARE(w.boxes, std::vector<QString>{"O's win"});
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), QString("#moves=3"));
        QCOMPARE(w.player.played, (std::vector<int>{109, 101})); // no cue for the opponent's win
        w.clickCell(3, 1);
        QCOMPARE(w.form.board[3][1], 0);

        // And the local player wins the next game, with the victory cue.
        w.click("Command1");
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}})
            w.clickCell(col, row);
        QCOMPARE(w.boxes, (std::vector<QString>{"O's win", "X's win"}));
        QCOMPARE(w.player.played.back(), 103);
    }

    void theTimerRunsOnlyWhileATickHasWork()
    {
        Window w;
        auto* timer = w.control<QTimer>("Timer1");
        QVERIFY(w.window.timer1Enabled() && !timer->isActive()); // no game yet
        w.click("Option5");
        w.click("Command1");
        QVERIFY(!timer->isActive()); // the player's turn
        w.clickCell(2, 2);
        QVERIFY(timer->isActive()); // the computer's
        QTRY_COMPARE(w.form.turn, 2);
        QVERIFY(!timer->isActive());
        w.form.winner = 2; // a win waiting to be announced (as a fixed reply can leave one)
        w.click("Option3");
        QTRY_COMPARE(w.boxes, std::vector<QString>{"X's win"});
        QVERIFY(!timer->isActive());
        w.click("Check1");
        w.click("Command1");
        QVERIFY(!w.window.timer1Enabled());
        w.clickCell(1, 1);
        QCOMPARE(w.form.turn, 1);
        QVERIFY(!timer->isActive()); // disabled by the game: the second person's turn
    }

    void theComputerPlaysAWholeGameAtEachStrength_data()
    {
        QTest::addColumn<QString>("strength");
        QTest::addColumn<bool>("youFirst");
        QTest::newRow("Easy") << "Option5" << true;
        QTest::newRow("Better") << "Option6" << false;
        QTest::newRow("Best") << "Option7" << true;
    }
    void theComputerPlaysAWholeGameAtEachStrength()
    {
        QFETCH(QString, strength);
        QFETCH(bool, youFirst);
        Window w;
        w.click(qPrintable(strength));
        w.click(youFirst ? "Option3" : "Option4");
        w.click("Command1");
        // The player takes the first empty cell, row by row, whenever it is their turn.
        for (int move = 0; move < 9 && w.boxes.empty(); ++move) {
            QTRY_VERIFY_WITH_TIMEOUT(w.form.turn != 1 || !w.boxes.empty(), 2000);
            if (!w.boxes.empty() || w.form.turn == 0)
                break;
            for (int cell = 0; cell < 9; ++cell) {
                if (w.form.board[cell % 3 + 1][cell / 3 + 1] == 0) {
                    w.clickCell(cell % 3 + 1, cell / 3 + 1);
                    break;
                }
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(!w.boxes.empty() || w.form.turn != 1, 2000);
        int marks[3] = {};
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 3; ++r)
                ++marks[w.form.board[c][r]];
        QVERIFY(std::abs(marks[1] - marks[2]) <= 1);
        if (strength == "Option7") // the naive player loses to "Best"
            QCOMPARE(w.boxes, std::vector<QString>{"O's win"});
        else
            QVERIFY(w.boxes.size() == 1 || marks[0] == 0);
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
