// The yardstick for gridora.exe's size: the least a static Qt Widgets and Multimedia program
// weighs, with one caption and one sound effect, built from the same Qt with the same plugins and
// flags (cmake/windows.cmake). What gridora.exe weighs beyond it is the game's own.
#include <QApplication>
#include <QLabel>
#include <QSoundEffect>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel caption("Start ");
    QSoundEffect cue;
    cue.setSource(QUrl("qrc:/cue.wav"));
    caption.show();
    return app.exec();
}
