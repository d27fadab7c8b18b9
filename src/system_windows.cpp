#include "system.h"

#include <QCoreApplication>
#include <QStandardPaths>

// Windows always has its display: the Windows platform answers the command line too, and nothing
// needs to be held back or explained while it opens.
const char* displaylessPlatform() { return "windows"; }

void addWindowSystemOptions(QCommandLineParser&) {}

void beginOpeningDisplay() {}

void finishOpeningDisplay(bool) {}

void prepareSystem() {}

void settleSystem(QObject*) {}

// Beside gridora.exe; where that cannot be written (under Program Files), the user's temporary
// folder. Windows takes Qt's forward slashes as they are.
std::vector<std::string> cueFolders()
{
    return {QCoreApplication::applicationDirPath().toStdString(),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString()};
}
