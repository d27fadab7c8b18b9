#pragma once

// The command line, before the window (see system.h for what follows):
//
//   if (const int status = answerCommandLine(argc, argv); status >= 0) return status;

// Answers --help, --help-all and --version, and refuses a wrong option or an argument (one line,
// status 2), without a display or a sound server. Returns the exit status, or -1 to go on.
int answerCommandLine(int argc, char* argv[]);
