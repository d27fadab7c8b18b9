#include "ui/main_window.h"

#include "game/form1.h"
#include "ui/accessible_board.h"
#include "ui/zoom.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QFontDatabase>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>

namespace {
constexpr int twipsPerPixel = 15;

// A check box whose caption wraps onto more lines when it is wider than the box, as the
// two-line "Play Computer?" needs; text() stays the caption as given.
class WrappingCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        option.text = wrapped(option.text, textRect.width());
        painter.drawControl(QStyle::CE_CheckBox, option);
    }

private:
    // Qt's own line breaking, which also breaks between the ideographs of Chinese and Japanese.
    QString wrapped(const QString& text, int width) const
    {
        QTextLayout layout(text, font());
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << text.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        return lines.join('\n');
    }
};

// The lengths of the application's style, the indicators' and the frames', grow with the window's
// zoom as its captions do; at 100 % they are the style's own.
class ZoomedStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    double factor = 1;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int length = QProxyStyle::pixelMetric(metric, option, widget);
        return length > 0 ? qRound(length * factor) : length; // -1 stands for "the default"
    }
};
ZoomedStyle* look = nullptr;

// A length in twips in pixels at a zoom: 15 twips to a pixel at 100 %.
int pixels(int twips, int percent) { return qRound(twips * percent / (twipsPerPixel * 100.0)); }

// The zoom's size in the screen reader's words, told as a notification appearing: screen readers
// speak those wherever the focus is.
QAccessibleInterface* zoomNoticeFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->objectName() == "Zoom" ? new QAccessibleWidget(widget, QAccessible::Notification) : nullptr;
}

// White on black, like the board. The frames and the buttons inside them show the window's black
// through, so that the buttons do not paint over a frame's border, and a frame hides no mark: in a
// right-to-left language the strength frame reaches over the top right cell.
void paintWhiteOnBlack(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Button, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(!qobject_cast<QGroupBox*>(widget) && !qobject_cast<QGroupBox*>(widget->parentWidget()));
}

QColor fromRgb(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The cell, 0 to 8 row by row, that a key plays: a digit's own, the cursor's for Space and Enter;
// -1 for any other key. The main keyboard's digits read like the board, the keypad's sit where
// the cells do. Shift is allowed: some layouts need it for digits.
int cellOfKey(const QKeyEvent& key, int cursor)
{
    if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return -1;
    if (key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return cursor;
    const int digit = key.key() - Qt::Key_0;
    if (digit < 1 || digit > 9)
        return -1;
    if (!(key.modifiers() & Qt::KeypadModifier))
        return digit - 1;
    return digit <= 3 ? digit + 5 : digit >= 7 ? digit - 7 : digit - 1;
}
} // namespace

void applyLook()
{
    QApplication::setStyle(look = new ZoomedStyle(QStyleFactory::create("Fusion")));
    // Where the system has no DejaVu (Windows), the game brings its own copy, whose family some
    // font databases name "DejaVu Sans" (the face being its condensed one).
    const int brought = QFontDatabase::addApplicationFont(":/fonts/DejaVuSansCondensed.ttf");
    QFont font(brought < 0 ? "DejaVu Sans Condensed" : QFontDatabase::applicationFontFamilies(brought).constFirst());
    // Windows hints glyphs to whole pixels across too, which widens the captions: they are laid
    // out for Linux's hinting, which keeps the font's own widths.
    if (brought >= 0)
        font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setPixelSize(10);
    QApplication::setFont(font);
}

void useLanguageOf(const QStringList& languages)
{
    static QTranslator words, qtWords;
    QCoreApplication::removeTranslator(&words);
    QCoreApplication::removeTranslator(&qtWords);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    for (const QString& language : languages) {
        if (language.startsWith("en")) // the source language, which needs no catalogue
            return;
        // By name, the country's catalogue before the language's: pt_BR, else pt. Loading by locale
        // would try "pt" for "pt-Latn-BR" before "pt-BR".
        const QLocale candidate(language);
        if (!words.load("gridora_" + candidate.name(), ":/i18n"))
            continue;
        QCoreApplication::installTranslator(&words);
        // Right to left with the game's own words, whether or not Qt's are installed.
        QGuiApplication::setLayoutDirection(candidate.textDirection());
        // Qt's own words (the box's "OK") from the system's Qt, or, on Windows, from the program.
        const QString qtName = "qtbase_" + candidate.name();
        if (qtWords.load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) || qtWords.load(qtName, ":/i18n"))
            QCoreApplication::installTranslator(&qtWords);
        return;
    }
}

