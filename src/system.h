#pragma once

#include <string>
#include <vector>

class QCommandLineParser;
class QObject;

// What Linux and Windows do differently around the window: system_linux.cpp or system_windows.cpp.
//
//     if (const int status = answerCommandLine(argc, argv); status >= 0) return status;
//     prepareSystem();
//     beginOpeningDisplay();
//     QApplication app(argc, argv);
//     finishOpeningDisplay(true);
//     settleSystem(&app);

// The platform that answers the command line without opening a display.
const char* displaylessPlatform();

// Says a line, in UTF-8, to whoever started the game: on standard error, or on Windows, where a
// program of the GUI subsystem has none, in a message box, as Qt says --help there.
void tellUser(const char* line);

// The window system's own options, listed by --help and refused when given wrongly.
void addWindowSystemOptions(QCommandLineParser& parser);

// Until finishOpeningDisplay(), Qt's messages are held back; when the display cannot be opened, one
// line on standard error says why and the program exits with status 1.
void beginOpeningDisplay();

// The display is open: Qt's held messages are passed on, or dropped when `passOn` is false.
void finishOpeningDisplay(bool passOn);

// Before the application: what can start early (Linux reads the font configuration on another core
// meanwhile), and how the sound server will name the game.
void prepareSystem();

// The application is up: Linux closes the window on Ctrl+C and SIGTERM.
void settleSystem(QObject* application);

// The desktop's text size in percent, where Qt does not apply it to the window itself: Windows'
// Text size, GNOME's Large Text; else 100. The application must be up.
double desktopTextPercent();

// Where the cue file may go, in order of preference: beside the program first.
std::vector<std::string> cueFolders();
