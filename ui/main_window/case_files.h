// The main window's case file: reading and saving the history as a case file (.nbd, the
// records) or a design file (.nbdx, the records with their design options), the recent files
// of "ファイル", the recovery copy kept while the program runs, and the flag that the
// history holds cases not yet saved. The main window's handlers forward to it.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"

class Dialogs;
class HistoryRecovery;
class QMenu;
class QWidget;
class Settings;

class CaseFiles {
  public:
    // What the unit asks of its window: copy the controls into the current case (before
    // a save), show the current case as a recall does (a file read with one), show every
    // history row again (after a read), and read a recent file chosen in recentMenu.
    struct WindowHooks {
        std::function<void()> readWindowToCase;
        std::function<void()> showCurrentCase;
        std::function<void()> showHistory;
        std::function<void(const QString&)> recentFileChosen;
    };
    CaseFiles(torsion::CaseTable& cases, torsion::DesignOptionsTable& options,
              const torsion::MaterialTable& materials, Dialogs& dialogs, QWidget* window, QMenu* recentMenu,
              WindowHooks hooks);
    ~CaseFiles();
    CaseFiles(const CaseFiles&) = delete;
    CaseFiles& operator=(const CaseFiles&) = delete;

    // Takes the last case file as the name the dialogs propose and fills the recent menu.
    void setSettings(Settings* settings);
    // Keeps a copy of the history in folder while the program runs and offers to
    // restore what a run that did not close left there.
    void EnableRecovery(const QString& folder);

    // True while history slots hold cases stored (or restored) since the last read of a
    // whole case file or the last successful save.
    bool historyUnsaved() const;
    // A case was stored in a history slot.
    void CaseStored();

    // ファイル → 読み取り: asks for a file and reads it.
    void ReadChosen();
    // Reads the named file as "読み取り" does once its dialog is confirmed.
    void ReadNamed(const QString& name);
    // ファイル → 最近使ったファイル → name: a file that is gone leaves the list.
    void ReadRecent(const QString& name);
    // ファイル → 保存: a name ending in .nbdx is written as a design file, any other as a case
    // file, after the user has agreed to lose the design options it cannot hold; false when
    // nothing was saved.
    bool Save();
    // The window closes: asks the close question when the history is unsaved; false to
    // stay open. A clean close leaves nothing to recover.
    bool MayClose();

  private:
    // Asks the close question when the history holds unsaved cases; false to stop.
    bool HistoryMayBeReplaced();
    // Reads a chosen case file of either kind after the checks; false when nothing was read.
    bool ReadChecked(const QString& name);
    // After a table was read over the history: the window shows its current case, or
    // keeps shownBefore when the file has none.
    void ShowReadCase(const torsion::DesignCase& shownBefore);
    // The name the save dialog proposes: the last one, as a design file when the history
    // holds design options a case file cannot keep.
    QString ProposedSaveName() const;
    // Writes the history to the recovery file after a change.
    void WriteRecovery();
    void Remember(const QString& name);
    void FillRecentMenu();

    torsion::CaseTable& cases_;
    torsion::DesignOptionsTable& options_;
    const torsion::MaterialTable& materials_;
    Dialogs& dialogs_;
    QWidget* window_;
    QMenu* recentMenu_;
    WindowHooks hooks_;
    Settings* settings_ = nullptr;
    bool historyChanged_ = false;
    std::unique_ptr<HistoryRecovery> recovery_;
    bool recoveryFailureShown_ = false;
    QString lastOpenName_;
    QString lastSaveName_ = QStringLiteral("nspring.nbd");
};
