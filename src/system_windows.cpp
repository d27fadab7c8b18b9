#include "system.h"

#include <QCoreApplication>
#include <QDir>
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

// Beside gridora.exe, in the folder's own spelling; where that cannot be written (under Program
// Files), the user's temporary folder.
std::vector<std::string> cueFolders()
{
    return {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(),
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).toStdString()};
}
