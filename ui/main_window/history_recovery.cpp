#include "ui/main_window/history_recovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "core/base/command_error.h"
#include "core/base/file_io.h"
#include "core/files/case_file.h"
#include "core/files/design_file.h"

using namespace torsion;

namespace {

const QString kPrefix = QStringLiteral("recovery-");
// This run writes a design file; an earlier version wrote case files, which are still offered.
const QString kCaseSuffix = QStringLiteral(".nbdx");
const QStringList kLeftOverPatterns = {QStringLiteral("recovery-*.nbdx"), QStringLiteral("recovery-*.nbd")};
const QString kLockSuffix = QStringLiteral(".lock");

QString LockPathOf(const QString& casePath) {
    return casePath.left(casePath.lastIndexOf(QLatin1Char('.'))) + kLockSuffix;
}

}  // namespace

HistoryRecovery::HistoryRecovery(const QString& folder) : folder_(folder) {
    QDir().mkpath(folder_);
    const QString name = kPrefix + QString::number(QCoreApplication::applicationPid());
    path_ = QDir(folder_).filePath(name + kCaseSuffix);
    lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(name + kLockSuffix));
    // A lock is stale only when its program no longer runs, however long it has run.
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);
    RemoveStaleLocks();
    // A file under this run's name was left by an earlier run with the same process
    // number: it keeps its content under a name of its own.
    if (QFileInfo::exists(path_)) {
        QFile::rename(path_, QDir(folder_).filePath(name + QStringLiteral("-") +
                                                    QString::number(QDateTime::currentMSecsSinceEpoch()) +
                                                    kCaseSuffix));
    }
}

HistoryRecovery::~HistoryRecovery() = default;

void HistoryRecovery::RemoveStaleLocks() const {
    const QDir dir(folder_);
    for (const QFileInfo& file :
         dir.entryInfoList({kPrefix + QStringLiteral("*") + kLockSuffix}, QDir::Files)) {
        const QString lockPath = file.absoluteFilePath();
        // A lock beside a recovery file goes with that file, once it is restored or declined.
        const QString stem = lockPath.left(lockPath.size() - kLockSuffix.size());
        if (QFileInfo::exists(stem + kCaseSuffix) || QFileInfo::exists(stem + QStringLiteral(".nbd")))
            continue;
        // Taking a lock whose program has ended and letting it go removes the file; a
        // running program's lock cannot be taken and stays.
        QLockFile lock(lockPath);
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) lock.unlock();
    }
}

QString HistoryRecovery::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString HistoryRecovery::describe(const QString& path) {
    const QString time = QFileInfo(path).lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    torsion::CaseTable cases{};
    torsion::DesignOptionsTable options{};
    try {
        torsion::ReadAnyCaseFile(path.toStdString(), cases, options);
    } catch (const torsion::CommandError&) {
        return QCoreApplication::translate("history_recovery", "%1 の記録").arg(time);
    }
    const auto stored = std::count_if(cases.begin() + 1, cases.end(),
                                      [](const torsion::DesignCase& c) { return c.used != 0; });
    return QCoreApplication::translate("history_recovery", "%1 の記録、履歴 %2 件").arg(time).arg(stored);
}

QStringList HistoryRecovery::leftOver() const {
    const QDir dir(folder_);
    QFileInfoList files = dir.entryInfoList(kLeftOverPatterns, QDir::Files);
    std::sort(files.begin(), files.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    QStringList paths;
    for (const QFileInfo& file : files) {
        if (file.absoluteFilePath() == QFileInfo(path_).absoluteFilePath()) continue;
        // Taking the lock succeeds only when the run that wrote the file has ended.
        QLockFile lock(LockPathOf(file.absoluteFilePath()));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) paths << file.absoluteFilePath();
    }
    return paths;
}

void HistoryRecovery::removeLeftOver(const QString& path) {
    QFile::remove(path);
    QFile::remove(LockPathOf(path));
}

void HistoryRecovery::write(const CaseTable& table, const DesignOptionsTable& options) {
    WriteDesignFile(path_.toStdString(), table, options);
}

void HistoryRecovery::discard() {
    QFile::remove(path_);
}