MainWindow::MainWindow(std::function<double()> random, QWidget* parent)
    : QWidget(parent), random(std::move(random))
{
    setObjectName("Form1");
    setWindowTitle("Gridora");
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Created in this order; positions and sizes in twips.
    Text1 = place(new QLineEdit("Text1", this), "Text1", 1560, 120, 1215, 285);
    //: Above the computer's strengths: Easy, Better, Best
    Frame1 = place(new QGroupBox(tr("Moves are:"), this), "Frame1", 120, 120, 1215, 1095);
    Option7 = place(new QRadioButton(tr("Best"), Frame1), "Option7", 120, 720, 975, 255);
    Option6 = place(new QRadioButton(tr("Better"), Frame1), "Option6", 120, 480, 855, 255);
    Option5 = place(new QRadioButton(tr("Easy"), Frame1), "Option5", 120, 240, 975, 255);
    Check1 = place(new WrappingCheckBox(tr("Play Computer?"), this), "Check1", 2040, 4560, 1215, 495);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Frame2 = place(new QGroupBox(this), "Frame2", 4800, 4320, 1695, 735);
    Option1 = place(new QRadioButton(tr("You are X"), Frame2), "Option1", 240, 240, 1215, 255);
    Option2 = place(new QRadioButton(tr("You are O"), Frame2), "Option2", 240, 480, 1215, 255);
    Option4 = place(new QRadioButton(tr("Computer First"), this), "Option4", 480, 4800, 1335, 255);
    Option3 = place(new QRadioButton(tr("You Go First"), this), "Option3", 480, 4560, 1335, 255);
    //: Begins a new game; the blank is the English caption's own
    Command1 = place(new QPushButton(tr("Start "), this), "Command1", 5160, 120, 1215, 615);
    Text1->setAccessibleName(tr("Moves"));
    Frame2->setAccessibleName(tr("Your symbol"));

    for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Option7, Option6, Option5, Check1,
                                                      Frame2, Option1, Option2, Option4, Option3})
        paintWhiteOnBlack(w);

    // Explicit groups: Qt's automatic grouping of sibling radio buttons also looks into the
    // frames, so "You Go First" and "Computer First" would interfere with the other groups.
    using Group = std::initializer_list<QRadioButton*>;
    for (Group options : {Group{Option5, Option6, Option7}, Group{Option1, Option2}, Group{Option3, Option4}}) {
        auto* group = new QButtonGroup(this);
        for (QRadioButton* option : options)
            group->addButton(option);
    }
    Option5->setChecked(true);
    Option1->setChecked(true);
    Option3->setChecked(true);
    Check1->setChecked(true);
    Timer1->setInterval(10);

    // The frames take no focus; their buttons keep the frames' place in the order.
    QWidget* const tabOrder[] = {Command1, Option3, Option4, Option2, Option1,
                                 Check1,   Option5, Option6, Option7, Text1};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Command1->setFocus();

    [[maybe_unused]] static const bool factoryInstalled = (QAccessible::installFactory(zoomNoticeFactory), true);
    zoomNotice = new QWidget(this);
    zoomNotice->setObjectName("Zoom");
    zoomNotice->setGeometry(0, 0, 0, 0);
    zoomNotice->hide(); // appears at each zoom
    for (auto [key, steps] : {std::pair{Qt::Key_Plus, 1}, {Qt::Key_Equal, 1}, {Qt::Key_Minus, -1}, {Qt::Key_0, 0}})
        connect(new QShortcut(Qt::CTRL | key, this), &QShortcut::activated, this, [this, steps = steps] { zoomBy(steps); });
    installEventFilter(this); // Ctrl with the wheel, here and over every control
    setZoom(100);
}

// Gives a control its object name and its place, in twips, inside its container (setZoom() puts it
// there); keeps mouse presses that the control does not use from reaching the board underneath.
template <typename Control>
Control* MainWindow::place(Control* control, const char* name, int x, int y, int width, int height)
{
    control->setObjectName(name);
    control->setAttribute(Qt::WA_NoMousePropagation);
    control->installEventFilter(this);
    placed.emplace_back(control, QRect(x, y, width, height));
    return control;
}

// The largest step at which the window, frame included, fits the screen's available area.
int MainWindow::largestZoom() const
{
    const QSize area = screen()->availableGeometry().size() - (frameGeometry().size() - size());
    int largest = zoomSteps[0];
    for (int step : zoomSteps)
        if (pixels(6525, step) <= area.width() && pixels(5205, step) <= area.height())
            largest = step;
    return largest;
}

