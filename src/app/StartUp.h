#pragma once

#include <memory>

class frmTip;
struct Program;

// What the start-up step left: the loaded and shown main window, or none and
// the exit status of a program that ends at once.
struct StartUpResult {
    std::unique_ptr<frmTip> mainWindow;
    int exitCode = 0;
};

// The start-up step: fixes the interface language, refuses to run beside
// another copy (exit status 0), and loads the main window, which ends the
// program with status 1 when the tip database cannot be opened.
StartUpResult startVersedawn(Program &program);

// The whole run: start-up, then the event loop until the main window unloads.
int runVersedawn(Program &program);
