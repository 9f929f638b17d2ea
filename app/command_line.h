// The program without a window: batch calculation and exports, chosen by options on
// the command line. main() asks before any window exists.
#pragma once

#include <optional>
#include <string>

// True when the arguments ask for the command line rather than the window program.
bool IsCommandLineRun(int argc, char** argv);

// The case file the window is to open when the arguments name exactly one and nothing
// else: an argument that is no option and ends in ".nbd" (in any case) or names an
// existing regular file. The window opens it, asking its usual questions.
std::optional<std::string> CaseFileToOpen(int argc, char** argv);

// For arguments that are neither a command nor one case file: names the first argument
// the program does not know on the standard error, with a pointer to --help, and
// returns the exit status 2. Touches no window and no display.
int RefuseUnknownArguments(int argc, char** argv);

// Whether the environment gives the window somewhere to show: a display for the
// platform Qt will choose, or a platform named that needs none (offscreen). A display
// named that cannot be reached is found only when the window program connects to it.
bool ScreenNamed();

// For a window program without a screen: one line on the standard error saying so and
// naming the commands that work without one; returns the exit status 2.
int RefuseWithoutScreen();

// Runs the command the arguments name and returns the exit status: 0 when everything
// succeeded, 1 when some rows of a calculation failed, 2 for a wrong command line or
// a file that cannot be read or written. Messages go to the standard error.
int RunCommandLine(int argc, char** argv);
