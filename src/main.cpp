#include "command_line.h"
#include "game/form1.h"
#include "sound/qt_cue_player.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <fontconfig/fontconfig.h>

#include <csignal>
#include <random>
#include <thread>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

// Ctrl+C and SIGTERM close the windows the normal way, so the cue file is removed.
void closeOnSignals(QObject* parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
        QApplication::closeAllWindows();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
} // namespace

int main(int argc, char* argv[])
{
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
    // Reading the font configuration takes milliseconds that the first frame would wait for:
    // it runs on another core while Qt connects to the display.
    std::thread fonts([] { FcInit(); });
    beginOpeningDisplay();
    QApplication app(argc, argv);
    fonts.join();
    finishOpeningDisplay();
    QApplication::setApplicationName("Gridora");
    QApplication::setWindowIcon(QIcon(":/icon.png"));
    applyLook();
    useLanguageOf(QLocale().uiLanguages());
    closeOnSignals(&app);

    // Never seeded: every run starts from the generator's initial state.
    std::mt19937 generator;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    MainWindow window([&] { return unit(generator); });

    // The cue file goes beside the program, or where the user may write when that is read-only.
    // An installed program leaves the system's folders alone, even when run by root.
    const QString appDir = QCoreApplication::applicationDirPath();
    const bool installed = appDir.startsWith("/usr/") || appDir.startsWith("/opt/") || appDir == "/bin";
    QtCuePlayer player;
    Form1 form(window, player,
               {installed ? std::string() : appDir.toStdString(),
                QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString(),
                QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString()});
    player.onError = [&form](const std::string& what) { form.reportCueFailure(what); };
    window.attach(form);
    // Sound set-up waits until the window is on screen.
    QObject::connect(&window, &MainWindow::firstFramePainted, [&player] { player.connectToServer(); });
    window.show();
    return app.exec();
}
