// The program without a window: batch calculation and exports, chosen by options on
// the command line. main() asks before any window exists.
#pragma once

// True when the arguments ask for the command line rather than the window program.
bool IsCommandLineRun(int argc, char** argv);

// Runs the command the arguments name and returns the exit status: 0 when everything
// succeeded, 1 when some rows of a calculation failed, 2 for a wrong command line or
// a file that cannot be read or written. Messages go to the standard error.
int RunCommandLine(int argc, char** argv);
