#pragma once

// The command line and the display, before the window: main() calls them in this order.
//
//   if (const int status = answerCommandLine(argc, argv); status >= 0) return status;
//   holdMessagesWhileOpeningDisplay(true);
//   QApplication app(argc, argv);
//   holdMessagesWhileOpeningDisplay(false);
//   if (const int status = refuseWrongArguments(); status >= 0) return status;

// Answers --help, --help-all and --version without a display or a sound server. Returns the exit
// status, or -1 to go on.
int answerCommandLine(int argc, char* argv[]);

// While on, Qt's messages are held back; when the display cannot be opened, one line on standard
// error says why and the program exits with status 1. Off passes the held messages on.
void holdMessagesWhileOpeningDisplay(bool hold);

// Once the platform has taken its own options (-display, -name), refuses what is left that is no
// option of the program's: one line, status 2. Returns -1 to go on.
int refuseWrongArguments();