void MainWindow::setZoom(int percent)
{
    zoomPercent = std::min(percent, largestZoom());
    look->factor = zoomPercent / 100.0;
    QFont font = QApplication::font();
    font.setPixelSize(QApplication::font().pixelSize() * zoomPercent / 100); // rounded down: never outgrowing its room
    setFont(font);
    setFixedSize(pixels(6525, zoomPercent), pixels(5205, zoomPercent));
    // Edges are scaled, not lengths, so that neighbours stay neighbours. In a right-to-left
    // language the place is mirrored inside the container: x counts from its right edge. The
    // frames come before the buttons inside them.
    for (auto [control, twips] : placed) {
        const QRect place(QPoint(pixels(twips.left(), zoomPercent), pixels(twips.top(), zoomPercent)),
                          QPoint(pixels(twips.left() + twips.width(), zoomPercent) - 1, pixels(twips.top() + twips.height(), zoomPercent) - 1));
        control->setGeometry(QStyle::visualRect(control->layoutDirection(), control->parentWidget()->rect(), place));
    }
    // The window opens at its designed place and stays where it is put, moved just enough to lie
    // on the screen's available area.
    const QRect area = screen()->availableGeometry();
    const QSize outer = frameGeometry().size() - geometry().size() + size();
    const QPoint at = isVisible() ? pos() : QPoint(7245 / twipsPerPixel, 2685 / twipsPerPixel);
    move(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())),
         std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
    if (activated) {
        placeBoard();
        form->drawboard(); // the pen follows the window's outer width
    }
}

// Over the grid, where the user scale puts it once the window is activated; the frame of its
// cursor grows with the zoom.
void MainWindow::placeBoard()
{
    board->setGeometry(QRectF(toPixels(30, 30), toPixels(170, 170)).toRect());
    board->setFrameWidth(std::max(1, qRound(zoomPercent / 100.0)));
}

