// The yardsticks for Gridora's start-up and idle figures: the least a Qt Widgets window costs.
// One plain top-level widget with the game window's client size and place; no controls, no
// timer, no sound. With --caption it carries one caption: any window that shows text pays for
// reading the font configuration and shaping its first line, and the plain one pays for neither.
#include <QApplication>
#include <QLabel>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Baseline");
    window.setFixedSize(435, 347);
    window.move(483, 179);
    if (argc > 1 && std::strcmp(argv[1], "--caption") == 0)
        new QLabel("Start ", &window);
    window.show();
    return app.exec();
}
