#pragma once

#include "ui/toolkit.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class AccessibleBoard;
class Form1;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The application's default font and style, chosen so that every caption fits its control; the
// style's lengths follow the window's zoom.
void applyLook();
// Speaks the first of the player's languages (a locale's uiLanguages(), in the order asked for)
// that the game has, English (the source) included: the game's words and Qt's own (the box's
// "OK"), where Qt's translations are installed, and the language's direction.
void useLanguageOf(const QStringList& languages);

// The game's one window: builds the controls, turns Qt events into Form1's handlers and gives
// Form1 the window operations it needs. Drawing is kept as a list of strokes in user
// coordinates and painted from it, so the board survives being covered. The whole window zooms:
// Ctrl+Plus, Ctrl+Minus and Ctrl+0, or Ctrl with the mouse wheel, step through zoomSteps.
// applyLook() comes first.
class MainWindow : public QWidget, public Toolkit {
    Q_OBJECT
public:
    explicit MainWindow(std::function<double()> random, QWidget* parent = nullptr);
    // Connects the handlers; call before show().
    void attach(Form1& form);

    bool optionValue(int option) const override;
    int check1Value() const override;
    void setText1(const std::string& text) override;
    void setTimer1Enabled(bool enabled) override;
    void scale(double left, double top, double right, double bottom) override;
    void setForeColor(unsigned rgb) override;
    void setBackColor(unsigned rgb) override;
    void cls() override;
    void setDrawWidth(int pixels) override;
    void line(double x1, double y1, double x2, double y2) override;
    void circle(double x, double y, double radius) override;
    int outerWidthTwips() const override;
    void messageBox(const std::string& text) override;
    void doEvents() override;
    double rnd() override;

    // Whether the game has Timer1 enabled.
    bool timer1Enabled() const { return timer1On; }

    // Sizes the window, its controls, their fonts and the board by a step of zoomSteps (percent),
    // at most the largest that fits the screen's available area, and keeps the window on that area.
    void setZoom(int percent);
    int zoom() const { return zoomPercent; }

signals:
    // Emitted once, after the first frame is on screen: the moment for slow set-up work.
    void firstFramePainted();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Stroke {
        bool isCircle = false;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // circle: centre and radius in x2
        int width = 1;
        QColor color;
    };

    template <typename Control>
    Control* place(Control* control, const char* name, int x, int y, int width, int height);
    int largestZoom() const;
    void zoomBy(int steps);
    void placeBoard();
    template <typename Handler>
    void handle(Handler handler);
    void syncTimer();
    void syncWithGame();
    QPointF toPixels(double x, double y) const;

    QLineEdit* Text1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option7 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option5 = nullptr;
    QCheckBox* Check1 = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option3 = nullptr;
    QPushButton* Command1 = nullptr;
    AccessibleBoard* board = nullptr;
    QWidget* zoomNotice = nullptr; // tells assistive technology the new size
    std::vector<std::pair<QWidget*, QRect>> placed; // each control and its place in twips
    int zoomPercent = 100;
    int wheelTurned = 0; // eighths of a degree, towards the next step

    Form1* form = nullptr;
    std::function<double()> random;
    bool activated = false;
    bool painted = false;
    bool ticking = false;
    bool timer1On = true;

    // User scale; twips until the first activation sets the game's own.
    double left = 0, top = 0, right = 6525, bottom = 5205;
    QColor foreColor = Qt::white;
    QColor backColor = Qt::black;
    int drawWidth = 1;
    std::vector<Stroke> strokes;
};
