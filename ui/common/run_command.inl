// Implementation of RunCommand (included by dialogs.h).
#pragma once

#include "core/base/command_error.h"

template <typename F>
void RunCommand(Dialogs& dialogs, QWidget* parent, F&& command) {
    try {
        command();
    } catch (const torsion::CommandError& e) {
        dialogs.showError(parent, QString::fromStdString(e.message()));
    }
}
