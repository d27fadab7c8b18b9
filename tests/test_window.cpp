// What only the real window shows, on Qt's offscreen platform: controls and their places, presses
// and keys, pixels, the board a screen reader reads, and the timer. Sound goes to the fake.

#include "fakes.h"
#include "ui/accessible_board.h"
#include "ui/main_window.h"
#include "ui/zoom.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTransform>
#include <QTranslator>
#include <QWheelEvent>

namespace {
// The panel's controls: container and caption.
const std::tuple<const char*, const char*, QString> controls[] = {
    {"Text1", "Form1", "#moves=0"},          {"Frame1", "Form1", "Moves are:"},    {"Option7", "Frame1", "Best"},
    {"Option6", "Frame1", "Better"},         {"Option5", "Frame1", "Easy"},        {"Check1", "Form1", "Play Computer?"},
    {"Frame2", "Form1", ""},                 {"Option1", "Frame2", "You are X"},   {"Option2", "Frame2", "You are O"},
    {"Option4", "Form1", "Computer First"}, {"Option3", "Form1", "You Go First"}, {"Command1", "Form1", "Start "},
};

// A point of the user scale in pixels of the window at 100 %, or of a window of the given size.
QPoint pixelOf(double x, double y, QSize size = {435, 347}) { return QPoint(int((x + 20) * size.width() / 220), int(y * size.height() / 200)); }

struct Window {
    FakeCuePlayer player;
    QTemporaryDir dir;
    std::function<double()> random = [n = 0]() mutable { return n++ % 10 / 10.0; };
    MainWindow window{[this] { return random(); }};
    Form1 form{window, player, {dir.path().toStdString()}};
    QStringList boxes; // the message boxes, closed as they appear: title, text, buttons, timer
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
                boxes << QString("%1: %2 (%3), %4 button%5").arg(box->windowTitle(), box->text(), box->accessibleName()).arg(box->buttons().size())
                                 .arg(control<QTimer>("Timer1")->isActive() ? ", ticking" : "");
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
        QTest::mouseClick(&window, button, {}, pixelOf(50 * col, 50 * row, window.size()));
    }
    // A key as a person presses it: to the widget with the focus.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(QChar(key)), autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    QColor pixel(double x, double y) { return window.grab().toImage().pixelColor(pixelOf(x, y, window.size())); }
    // Whether the board differs from `before` by a frame around the mark of the cell centred at
    // (x, y), short of the grid lines' pens.
    bool framedAt(const QImage& before, double x, double y)
    {
        const QImage now = window.grab().toImage();
        const QRect board = control("Board")->geometry(), mark(pixelOf(x - 14, y - 14), pixelOf(x + 14, y + 14));
        QRegion changed;
        for (int i = 0; i < now.width() * now.height(); ++i)
            if (const QPoint p(i % now.width(), i / now.width()); board.contains(p) && now.pixel(p) != before.pixel(p))
                changed += QRect(p, QSize(1, 1));
        return changed.subtracted(QRect(pixelOf(x - 21, y - 21), pixelOf(x + 21, y + 21))).isEmpty()
               && changed.boundingRect().contains(mark) && !changed.intersects(mark);
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

    void theWindowAndItsControlsStartAsDesignedAndEachGroupKeepsOneSelection()
    {
        Window w;
        QCOMPARE(std::tuple(w.window.windowTitle(), w.window.size(), w.window.pos()),
                 std::tuple(QString("Gridora"), QSize(435, 347), QPoint(483, 179)));
        // Each control in the window, clear of the grid and of the others.
        QRegion taken = QRegion(QRect(pixelOf(75, 30), pixelOf(125, 170))).united(QRect(pixelOf(30, 75), pixelOf(170, 125)));
        for (const auto& [name, parent, caption] : controls) {
            QWidget* c = w.control(name);
            const QString text = qobject_cast<QAbstractButton*>(c) ? qobject_cast<QAbstractButton*>(c)->text()
                                 : qobject_cast<QGroupBox*>(c)     ? qobject_cast<QGroupBox*>(c)->title()
                                                                   : qobject_cast<QLineEdit*>(c)->text();
            QCOMPARE(std::pair(c->parentWidget()->objectName(), text), std::pair(QString(parent), caption));
            // Less its last row and column: "You Go First" and "Computer First" share a row of pixels.
            const QRect place = QRect(c->mapTo(&w.window, QPoint()), c->size()).adjusted(0, 0, -1, -1);
            const bool inFrame = QString(parent) != "Form1";
            QVERIFY2(w.window.rect().contains(place) && (inFrame || !taken.intersects(place)), name);
            taken += inFrame ? QRect() : place;
        }
        QCOMPARE(std::tuple(w.selected(), w.control<QCheckBox>("Check1")->isChecked(), w.control<QTimer>("Timer1")->interval(),
                            w.window.timer1Enabled(), w.window.focusWidget(), w.player.played.size()),
                 std::tuple(QString("135"), true, 10, true, w.control("Command1"), size_t(0)));
        QStringList order; // the tab order, over the controls that take focus
        for (QWidget* c = w.control("Command1"); order.size() < 12; c = c->nextInFocusChain())
            if (c->focusPolicy() & Qt::TabFocus)
                order << c->objectName();
        QCOMPARE(order.join(' '), QString("Command1 Option3 Option4 Option2 Option1 Check1 Option5 Option6 Option7 Text1 Board Command1"));

        // Clicking the selected button keeps it; a click changes its own group only.
        for (auto [name, after] : {std::pair{"Option3", "135"}, {"Option4", "145"}, {"Option7", "147"},
                                   {"Option2", "247"}, {"Option3", "237"}, {"Option1", "137"}}) {
            w.click(name);
            QCOMPARE(w.selected(), QString(after));
        }
    }

    // In English and in every language the game speaks, at every zoom, in the window's font or, for
    // the scripts it lacks, the system's; and German end to end: the captions, the counter, the box,
    // the board.
    void everyCaptionFitsItsControlInEveryLanguage()
    {
        // The nearest language the game has to the player's, else English.
        for (auto [asked, caption] : {std::pair{"de-AT", "Gegen den PC?"}, {"pt-BR", "Contra a CPU?"}, {"pt-PT", "Contra o PC?"}, {"zh-TW", "與電腦對戰？"},
                                      {"xx-YY", "Play Computer?"}, {"xx-YY pt-BR de", "Contra a CPU?"}, {"xx-YY de-CH pt", "Gegen den PC?"}, {"en-GB de", "Play Computer?"}}) {
            useLanguageOf(QLocale(QString(asked).section(' ', 0, 0)).uiLanguages() + QString(asked).split(' ').mid(1));
            QCOMPARE(MainWindow::tr("Play Computer?"), QString(caption));
        }
        const QStringList languages = QDir(":/i18n").entryList();
        QVERIFY(languages.size() >= 42 && languages.contains("gridora_de.qm"));
        for (const QString& language : QStringList{"English"} + languages) {
            QTranslator words;
            QApplication::installTranslator(words.load(":/i18n/" + language) ? &words : nullptr);
            Window w;
            const QFontInfo font(w.window.font());
            QVERIFY2(font.family() == "DejaVu Sans Condensed" || (font.family() == "DejaVu Sans" && font.styleName() == "Condensed"),
                     qPrintable(font.family() + " " + font.styleName()));
            auto* frame = w.control<QGroupBox>("Frame1");
            auto* text = w.control<QLineEdit>("Text1");
            QStringList shown{frame->title(), text->text()};
            // At every zoom, measured: hinting rounds the glyphs of each size to whole pixels.
            for (int step : zoomSteps) {
                w.window.setZoom(step);
                const QString at = QString("%1 at %2 %: ").arg(language).arg(w.window.zoom());
                QVERIFY2(w.window.zoom() == step && frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width(), qPrintable(at + frame->title()));
                QVERIFY2(text->fontMetrics().horizontalAdvance(text->text() + "00") < text->width() - 6 * step / 100.0, qPrintable(at + text->text()));
                for (auto* b : w.window.findChildren<QAbstractButton*>()) {
                    // A caption cut off by its control reaches, in white, the control's right or bottom
                    // edge, at any size; the button's own frame lies there, so its caption is measured
                    // instead, with room for the frame.
                    const QImage drawn = w.window.grab(QRect(b->mapTo(&w.window, QPoint()), b->size())).toImage();
                    QPoint ink; // the rightmost and the lowest drawn pixel
                    for (int i = 0; i < drawn.width() * drawn.height(); ++i)
                        if (const QPoint p(i % drawn.width(), i / drawn.width()); qGray(drawn.pixel(p)) > 128)
                            ink = QPoint(std::max(ink.x(), p.x()), std::max(ink.y(), p.y()));
                    const bool fits = qobject_cast<QPushButton*>(b) ? b->fontMetrics().horizontalAdvance(b->text()) < b->width() - 8 * step / 100.0
                                                                   : ink.x() < drawn.width() - 2 && ink.y() < drawn.height() - 2;
                    QVERIFY2(fits, qPrintable(at + b->text()));
                    shown << (step == 100 ? QStringList{b->text()} : QStringList());
                }
            }
            if (language != "gridora_de.qm")
                continue;
            w.click("Check1"), w.click("Command1"); // at 300 %, two people, X the first: X wins down the left
            for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}})
                w.clickCell(col, row);
            QTRY_VERIFY(!w.boxes.isEmpty());
            auto* board = w.control<AccessibleBoard>("Board");
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board);
            shown << text->text() << w.boxes << table->text(QAccessible::Name) << board->cellName(0) << board->cellName(4)
                  << table->text(QAccessible::Description) << text->accessibleName() << w.control("Frame2")->accessibleName();
            QCOMPARE(std::pair(shown.join(" | "), board->cursorCell()),
                     std::pair(QString("Spielstärke: | #Züge=0 | Schwer | Mittel | Leicht | Gegen den PC? | Du bist X | Du bist O | PC fängt an | Du "
                                       "fängst an | Start | #Züge=3 | Gridora: X gewinnt (X gewinnt), 1 button | Spielfeld | oben links, X | Mitte, O | "
                                       "Kein Spiel: Start drücken | Züge | Dein Zeichen"), 6));
        }
    }

    // Ctrl+Plus or Ctrl+=, Ctrl+Minus, Ctrl+0, and Ctrl with the wheel anywhere, step the zoom of the
    // whole window; a screen reader hears the size. The game does not notice: no cue, no move. Back
    // at 100 % the window is as it was, pixel for pixel; at 200 % a click plays the cell under it.
    void zoomingScalesTheWholeWindowAndNothingElse()
    {
        Window w;
        w.click("Check1"), w.click("Command1"), w.clickCell(1, 1); // two people, X top left
        const auto game = [&] { return std::tuple(w.form.board, w.form.moves, w.form.turn, w.player.played.size(), w.window.grab().toImage()); };
        const auto before = game();
        QHash<QString, QRect> at100;
        for (const auto& [name, parent, caption] : controls)
            at100[name] = w.control(name)->geometry();
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier); };
        press(Qt::Key_Plus), press(Qt::Key_Equal);
        QCOMPARE(std::tuple(w.window.size(), w.window.font().pixelSize(), w.control("Option5")->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth),
                            QAccessible::queryAccessibleInterface(w.control("Zoom"))->role(), w.control("Zoom")->accessibleName()),
                 std::tuple(QSize(653, 521), 15, 21, QAccessible::Notification, QString("Zoom 150 %")));
        for (const auto& [name, parent, caption] : controls) { // every edge within rounding of 1.5 times its place
            const QRectF now = w.control(name)->geometry(), scaled = QTransform::fromScale(1.5, 1.5).mapRect(QRectF(at100[name]));
            QVERIFY2(std::max({std::abs(now.left() - scaled.left()), std::abs(now.top() - scaled.top()), std::abs(now.right() - scaled.right()),
                               std::abs(now.bottom() - scaled.bottom())}) <= 0.5, name);
        }
        for (auto modifiers : {Qt::ControlModifier, Qt::NoModifier}) { // over a control: 175 %, then nothing
            QWheelEvent wheel({5, 5}, {}, {}, {0, 120}, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.control("Option5"), &wheel);
        }
        press(Qt::Key_Plus); // from 175 %; the grid drawn anew, with a pen twice as wide: 3 units beside a line is within it
        QCOMPARE(std::pair(w.window.zoom(), w.pixel(78, 100)), std::pair(200, QColor(Qt::white)));
        press(Qt::Key_Minus), press(Qt::Key_0);
        QVERIFY(w.window.zoom() == 100 && game() == before);
        w.window.setZoom(200), w.clickCell(3, 3);
        QCOMPARE(std::tuple(w.form.board, w.pixel(150, 150), w.pixel(160, 150)), std::tuple(grid("2../.../..1"), QColor(Qt::black), QColor(Qt::white)));
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

    // In a right-to-left language every control of the panel stands mirrored in its container, the
    // frames' buttons inside the frames; the board, its marks, its digits and its arrows do not. The
    // top right O reaches under the strength frame, which does not hide it (its faint shade aside).
    void inArabicThePanelIsMirroredAndTheBoardIsNot()
    {
        QHash<QString, QRect> leftToRight;
        {
            Window w;
            for (const auto& [name, parent, caption] : controls)
                leftToRight[name] = w.control(name)->geometry();
        }
        useLanguageOf(QLocale("ar_EG").uiLanguages());
        const auto english = qScopeGuard([] { useLanguageOf({"en"}); });
        Window w;
        for (const auto& [name, parent, caption] : controls) {
            const QRect r = leftToRight[name];
            const int room = w.control(name)->parentWidget()->width();
            QCOMPARE(std::pair(name, w.control(name)->geometry()), std::pair(name, QRect(room - r.x() - r.width(), r.y(), r.width(), r.height())));
        }
        w.click("Check1"), w.click("Command1"); // two people, with any button
        w.clickCell(1, 1, Qt::RightButton);
        w.key(Qt::Key_3);
        w.key(Qt::Key_Left), w.key(Qt::Key_Down);
        // White on black: the grid; an X white at its centre, an O a white ring around black.
        QCOMPARE(std::tuple(w.form.board, w.pixel(100, 100), w.pixel(75, 32), w.pixel(168, 125), w.pixel(50, 50), w.pixel(150, 50),
                            w.pixel(157, 42).value() > 240, w.control<AccessibleBoard>("Board")->cursorCell()),
                 std::tuple(grid("2.1/.../..."), QColor(Qt::black), QColor(Qt::white), QColor(Qt::white), QColor(Qt::white), QColor(Qt::black), true, 4));
        w.click("Option2"); // the marks redrawn in the other symbols
        QCOMPARE(std::pair(w.pixel(50, 50), w.pixel(150, 50)), std::pair(QColor(Qt::black), QColor(Qt::white)));
    }

    // Digits play, and the board is a table a screen reader reads: each cell's place and symbol,
    // the cell just played, and where the game stands.
    void digitKeysPlayTheirCellsAsLeftClicksDoOnATableThatSaysSo()
    {
        Window w;
        w.click("Check1"); // two people: every move places a mark
        QString played;
        for (Qt::KeyboardModifiers keypad : {Qt::NoModifier, Qt::KeypadModifier})
            for (int digit = 1; digit <= 9; ++digit) {
                w.click("Command1"); // the focus on a button at first, then on the board
                w.key(Qt::Key(Qt::Key_0 + digit), keypad);
                for (int i = 0; i < 9; ++i)
                    if (w.form.board[i % 3 + 1][i / 3 + 1])
                        played += QString::number(i + 1);
            }
        QCOMPARE(std::pair(played, w.form.moves), std::pair(QString("123456789789456123"), 1));

        // Shift may be needed for digits; other modifiers and a held key's repeats do nothing.
        w.click("Command1");
        for (auto [key, modifier, repeat] : {std::tuple{Qt::Key_1, Qt::ControlModifier, false}, {Qt::Key_2, Qt::AltModifier, false},
                                             {Qt::Key_5, Qt::ShiftModifier, false}, {Qt::Key_3, Qt::ShiftModifier, true}})
            w.key(key, modifier, repeat);
        QCOMPARE(w.form.board, grid(".../.2./..."));

        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.control("Board"));
        QCOMPARE(std::tuple(table->role(), table->text(QAccessible::Name), table->tableInterface()->rowCount(), table->tableInterface()->columnCount(),
                            w.control("Text1")->accessibleName(), w.control("Frame2")->accessibleName()),
                 std::tuple(QAccessible::Table, QString("Board"), 3, 3, QString("Moves"), QString("Your symbol")));
        const auto names = [&] {
            QStringList names;
            for (int i = 0; i < table->childCount(); ++i)
                names << table->child(i)->text(QAccessible::Name);
            return names.join(" | ");
        };
        w.click("Command1");
        w.key(Qt::Key_4);
        w.key(Qt::Key_3);
        w.key(Qt::Key_4); // taken: the cursor goes there all the same
        QCOMPARE(names(), QString("top left, empty | top, empty | top right, O | left, X | centre, empty | "
                                  "right, empty | bottom left, empty | bottom, empty | bottom right, empty"));
        QCOMPARE(table->focusChild(), table->tableInterface()->cellAt(1, 0));
        QVERIFY(table->focusChild()->state().focused);
        w.click("Option2");
        QCOMPARE(names().section(" | ", 2, 3), QString("top right, X | left, O"));
        for (auto [board, turn, said] : {std::tuple{"1../.../...", 2, "Your turn"}, {"1../.../...", 1, "Opponent's turn"},
                                         {"121/221/112", 1, "Board full: press Start"}, {"121/221/112", 0, "No game: press Start"}}) {
            w.form.board = grid(board), w.form.turn = turn;
            QCOMPARE(table->text(QAccessible::Description), QString(said));
        }
    }

    // Last in the Tab chain, the board has a cursor: the arrows walk it, stopping at the edges; Space
    // and Enter play its cell as a click there does; a frame shows it only while the keys act on the
    // board. Every move tells assistive technology its cell's new name, which screen readers cache.
    void theArrowsWalkACursorOverTheBoardWhereSpaceAndEnterPlay()
    {
        Window w;
        static QList<int> renamed;
        AccessibleBoard::eventHandler = [](QAccessibleEvent* e) { if (e->type() == QAccessible::NameChanged) renamed << e->child(); };
        w.click("Check1"); // two people: every move places a mark
        w.click("Command1");
        const QImage before = w.window.grab().toImage();
        QString walked; // the cell assistive technology is told is focused, after each key: at first the centre
        for (Qt::Key key : {Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right,
                            Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down})
            w.key(key), walked += QString::number(w.control<AccessibleBoard>("Board")->focusedCell());
        w.key(Qt::Key_Up, Qt::ControlModifier), w.key(Qt::Key_Left, Qt::ShiftModifier); // with Ctrl or Shift: not the board's
        QCOMPARE(walked + QString::number(w.control<AccessibleBoard>("Board")->focusedCell()), QString("433001225888"));
        QVERIFY(w.framedAt(before, 150, 150));
        // The player's, the second person's, a taken cell counted in the player's turn, the player's.
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Left, Qt::Key_Return, Qt::Key_Return, Qt::Key_Up})
            w.key(key);
        w.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(std::tuple(w.form.board, w.form.moves, renamed), std::tuple(grid(".../.2./.12"), 3, QList<int>{8, 7, 4}));
        AccessibleBoard::eventHandler = QAccessible::updateAccessibility;
        w.clickCell(3, 1); // the second person's, by mouse: the cursor follows the moves
        w.key(Qt::Key_Left);
        w.control("Text1")->setFocus(); // in the counter box, digits and Enter are the box's
        w.key(Qt::Key_7);
        w.key(Qt::Key_Return);
        QCOMPARE(std::tuple(w.form.board, w.control<QLineEdit>("Text1")->text(), w.control<AccessibleBoard>("Board")->cursorCell()),
                 std::tuple(grid("..1/.2./.12"), QString("#moves=37"), 1));
    }

    // The timer sleeps while no tick has work, and never ticks inside a tick: a tick that waits
    // (here for a random number) while something re-arms the timer must not let a second tick
    // move too.
    void theTimerRunsOnlyWhileATickHasWorkAndNeverInsideATick()
    {
        Window w;
        const double numbers[] = {0, 0, 0.9, 0.5}; // one tick plays (1, 1); two would play (1, 3) and (1, 2)
        int drawn = 0;
        w.random = [&] {
            const int n = drawn++;
            if (n == 0)
                w.control<QTimer>("Timer1")->start(), QTest::qWait(50);
            return numbers[n % 4];
        };
        auto* timer = w.control<QTimer>("Timer1");
        QVERIFY(w.window.timer1Enabled() && !timer->isActive()); // no game yet
        w.click("Command1");
        QVERIFY(!timer->isActive()); // the player's turn
        w.clickCell(2, 2);
        QVERIFY(timer->isActive()); // the computer's
        QTRY_COMPARE(w.form.turn, 2);
        QTest::qWait(30);
        QCOMPARE(std::pair(w.form.board, timer->isActive()), std::pair(grid("1../.2./..."), false));
        w.form.winner = 2; // a win waiting for a tick, as a fixed reply can leave one
        w.click("Option3");
        QTRY_COMPARE(w.boxes, QStringList{"Gridora: X's win (X's win), 1 button"}); // no tick while it is open
        QVERIFY(!timer->isActive());
        w.click("Check1");
        w.click("Command1");
        w.clickCell(1, 1);
        QCOMPARE(w.form.turn, 1);
        QVERIFY(!w.window.timer1Enabled() && !timer->isActive()); // the second person's turn
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
