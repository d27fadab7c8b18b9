#include "system.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QScreen>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <fontconfig/fontconfig.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
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
// Standard error while the display opens goes to `written`: Xlib writes an X server's refusal there
// itself, beside Qt's messages.
int realStderr = -1, written = -1;

void passHeldOn()
{
    for (const HeldMessage& message : held)
        passOn(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()), message.text);
    held.clear();
}

QByteArray writtenSoFar()
{
    QByteArray bytes(written < 0 ? 0 : ::lseek(written, 0, SEEK_END), '\0');
    return ::pread(written, bytes.data(), bytes.size(), 0) == bytes.size() ? bytes : QByteArray();
}

// One line on standard error instead of Qt's advice about reinstalling and a core dump: the cause
// the platform gave first, as it wrote it itself or in a warning, else in its fatal message.
[[noreturn]] void cannotOpen(const QString& fatal)
{
    QStringList said = QString::fromLocal8Bit(writtenSoFar()).split('\n', Qt::SkipEmptyParts);
    for (const HeldMessage& m : held)
        if ((m.type == QtWarningMsg || m.type == QtCriticalMsg) && !m.text.startsWith("QStandardPaths:"))
            said << m.text;
    QString why = (said << fatal).constFirst().section('\n', 0, 0).trimmed();
    if (why == "could not connect to display") // X, with no display named
        why = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "neither DISPLAY nor WAYLAND_DISPLAY is set" : "DISPLAY is not set";
    ::dprintf(realStderr < 0 ? 2 : realStderr, "gridora: cannot open a display: %s\n", qPrintable(why));
    std::_Exit(1);
}

// Every platform that cannot open its display ends in a fatal message while the application is made.
void holdOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(heldLock);
    if (type == QtFatalMsg)
        cannotOpen(text);
    held.push_back({type, context.category, text});
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
    // --help-all lists Qt's own -platform.
    QCommandLineOption platform("platform", "The window system: xcb (X11), wayland or offscreen.", "name");
    const QStringList given = QCoreApplication::arguments();
    if (given.contains("--help-all") || given.contains("-help-all"))
        platform.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(platform);
    parser.addOption({"display", "The X server to show the game on, instead of DISPLAY's.", "display"});
    for (auto [name, value] : {std::pair{"name", "name"}, {"visual", "id"}, {"dograb", ""}, {"nograb", ""}}) {
        QCommandLineOption option(name, QString(), value);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void beginOpeningDisplay()
{
    written = ::memfd_create("stderr", MFD_CLOEXEC);
    realStderr = written < 0 ? -1 : ::fcntl(2, F_DUPFD_CLOEXEC, 3);
    if (realStderr >= 0)
        ::dup2(written, 2);
    passOn = qInstallMessageHandler(holdOrExplain);
}

// Messages are passed on only when the game goes on: an answer or a refusal is its one line alone.
void finishOpeningDisplay(bool pass)
{
    // Two platforms come up all the same: linuxfb without a screen, vnc with a server that nobody
    // can reach, which it finds out once events run.
    if (QGuiApplication::platformName() == "vnc")
        QCoreApplication::processEvents();
    qInstallMessageHandler(passOn);
    const std::lock_guard lock(heldLock);
    if (!QGuiApplication::primaryScreen())
        cannotOpen("no screen");
    for (const HeldMessage& m : held)
        if (m.text.startsWith("QVncServer could not connect"))
            cannotOpen(m.text);
    const QByteArray bytes = writtenSoFar();
    if (realStderr >= 0)
        ::dup2(realStderr, 2), ::close(realStderr);
    ::close(written);
    realStderr = written = -1;
    if (pass) {
        [[maybe_unused]] const auto all = ::write(2, bytes.data(), bytes.size());
        passHeldOn();
    }
    held.clear();
}

void prepareSystem()
{
    // The desktop's volume control lists the sound server's clients and their streams: the game by
    // its name, icon and desktop entry, as a game, and not as Qt 6.4 names it ("QtPulseAudio:<pid>").
    // libpulse reads this when Qt connects; the player's own setting stays.
    ::setenv("PULSE_PROP_OVERRIDE", "application.name=Gridora application.icon_name=gridora application.id=gridora media.role=game", 0);
    // Reading the font configuration takes milliseconds that the first frame would wait for: it
    // runs on another core while Qt connects to the display.
    fonts = std::thread([] { FcInit(); });
}

void settleSystem(QObject* application)
{
    if (fonts.joinable())
        fonts.join();
    closeOnSignals(application);
}

// GNOME's Large Text, from the desktop's settings portal if it runs: a portal still to be started
// is not waited for. Under X11 GNOME also gives it to every program as Xft.dpi, which Qt already
// turns into the window's scale: that part is not applied twice.
double desktopTextPercent()
{
    QDBusMessage read = QDBusMessage::createMethodCall("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                                                       "org.freedesktop.portal.Settings", "Read");
    read << "org.gnome.desktop.interface" << "text-scaling-factor";
    read.setAutoStartService(false);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusMessage reply = bus.isConnected() ? bus.call(read, QDBus::Block, 500) : QDBusMessage();
    QVariant factor = reply.arguments().value(0);
    while (factor.canConvert<QDBusVariant>()) // the portal wraps the value in a second variant
        factor = factor.value<QDBusVariant>().variant();
    const double scale = QGuiApplication::platformName() == "xcb" ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1;
    return factor.metaType() == QMetaType::fromType<double>() ? 100 * factor.toDouble() / scale : 100;
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
