#include "ui/common/data_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <vector>

void SetProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("torsion-spring"));
    QCoreApplication::setApplicationName(QStringLiteral("torsion-spring"));
}

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool FolderWritableByUser(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat st {};
    if (path.isEmpty() || ::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // A read-only mount refuses even where the bits allow.
    if (::access(path.constData(), W_OK | X_OK) != 0) return false;
    if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) != 0;
    bool inGroup = st.st_gid == ::getegid();
    if (!inGroup) {
        const int count = ::getgroups(0, nullptr);
        std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
        if (count > 0 && ::getgroups(count, groups.data()) == count)
            for (gid_t g : groups) inGroup = inGroup || g == st.st_gid;
    }
    return (st.st_mode & (inGroup ? S_IWGRP : S_IWOTH)) != 0;
}

QString DataFileToRead(const QString& programFolder, const QString& name) {
    const QString user = UserDataFolder();
    if (!user.isEmpty()) {
        const QString own = QDir(user).filePath(name);
        if (QFileInfo(own).isFile()) return own;
    }
    return QDir(programFolder).filePath(name);
}

QString DataFileToWrite(const QString& programFolder, const QString& name) {
    const QString user = UserDataFolder();
    const QString own = user.isEmpty() ? QString() : QDir(user).filePath(name);
    if (!own.isEmpty() && QFileInfo(own).isFile()) return own;
    // A program folder that is not there (or no folder) is reported by the write as before.
    if (own.isEmpty() || !QFileInfo(programFolder).isDir() || FolderWritableByUser(programFolder))
        return QDir(programFolder).filePath(name);
    return own;
}

void MakeFolderOf(const QString& file) {
    const QString user = UserDataFolder();
    if (!user.isEmpty() && QFileInfo(file).absolutePath() == QFileInfo(user).absoluteFilePath())
        QDir().mkpath(user);
}

QString DataFilePlaceText(const QString& readFrom, const QString& writeTo) {
    if (QFileInfo(readFrom).absoluteFilePath() == QFileInfo(writeTo).absoluteFilePath())
        return QCoreApplication::translate("data_files", "ファイル: %1")
            .arg(QDir::toNativeSeparators(writeTo));
    return QCoreApplication::translate("data_files", "読み込み元: %1\n保存先: %2")
        .arg(QDir::toNativeSeparators(readFrom), QDir::toNativeSeparators(writeTo));
}
