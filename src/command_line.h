#pragma once

// The command line, before the window (see system.h for what follows):
//
//   int zoom = 0;
//   if (const int status = answerCommandLine(argc, argv, zoom); status >= 0) return status;

// Answers --help, --help-all and --version, and refuses a wrong option, a wrong --zoom or an
// argument (one line, status 2), without a display or a sound server. Returns the exit status, or
// -1 to go on with `zoom` set to --zoom's percent, or left as it is when --zoom is not given.
int answerCommandLine(int argc, char* argv[], int& zoom);
