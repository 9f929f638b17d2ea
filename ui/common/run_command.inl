// Implementation of RunCommand (included by dialogs.h).
#pragma once

#include <QCoreApplication>

#include "core/base/command_error.h"

template <typename F>
bool RunCommand(Dialogs& dialogs, QWidget* parent, F&& command) {
    try {
        command();
        return true;
    } catch (const torsion::CommandError& e) {
        // A message the core marked as a whole text is shown in the program's language.
        dialogs.showError(parent, QCoreApplication::translate("torsion", e.message().c_str()));
        return false;
    }
}
