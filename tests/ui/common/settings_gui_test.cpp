// The settings file: what is stored comes back, and a missing, unreadable or damaged
// file gives the defaults.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "ui/common/settings.h"

using namespace torsion;

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    QString path() const { return QDir(folder.path()).filePath(QStringLiteral("settings.ini")); }
    void writeFile(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static void ExpectDefaults(const Settings& s) {
        EXPECT_EQ(s.unitSystem(), UnitSystem::Kgf);
        EXPECT_TRUE(s.lastCaseFile().isEmpty());
        EXPECT_TRUE(s.recentFiles().isEmpty());
        EXPECT_FALSE(s.windowPosition().has_value());
        EXPECT_EQ(s.intValue(QStringLiteral("Other/grade"), 2, 1, 3), 2);
        EXPECT_EQ(s.stringValue(QStringLiteral("Other/title"), QStringLiteral("x")), QStringLiteral("x"));
    }
    QTemporaryDir folder;
};

TEST_F(SettingsTest, StoredValuesComeBackInTheNextRun) {
    const QStringList recent{QStringLiteral("/cases/a, b.nbd"), QStringLiteral("/cases/@c.nbd"),
                             QStringLiteral("/ケース/ばね.nbd")};
    {
        Settings s(path());
        ExpectDefaults(s);
        s.setUnitSystem(UnitSystem::SI);
        s.setLastCaseFile(QStringLiteral("/cases/last.nbd"));
        s.setRecentFiles(recent);
        s.setWindowPosition(QPoint(-20, 40));
        s.setInt(QStringLiteral("Other/grade"), 3);
        s.setString(QStringLiteral("Other/title"), QStringLiteral("図番 A-1"));
    }
    Settings again(path());
    EXPECT_EQ(again.unitSystem(), UnitSystem::SI);
    EXPECT_EQ(again.lastCaseFile(), QStringLiteral("/cases/last.nbd"));
    EXPECT_EQ(again.recentFiles(), recent);
    EXPECT_EQ(again.windowPosition(), QPoint(-20, 40));
    EXPECT_EQ(again.intValue(QStringLiteral("Other/grade"), 2, 1, 3), 3);
    EXPECT_EQ(again.stringValue(QStringLiteral("Other/title")), QStringLiteral("図番 A-1"));

    // A shorter list leaves no stale entries behind.
    again.setRecentFiles({recent[2]});
    again.sync();
    EXPECT_EQ(Settings(path()).recentFiles(), QStringList{recent[2]});
}

TEST_F(SettingsTest, MissingOrUnreadableFileGivesDefaults) {
    ExpectDefaults(Settings(path()));
    EXPECT_FALSE(QFile::exists(path()));  // reading alone writes nothing
    ASSERT_TRUE(
        QDir(folder.path()).mkdir(QStringLiteral("settings.ini")));  // a folder cannot be read as a file
    Settings s(path());
    ExpectDefaults(s);
    s.setUnitSystem(UnitSystem::SI);
    s.sync();  // and cannot be written: no crash, the folder stays
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(SettingsTest, DamagedFilesGiveDefaultsAndCanBeWrittenAgain) {
    QList<QByteArray> files = {
        "[View]\nunit=si\n[Files]\nrecent1=\nrecent2=\n[Window]\nx=12abc\ny=5\n",
        "[Window]\nx=99999999999\ny=-99999999999\n[Other]\ngrade=7\n",
        "[View]\nunit=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xff\\xff)\n[Window]\nx=@Variant(\\0\\0\\0\\x2)\ny=1, "
        "2\n",
        "[Files]\nlastCaseFile=1, 2, 3\n[Other]\ntitle=@ByteArray(\\xff)\n[View\n=\n\n[[[\n",
    };
    QRandomGenerator random(16);
    for (int i = 0; i < 20; ++i) {
        QByteArray bytes(static_cast<qsizetype>(random.bounded(1, 4096)), '\0');
        for (char& b : bytes) b = static_cast<char>(random.bounded(256));
        files << bytes;
    }
    for (const QByteArray& bytes : files) {
        SCOPED_TRACE(bytes.left(60).toStdString());
        writeFile(bytes);
        {
            Settings s(path());
            ExpectDefaults(s);
            s.setUnitSystem(UnitSystem::SI);
        }
        EXPECT_EQ(Settings(path()).unitSystem(), UnitSystem::SI);
    }
}

}  // namespace
