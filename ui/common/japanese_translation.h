// Qt's own texts (file dialogs, the right-click menu of a box, standard buttons) in
// Japanese, whatever the desktop's language: the whole program is Japanese.
#pragma once

class QCoreApplication;

// Loads qtbase_ja from Qt's translation folder and installs it; false when the
// translation is not installed (Qt's texts then stay in English).
bool InstallQtJapanese(QCoreApplication& app);
