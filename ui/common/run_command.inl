// Implementation of RunCommand (included by dialogs.h).
#pragma once

#include "core/base/command_error.h"

using namespace torsion;

template <typename F>
void RunCommand(Dialogs& dialogs, QWidget* parent, F&& command) {
    try {
        command();
    } catch (const CommandError& e) {
        dialogs.showError(parent, QString::fromStdString(e.message()));
    }
}
