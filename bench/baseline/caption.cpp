// A second yardstick for the start-up figure: the minimal window with one caption on it. Any
// window that shows text pays for reading the font configuration and shaping its first line;
// the plain baseline pays for neither.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Baseline");
    window.setFixedSize(435, 347);
    window.move(483, 179);
    QLabel caption("Start ", &window);
    window.show();
    return app.exec();
}
