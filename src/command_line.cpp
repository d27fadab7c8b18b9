#include "command_line.h"

#include <QApplication>
#include <QCommandLineParser>

#include "system.h"
#include "ui/zoom.h"

#include <string>
#include <vector>

int answerCommandLine(int argc, char* argv[], int& zoom)
{
    if (argc < 2)
        return -1;
    // Qt's application takes Qt's options out of the arguments and lists them under --help-all;
    // on the offscreen platform it needs no display.
    std::vector<char*> arguments(argv, argv + argc);
    char platform[] = "-platform";
    std::string displayless = displaylessPlatform();
    arguments.insert(arguments.end(), {platform, displayless.data(), nullptr});
    int count = argc + 2;
    beginOpeningDisplay();
    QApplication app(count, arguments.data());
    finishOpeningDisplay(false); // Qt's remarks on its way up (an unset XDG_RUNTIME_DIR) are the game's to make
    QCoreApplication::setApplicationName("gridora");
    QCoreApplication::setApplicationVersion(GRIDORA_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("Noughts and crosses against the computer or a friend.");
    // Qt's own options are words after one dash (-platform, -style), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"zoom", "The window's size in percent: 100, 125, 150, 175, 200, 250 or 300, at most what fits "
                              "the screen. Without it, the desktop's text size.", "percent"});
    addWindowSystemOptions(parser);
    const QStringList given = QCoreApplication::arguments();
    const bool parsed = parser.parse(given);
    const QString percent = parser.value("zoom");
    if (parsed && parser.positionalArguments().isEmpty() && (!parser.isSet("zoom") || isZoomStep(percent.toInt()))) {
        parser.process(given); // --help, --help-all and --version answer and exit here
        zoom = parser.isSet("zoom") ? percent.toInt() : zoom;
        return -1;
    }
    const QString wrong = !parsed ? parser.errorText()
        : !parser.positionalArguments().isEmpty() ? QString("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst())
                                                  : QString("Zoom '%1' is none of 100, 125, 150, 175, 200, 250 and 300.").arg(percent);
    tellUser(QString("gridora: %1 Try '%2 --help'.").arg(wrong, given.constFirst()).toUtf8().constData());
    return 2;
}
