// The yardstick for Gridora's start-up and idle figures: the least a Qt Widgets window costs.
// One plain top-level widget with the game window's client size and place; no controls, no
// timer, no sound.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Baseline");
    window.setFixedSize(435, 347);
    window.move(483, 179);
    window.show();
    return app.exec();
}
