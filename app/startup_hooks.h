// Hooks for the tools that start the program, switched on by the environment: the
// start-up benchmark (TS_QUIT_AFTER_START: the steps on standard output, see
// ReportStartupStep, and an end once the start-up has finished) and the pictures of
// the documentation (TS_SCREENSHOT: the PNG file to write). Without them they do nothing.
#pragma once

class Tf_vek;

// The last step of the start-up: reports it and, for the start-up benchmark, quits.
void EndOfStartup();

// When TS_SCREENSHOT names a PNG file: presses "計算" once, writes the window to that
// file and its pages beside it (history-page.png, spring-page.png,
// characteristic-page.png, spring-3d-page.png, practice-page.png), and when
// TS_SCREENSHOT_CASES names a file the calculated cases as a case file, then ends the
// program with 0, or 1 if a file could not be written.
void TakeScreenshotsIfAsked(Tf_vek& window);
