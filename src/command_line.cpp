#include "command_line.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

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

// Messages are passed on only when the game goes on: an answer or a refusal is its one line alone.
void releaseHeld(bool pass)
{
    qInstallMessageHandler(passOn);
    const std::lock_guard lock(heldLock);
    if (pass)
        passHeldOn();
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
} // namespace

int answerCommandLine(int argc, char* argv[])
{
    if (argc < 2)
        return -1;
    // Qt's application takes Qt's options out of the arguments and lists them under --help-all;
    // on the offscreen platform it needs no display.
    std::vector<char*> arguments(argv, argv + argc);
    char platform[] = "-platform", offscreen[] = "offscreen";
    arguments.insert(arguments.end(), {platform, offscreen, nullptr});
    int count = argc + 2;
    beginOpeningDisplay();
    QApplication app(count, arguments.data());
    releaseHeld(false); // Qt's remarks on its way up (an unset XDG_RUNTIME_DIR) are the game's to make
    QCoreApplication::setApplicationName("gridora");
    QCoreApplication::setApplicationVersion(GRIDORA_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("Noughts and crosses against the computer or a friend.");
    // Qt's own options are words after one dash (-platform, -style), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    // Qt's application has taken -platform already, but the X platform takes its own options only
    // once it is loaded: they are known here, so that a wrong option is refused with no display.
    parser.addOption({"platform", "The window system: xcb (X11), wayland or offscreen.", "name"});
    parser.addOption({"display", "The X server to show the game on, instead of DISPLAY's.", "display"});
    for (auto [name, value] : {std::pair{"name", "name"}, {"visual", "id"}, {"dograb", ""}, {"nograb", ""}}) {
        QCommandLineOption option(name, QString(), value);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const QStringList given = QCoreApplication::arguments();
    if (parser.parse(given) && parser.positionalArguments().isEmpty()) {
        parser.process(given); // --help, --help-all and --version answer and exit here
        return -1;
    }
    const QString wrong = !parser.errorText().isEmpty()
        ? parser.errorText()
        : QString("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    std::fprintf(stderr, "gridora: %s Try '%s --help'.\n", qPrintable(wrong), qPrintable(given.constFirst()));
    return 2;
}

void beginOpeningDisplay()
{
    passOn = qInstallMessageHandler(holdOrExplain);
}

void finishOpeningDisplay()
{
    releaseHeld(true);
}
