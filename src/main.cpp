#include "command_line.h"
#include "system.h"
#include "game/form1.h"
#include "sound/qt_cue_player.h"
#include "ui/main_window.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <random>

int main(int argc, char* argv[])
{
    int zoom = 0;
    if (const int status = answerCommandLine(argc, argv, zoom); status >= 0)
        return status;
    prepareSystem();
    beginOpeningDisplay();
    QApplication app(argc, argv);
    finishOpeningDisplay(true);
    settleSystem(&app);
    QApplication::setApplicationName("Gridora");
    QApplication::setWindowIcon(QIcon(":/icon.png"));
    applyLook();
    useLanguageOf(QLocale().uiLanguages());

    // Never seeded: every run starts from the generator's initial state.
    std::mt19937 generator;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    MainWindow window([&] { return unit(generator); });
    window.setZoom(zoom ? zoom : nearestZoomStep(desktopTextPercent()));

    QtCuePlayer player;
    Form1 form(window, player, cueFolders());
    player.onError = [&form](const std::string& what) { form.reportCueFailure(what); };
    window.attach(form);
    // Sound set-up waits until the window is on screen.
    QObject::connect(&window, &MainWindow::firstFramePainted, [&player] { player.connectToServer(); });
    window.show();
    return app.exec();
}