// Ctrl+Plus and Ctrl+Minus: the next step up or down; Ctrl+0: 100 %. Nothing in the game changes.
void MainWindow::zoomBy(int steps)
{
    const int at = std::find(std::begin(zoomSteps), std::end(zoomSteps), zoomPercent) - std::begin(zoomSteps);
    const int to = steps == 0 ? 0 : std::clamp(at + steps, 0, int(std::size(zoomSteps)) - 1);
    setZoom(zoomSteps[to]);
    zoomNotice->hide();
    //: Said by a screen reader when the window has been zoomed; %1 is its size in percent
    zoomNotice->setAccessibleName(tr("Zoom %1 %").arg(zoomPercent));
    zoomNotice->show();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && static_cast<QWheelEvent*>(event)->modifiers() == Qt::ControlModifier) {
        // A notch of a wheel turns 15 degrees; a touchpad turns it in smaller parts.
        wheelTurned += static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (std::abs(wheelTurned) >= 120) {
            zoomBy(wheelTurned > 0 ? 1 : -1);
            wheelTurned = 0;
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::attach(Form1& game)
{
    form = &game;
    board = new AccessibleBoard(game, *this, this);
    setTabOrder(Text1, board); // the last stop: Shift+Tab from "Start " reaches it first
    const auto on = [this](QAbstractButton* button, void (Form1::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { handle([&] { (form->*handler)(); }); });
    };
    on(Command1, &Form1::command1Click);
    on(Check1, &Form1::check1Click);
    on(Option1, &Form1::option1Click);
    on(Option2, &Form1::option2Click);
    on(Option3, &Form1::option3Click);
    on(Option4, &Form1::option4Click);
    on(Option5, &Form1::option5Click);
    on(Option6, &Form1::option6Click);
    on(Option7, &Form1::option7Click);
    connect(Timer1, &QTimer::timeout, this, [this] {
        // The tick's event processing and message boxes run nested event loops: never tick
        // inside a tick.
        if (ticking)
            return;
        ticking = true;
        handle([this] { form->timer1Timer(); });
        ticking = false;
    });
    syncTimer();
}

template <typename Handler>
void MainWindow::handle(Handler handler)
{
    handler();
    syncWithGame();
}

// After every handler: the timer, and what assistive technology knows of the board.
void MainWindow::syncWithGame()
{
    syncTimer();
    board->refresh();
}

// A tick with no computer move to make and no win to announce does nothing but process events,
// which the event loop does anyway: so the Qt timer runs only while Timer1 is enabled and a tick
// has work, and the program sleeps while no game runs and during the player's turn.
void MainWindow::syncTimer()
{
    const bool work = form && (form->turn == 1 || form->winner != 0);
    if (timer1On && work && !Timer1->isActive())
        Timer1->start();
    else if (!(timer1On && work) && Timer1->isActive())
        Timer1->stop();
}

bool MainWindow::optionValue(int option) const
{
    const QRadioButton* options[] = {nullptr, Option1, Option2, Option3, Option4, Option5, Option6, Option7};
    return option >= 1 && option <= 7 && options[option]->isChecked();
}

int MainWindow::check1Value() const { return Check1->isChecked() ? 1 : 0; }

// The logic's English words are translated here, on their way to the player: the counter's prefix
// (the count after it stays), and the winner's message.
void MainWindow::setText1(const std::string& text)
{
    const QString shown = QString::fromStdString(text), counter = "#moves=";
    //: Before the count of the player's clicks on the board
    Text1->setText(shown.startsWith(counter) ? tr("#moves=") + shown.mid(counter.size()) : shown);
}

void MainWindow::setTimer1Enabled(bool enabled)
{
    timer1On = enabled;
    syncTimer();
}

void MainWindow::scale(double l, double t, double r, double b)
{
    left = l;
    top = t;
    right = r;
    bottom = b;
}

void MainWindow::setForeColor(unsigned rgb) { foreColor = fromRgb(rgb); }

void MainWindow::setBackColor(unsigned rgb)
{
    backColor = fromRgb(rgb);
    update();
}

void MainWindow::cls()
{
    strokes.clear();
    update();
}

void MainWindow::setDrawWidth(int pixels) { drawWidth = pixels; }

void MainWindow::line(double x1, double y1, double x2, double y2)
{
    strokes.push_back({false, x1, y1, x2, y2, drawWidth, foreColor});
    update();
}

void MainWindow::circle(double x, double y, double radius)
{
    strokes.push_back({true, x, y, radius, 0, drawWidth, foreColor});
    update();
}

int MainWindow::outerWidthTwips() const { return frameGeometry().width() * twipsPerPixel; }

void MainWindow::messageBox(const std::string& text)
{
    // The game has just stopped: no ticks while the box is open, and the last moves are told first.
    syncWithGame();
    board->finishTelling();
    [[maybe_unused]] static const char* const winners[] = {QT_TR_NOOP("X's win"), QT_TR_NOOP("O's win")};
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), tr(text.c_str()), QMessageBox::Ok, this);
    box.setFont(font()); // zoomed as the window is
    // The box is named by its text for screen readers: Orca 48 reads no loose label of under three
    // words in a box, and Orca 43 says a box's description after its label, so the text twice.
    box.setAccessibleName(box.text());
    // Right to left, Qt sets a button's word against the far edge, away from its icon: the word alone.
    if (box.isRightToLeft())
        box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

void MainWindow::doEvents() { QCoreApplication::processEvents(); }

double MainWindow::rnd() { return random(); }

QPointF MainWindow::toPixels(double x, double y) const
{
    return {(x - left) * width() / (right - left), (y - top) * height() / (bottom - top)};
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!activated) // fitted again, now with the window's frame where the platform knows it already (Windows)
        setZoom(zoomPercent);
    // Activation happens once, when the window is first shown, before any input can reach it.
    if (!activated && form) {
        activated = true;
        handle([this] { form->activate(); });
        placeBoard();
    }
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Stroke& s : strokes) {
        painter.setPen(QPen(s.color, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (s.isCircle) {
            // Radius measured along x, drawn round on screen.
            const double r = s.x2 * width() / (right - left);
            painter.drawEllipse(toPixels(s.x1, s.y1), r, r);
        } else {
            painter.drawLine(toPixels(s.x1, s.y1), toPixels(s.x2, s.y2));
        }
    }
    if (!painted) {
        painted = true;
        QTimer::singleShot(0, this, &MainWindow::firstFramePainted);
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (!form)
        return;
    const QPointF p = event->position();
    const double x = left + p.x() * (right - left) / width();
    const double y = top + p.y() * (bottom - top) / height();
    handle([&] { form->mouseDown(x, y); });
}

// A digit places a mark exactly as a left click in the centre of its cell does, and so do Space
// and Enter in the cursor's cell while the board has the focus. Typed into Text1, digits and Space
// are the box's; Enter there, or on a button, plays nothing.
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    const int cell = form ? cellOfKey(*event, board->hasFocus() ? board->cursorCell() : -1) : -1;
    if (cell < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat()) // a held key is one move
        return;
    handle([&] { form->mouseDown(50 * (cell % 3 + 1), 50 * (cell / 3 + 1)); });
    board->moveCursor(cell); // already there when the key placed a mark
    board->setFocus(Qt::OtherFocusReason); // a screen reader follows the moves on the board from here on
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (form)
        handle([this] { form->unload(); });
    event->accept();
}
