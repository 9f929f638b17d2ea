// The user's own tables: start-up reads zaidat.dst and keisuu.dat from the user's data
// folder when they are there; the two editors write there when the program's folder
// may not be written, and as before into the program's folder when it may.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/base/file_io.h"
#include "core/materials/coefficients.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/vek_test_app.h"
#include "ui/common/data_files.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"

using namespace torsion;

namespace {

std::vector<std::uint8_t> CoefficientBytes(double first) {
    CoefficientRecord record;
    record.values = {first, 80, 1.25, 15, 27.5, 20, 20};
    return EncodeCoefficients(record);
}

std::vector<std::uint8_t> Bytes(const QString& path) {
    return QFileInfo(path).isFile() ? ReadWholeFile(path.toStdString()) : std::vector<std::uint8_t>{};
}

class UserTablesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(xdg.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg.path()));
        SetProgramNames();
        user = UserDataFolder();
        ASSERT_TRUE(user.startsWith(xdg.path())) << user.toStdString();
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    QString inUser(const char* name) const { return QDir(user).filePath(QString::fromLatin1(name)); }

    QTemporaryDir xdg;
    QString user;
};

// A user's copy of either table wins over the program folder's; without one the
// program folder's is read as always.
TEST_F(UserTablesTest, StartReadsTheUsersCopyWhenThereIsOne) {
    for (const bool userCopy : {false, true}) {
        SCOPED_TRACE(userCopy);
        QDir(user).removeRecursively();
        if (userCopy) {
            QDir().mkpath(user);
            MaterialTable own = TestMaterialTable();
            SetShortString(own[0].kindName, ToSjis(QStringLiteral("ユーザー材")));
            WriteFileReplacing(inUser("zaidat.dst").toStdString(), EncodeMaterialTable(own));
            WriteFileReplacing(inUser("keisuu.dat").toStdString(), CoefficientBytes(65));
        }
        QTemporaryDir program;
        WriteFileReplacing(QDir(program.path()).filePath("zaidat.dst").toStdString(),
                           EncodeMaterialTable(TestMaterialTable()));
        WriteFileReplacing(QDir(program.path()).filePath("keisuu.dat").toStdString(), CoefficientBytes(80));
        MaterialTable materials{};
        KindIndex kinds{};
        CoefficientRecord coefficients{};
        FakeDialogs dialogs;
        Tf_vek window(materials, kinds, coefficients, dialogs, program.path());
        EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("ComboBox5"))->itemText(0),
                  userCopy ? QStringLiteral("ユーザー材") : QStringLiteral("ピアノ線"));
        EXPECT_EQ(coefficients.values[0], userCopy ? 65 : 80);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    }
}

struct FolderRow {
    const char* what;
    bool readOnly;
    bool userCopy;
    bool writesUser;  // the change goes to the user's folder
};

const FolderRow kFolderRows[] = {
    {"writable program folder, no user copy: as always", false, false, false},
    {"read-only program folder: the user's folder", true, false, true},
    {"a user copy is the file in use", false, true, true},
};

// "設定ボタン" writes the same bytes into the file the line names; the program folder's
// file stays as it was whenever the user's folder takes the change.
TEST_F(UserTablesTest, CoefficientButtonWritesWhereTheLineSays) {
    for (const FolderRow& row : kFolderRows) {
        SCOPED_TRACE(row.what);
        QDir(user).removeRecursively();
        QTemporaryDir folder;
        const QString programFile = QDir(folder.path()).filePath(QStringLiteral("keisuu.dat"));
        WriteFileReplacing(programFile.toStdString(), CoefficientBytes(80));
        if (row.userCopy) {
            QDir().mkpath(user);
            WriteFileReplacing(inUser("keisuu.dat").toStdString(), CoefficientBytes(65));
        }
        const QByteArray native = QFile::encodeName(folder.path());
        if (row.readOnly) ::chmod(native.constData(), 0555);

        CoefficientRecord coefficients;
        LoadCoefficients(coefficients,
                         DataFileToRead(folder.path(), QStringLiteral("keisuu.dat")).toStdString());
        FakeDialogs dialogs;
        Tkeisuu_make window(coefficients, dialogs, folder.path());
        auto* line = window.findChild<QLabel*>(QStringLiteral("LabelFile"));
        const QString target = row.writesUser ? inUser("keisuu.dat") : programFile;
        if (row.readOnly)
            EXPECT_EQ(line->text(), QStringLiteral("読み込み元: %1\n保存先: %2").arg(programFile, target));
        else
            EXPECT_EQ(line->text(), QStringLiteral("ファイル: ") + target);

        auto* edit = window.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        edit->setText(QStringLiteral("72.5"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        ::chmod(native.constData(), 0700);

        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        EXPECT_EQ(Bytes(target), EncodeCoefficients(coefficients));
        EXPECT_EQ(coefficients.values[0], 72.5);
        if (row.writesUser) {
            EXPECT_EQ(Bytes(programFile), CoefficientBytes(80));
        } else {
            EXPECT_FALSE(QFileInfo::exists(user));
        }
        EXPECT_EQ(line->text(), QStringLiteral("ファイル: ") + target);
    }
}

// "save" starts at the file a change of the table in use goes to; choosing the
// program folder's table writes the user's copy when that folder may not be written.
TEST_F(UserTablesTest, MaterialEditorSavesTheTableInUseWhereTheLineSays) {
    for (const FolderRow& row : kFolderRows) {
        SCOPED_TRACE(row.what);
        QDir(user).removeRecursively();
        QTemporaryDir folder;
        const QString programFile = QDir(folder.path()).filePath(QStringLiteral("zaidat.dst"));
        const std::vector<std::uint8_t> original = EncodeMaterialTable(TestMaterialTable());
        WriteFileReplacing(programFile.toStdString(), original);
        if (row.userCopy) {
            QDir().mkpath(user);
            WriteFileReplacing(inUser("zaidat.dst").toStdString(), original);
        }
        const QByteArray native = QFile::encodeName(folder.path());
        if (row.readOnly) ::chmod(native.constData(), 0555);

        MaterialTable table = TestMaterialTable();
        SetShortString(table[1].kindName, ToSjis(QStringLiteral("変更")));
        FakeDialogs dialogs;
        Tdata_make window(table, dialogs);
        window.setProgramFolder(folder.path());
        const QString target = row.writesUser ? inUser("zaidat.dst") : programFile;
        auto* line = window.findChild<QLabel*>(QStringLiteral("LabelFile"));
        EXPECT_TRUE(line->text().endsWith(target)) << line->text().toStdString();

        dialogs.saveNames.push_back(programFile);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
        ::chmod(native.constData(), 0700);

        EXPECT_EQ(dialogs.saveInitialNames, QStringList{target});
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        EXPECT_EQ(Bytes(target), EncodeMaterialTable(table));
        if (row.writesUser) {
            EXPECT_EQ(Bytes(programFile), original);
        } else {
            EXPECT_FALSE(QFileInfo::exists(user));
        }
        ASSERT_EQ(dialogs.informations.size(), 1);
        EXPECT_EQ(dialogs.informations[0].contains(target), row.writesUser);
        EXPECT_EQ(line->text(), QStringLiteral("ファイル: ") + target);
    }
}

}  // namespace
