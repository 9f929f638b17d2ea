// Implementation of RunCommand (included by dialogs.h).
#pragma once

#include "core/base/command_error.h"
#include "ui/common/window_text.h"

template <typename F>
bool RunCommand(Dialogs& dialogs, QWidget* parent, F&& command) {
    try {
        command();
        return true;
    } catch (const torsion::CommandError& e) {
        // The message in the program's language: its pattern looked up, its arguments as they are.
        dialogs.showError(parent, WindowText(e.text()));
        return false;
    }
}
