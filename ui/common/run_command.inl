// Implementation of RunCommand (included by dialogs.h).
#pragma once

#include "core/base/command_error.h"

template <typename F>
bool RunCommand(Dialogs& dialogs, QWidget* parent, F&& command) {
    try {
        command();
        return true;
    } catch (const torsion::CommandError& e) {
        dialogs.showError(parent, QString::fromStdString(e.message()));
        return false;
    }
}
