#include "system.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <windows.h>

// Windows always has its display: the Windows platform answers the command line too, and nothing
// needs to be held back or explained while it opens.
const char* displaylessPlatform() { return "windows"; }

void tellUser(const char* line)
{
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(QString::fromUtf8(line).utf16()), L"Gridora",
                MB_OK | MB_ICONWARNING);
}

void addWindowSystemOptions(QCommandLineParser&) {}

void beginOpeningDisplay() {}

void finishOpeningDisplay(bool) {}

void prepareSystem() {}

void settleSystem(QObject*) {}

// Settings › Accessibility › Text size, which Qt leaves to the program.
double desktopTextPercent()
{
    const QSettings accessibility("HKEY_CURRENT_USER\\Software\\Microsoft\\Accessibility", QSettings::NativeFormat);
    return accessibility.value("TextScaleFactor", 100).toDouble();
}

// Beside gridora.exe; where that cannot be written (under Program Files), the user's temporary
// folder. Windows takes Qt's forward slashes as they are.
std::vector<std::string> cueFolders()
{
    return {QCoreApplication::applicationDirPath().toStdString(),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString()};
}
