#include "system.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

namespace {
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

void passHeldOn()
{
    for (const HeldMessage& message : held)
        passOn(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()), message.text);
    held.clear();
}

// Without a display Qt's platform plugin says so in the middle of eight lines of advice about
// reinstalling, then aborts with a core dump. The cause alone is said instead; any other fatal
// start keeps Qt's own words.
void holdOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(heldLock);
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    const QString x11 = qEnvironmentVariable("DISPLAY"), wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    // The X platform names the display that refused it (also one given with -display), and none
    // when it was given none.
    const auto refused = std::find_if(held.begin(), held.end(), [](const HeldMessage& m) {
        return m.text.startsWith("could not connect to display ") && m.text.trimmed() != "could not connect to display";
    });
    QString why;
    if (refused != held.end()) {
        why = refused->text.trimmed();
    } else if (x11.isEmpty() && wayland.isEmpty()) {
        why = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    } else if (std::any_of(held.begin(), held.end(),
                           [](const HeldMessage& m) { return m.text.contains("connect", Qt::CaseInsensitive); })) {
        QStringList servers;
        if (!wayland.isEmpty())
            servers << "the Wayland display " + wayland;
        if (!x11.isEmpty())
            servers << "the X server " + x11;
        why = "could not connect to " + servers.join(" or ");
    }
    if (why.isEmpty()) {
        passHeldOn();
        passOn(type, context, text);
        return;
    }
    std::fprintf(stderr, "gridora: cannot open a display: %s\n", qPrintable(why));
    std::_Exit(1);
}

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

std::thread fonts;
} // namespace

const char* displaylessPlatform() { return "offscreen"; }

void tellUser(const char* line) { std::fprintf(stderr, "%s\n", line); }

void addWindowSystemOptions(QCommandLineParser& parser)
{
    // Qt's application has taken -platform already, but the X platform takes its own options only
    // once it is loaded: they are known here, so that a wrong option is refused with no display.
    parser.addOption({"platform", "The window system: xcb (X11), wayland or offscreen.", "name"});
    parser.addOption({"display", "The X server to show the game on, instead of DISPLAY's.", "display"});
    for (auto [name, value] : {std::pair{"name", "name"}, {"visual", "id"}, {"dograb", ""}, {"nograb", ""}}) {
        QCommandLineOption option(name, QString(), value);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void beginOpeningDisplay()
{
    passOn = qInstallMessageHandler(holdOrExplain);
}

// Messages are passed on only when the game goes on: an answer or a refusal is its one line alone.
void finishOpeningDisplay(bool pass)
{
    qInstallMessageHandler(passOn);
    const std::lock_guard lock(heldLock);
    if (pass)
        passHeldOn();
    held.clear();
}

// Reading the font configuration takes milliseconds that the first frame would wait for: it runs
// on another core while Qt connects to the display.
void prepareSystem()
{
    fonts = std::thread([] { FcInit(); });
}

void settleSystem(QObject* application)
{
    if (fonts.joinable())
        fonts.join();
    closeOnSignals(application);
}

// An installed program leaves the system's folders alone, even when run by root: its cue file goes
// to the user's runtime folder then, as it does when the program's own folder is read-only.
std::vector<std::string> cueFolders()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const bool installed = appDir.startsWith("/usr/") || appDir.startsWith("/opt/") || appDir == "/bin";
    return {installed ? std::string() : appDir.toStdString(),
            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString(),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString()};
}
