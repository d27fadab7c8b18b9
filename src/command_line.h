#pragma once

// The command line and the display, before the window:
//
//   if (const int status = answerCommandLine(argc, argv); status >= 0) return status;
//   beginOpeningDisplay();
//   QApplication app(argc, argv);
//   if (const int status = finishOpeningDisplay(); status >= 0) return status;

// Answers --help, --help-all and --version without a display or a sound server. Returns the exit
// status, or -1 to go on.
int answerCommandLine(int argc, char* argv[]);

// Until finishOpeningDisplay(), Qt's messages are held back; when the display cannot be opened, one
// line on standard error says why and the program exits with status 1.
void beginOpeningDisplay();

// Once the platform has taken its own options (-display), refuses what is left that is no option of
// the program's: one line, status 2. Or passes Qt's held messages on and returns -1 to go on.
int finishOpeningDisplay();
