#pragma once

// The command line and the display, before the window:
//
//   if (const int status = answerCommandLine(argc, argv); status >= 0) return status;
//   beginOpeningDisplay();
//   QApplication app(argc, argv);
//   finishOpeningDisplay();

// Answers --help, --help-all and --version, and refuses a wrong option or an argument (one line,
// status 2), without a display or a sound server. Returns the exit status, or -1 to go on.
int answerCommandLine(int argc, char* argv[]);

// Until finishOpeningDisplay(), Qt's messages are held back; when the display cannot be opened, one
// line on standard error says why and the program exits with status 1.
void beginOpeningDisplay();

// The display is open: Qt's held messages are passed on.
void finishOpeningDisplay();
