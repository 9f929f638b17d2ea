// A copy of the history kept on disk while the program runs, so that a crash, a kill
// or a power cut loses no stored case. Each run writes its own recovery file in the
// user's data folder and holds a lock beside it; a clean close removes both. A file
// whose lock no running program holds was left by a run that did not close (a design file,
// or the case file an earlier version of the program wrote); a lock
// without a file whose program has ended is removed at the next start.
#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/model/design_case.h"
#include "core/model/design_options.h"

class HistoryRecovery {
  public:
    // folder: where the recovery files live (created when missing).
    explicit HistoryRecovery(const QString& folder);
    ~HistoryRecovery();
    HistoryRecovery(const HistoryRecovery&) = delete;
    HistoryRecovery& operator=(const HistoryRecovery&) = delete;

    // The usual folder: the application's local data folder.
    static QString DefaultFolder();

    // Recovery files of runs that ended without closing, newest first.
    QStringList leftOver() const;
    // What the question names of a left-over file: when it was last written and how many
    // history slots it holds, "2026/12/08 05:40 の記録、履歴 3 件".
    static QString describe(const QString& path);
    // Removes a left-over file once it has been restored or declined.
    static void removeLeftOver(const QString& path);

    // Writes the whole table with its design options to this run's file (a design file)
    // with the safe replacing write; throws CommandError ("ファイル %s を作成できません").
    void write(const torsion::CaseTable& table, const torsion::DesignOptionsTable& options);
    // Removes this run's file: nothing is left to recover.
    void discard();
    QString path() const { return path_; }

  private:
    // Removes the locks of runs that ended without a recovery file (killed before any
    // change of the history, or after a save).
    void RemoveStaleLocks() const;

    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
