#include "system.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QStandardPaths>

// Windows always has its display: the Windows platform answers the command line too, and nothing
// needs to be held back or explained while it opens.
const char* displaylessPlatform() { return "windows"; }

void addWindowSystemOptions(QCommandLineParser&) {}

void beginOpeningDisplay() {}

void finishOpeningDisplay(bool) {}

void prepareSystem() {}

// The captions are laid out for DejaVu Sans Condensed, which Windows does not have: the game
// brings its own copy.
void settleSystem(QObject*)
{
    QFontDatabase::addApplicationFont(":/fonts/DejaVuSansCondensed.ttf");
}

// Beside gridora.exe; where that cannot be written (under Program Files), the user's temporary
// folder. Windows takes Qt's forward slashes as they are.
std::vector<std::string> cueFolders()
{
    return {QCoreApplication::applicationDirPath().toStdString(),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString()};
}
