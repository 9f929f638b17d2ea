// Saves that fail lose nothing: through the real window commands (case file save,
// material table save, coefficient set button) a write that cannot complete leaves the
// previous file byte for byte as it was, leaves no temporary file behind, reports
// "ファイル <path> を作成できません" once, and keeps the data in memory so that the same
// command succeeds once the cause is gone.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/materials/coefficients.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/test_files.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

using Bytes = std::vector<std::uint8_t>;

QString CannotCreate(const QString& path) {
    return QStringLiteral("ファイル %1 を作成できません").arg(path);
}

// While it lives, no file of this process may grow beyond `bytes`: a longer write fails
// with EFBIG as on a full disk. SIGXFSZ, which would end the process, is ignored.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        active_ = ::getrlimit(RLIMIT_FSIZE, &saved_) == 0;
        rlimit small = saved_;
        small.rlim_cur = bytes;
        active_ = active_ && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        if (active_) ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

// True when this user can create files in a folder without write permission (root, or
// a file system that ignores the mode): the read-only folder then is no failure.
bool WritesIgnorePermissions(const QString& folder) {
    const QString probe = QDir(folder).filePath(QStringLiteral(".probe"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile f(probe);
    const bool wrote = f.open(QIODevice::WriteOnly);
    f.close();
    QFile::remove(probe);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return wrote;
}

// The program over the default data files in its own folder, with a second folder for
// the user's files.
class FailedSaveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program.isValid() && user.isValid());
        for (const char* name : {"zaidat.dst", "keisuu.dat"}) {
            const QString from = QDir(QStringLiteral(TS_DATA_DIR)).filePath(QString::fromLatin1(name));
            ASSERT_TRUE(QFile::copy(from, programFile(QString::fromLatin1(name)))) << name;
            QFile::setPermissions(programFile(QString::fromLatin1(name)),
                                  QFile::ReadOwner | QFile::WriteOwner);
        }
        window = std::make_unique<Tf_vek>(materials, kinds, coefficients, dialogs, program.path());
        dataMake = new Tdata_make(materials, dialogs, window.get());
        keisuu = new Tkeisuu_make(coefficients, dialogs, program.path(), window.get());
        window->setToolWindows(dataMake, keisuu, nullptr);
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    }
    void TearDown() override {
        // A folder left read-only by a failed assertion must not stop its removal.
        QFile::setPermissions(user.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString programFile(const QString& name) const { return QDir(program.path()).filePath(name); }
    QString userFile(const QString& name) const { return QDir(user.path()).filePath(name); }

    void press(QWidget* owner, const char* button) {
        auto* b = owner->findChild<QAbstractButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void menu(const char* item) {
        auto* action = window->menuBar()->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
    QLineEdit* mainBox(const char* name) {
        return window->centralWidget()->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QLineEdit* toolBox(QWidget* tool, const char* name) {
        return tool->findChild<QLineEdit*>(QString::fromLatin1(name));
    }

    // Two different cases in slots 1 and 2, saved: the file the failing save must keep.
    QString savedCaseFile() {
        press(window.get(), "BitBtn2");
        press(window.get(), "SpeedButton5");
        mainBox("Edit19")->setText(QStringLiteral("4.5"));
        press(window.get(), "BitBtn2");
        window->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(2);
        press(window.get(), "SpeedButton5");
        const QString name = userFile(QStringLiteral("cases.nbd"));
        dialogs.saveNames.push_back(name);
        menu("N3");
        EXPECT_TRUE(dialogs.errors.isEmpty());
        // More history after the save: memory now differs from the file.
        mainBox("Edit19")->setText(QStringLiteral("7.25"));
        press(window.get(), "BitBtn2");
        window->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(3);
        press(window.get(), "SpeedButton5");
        EXPECT_TRUE(window->historyUnsaved());
        return name;
    }

    // The three saves of the program, each over a previous file that differs from what
    // memory now holds. Returns the file each writes.
    struct Targets {
        QString caseFile, tableFile, coefficientFile;
    };
    Targets prepareAllThree() {
        Targets t;
        t.caseFile = savedCaseFile();
        t.tableFile = userFile(QStringLiteral("table.dst"));
        EXPECT_TRUE(QFile::copy(programFile(QStringLiteral("zaidat.dst")), t.tableFile));
        QFile::setPermissions(t.tableFile, QFile::ReadOwner | QFile::WriteOwner);
        toolBox(dataMake, "Edit3")->setText(QStringLiteral("81234.5"));
        t.coefficientFile = programFile(QStringLiteral("keisuu.dat"));
        toolBox(keisuu, "Edit2")->setText(QStringLiteral("70.5"));
        return t;
    }

    struct Before {
        std::optional<Bytes> caseFile, tableFile, coefficientFile;
        QStringList userEntries, programEntries;
        Bytes history;
    };
    Before snapshot(const Targets& t) const {
        const auto entries = [](const QString& dir) {
            return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        Before b{FileBytes(t.caseFile), FileBytes(t.tableFile),  FileBytes(t.coefficientFile),
                 entries(user.path()),  entries(program.path()), {}};
        const Bytes all = EncodeCaseTable(window->cases());
        b.history.assign(all.begin() + kDesignCaseSize, all.end());
        return b;
    }

    // Runs the three commands while `fail` makes the writes impossible, and checks what
    // they leave and report.
    void saveAllThreeFailing(const Targets& t, const std::function<void()>& during) {
        const Before before = snapshot(t);
        ASSERT_TRUE(before.caseFile && before.tableFile && before.coefficientFile);
        dialogs.saveNames.push_back(t.caseFile);
        dialogs.saveNames.push_back(t.tableFile);
        during();

        EXPECT_EQ(dialogs.errors, QStringList({CannotCreate(t.caseFile), CannotCreate(t.tableFile),
                                               CannotCreate(t.coefficientFile)}));
        EXPECT_TRUE(dialogs.informations.isEmpty()) << "no restart notice after a failed table save";
        const Before after = snapshot(t);
        EXPECT_EQ(after.caseFile, before.caseFile);
        EXPECT_EQ(after.tableFile, before.tableFile);
        EXPECT_EQ(after.coefficientFile, before.coefficientFile);
        EXPECT_EQ(after.userEntries, before.userEntries) << "a temporary file was left behind";
        EXPECT_EQ(after.programEntries, before.programEntries) << "a temporary file was left behind";

        // Memory keeps everything: the history, the unsaved mark, the stored record and
        // the taken-over coefficient.
        EXPECT_EQ(after.history, before.history);
        EXPECT_TRUE(window->historyUnsaved());
        EXPECT_EQ(materials[0].shearModulus, 81234.5);
        EXPECT_EQ(coefficients.values[1], 70.5);
    }

    void runAllThree() {
        menu("N3");
        press(dataMake, "BitBtn2");
        press(keisuu, "BitBtn1");
    }

    // With the cause gone the same commands write what memory holds.
    void saveAllThreeAgain(const Targets& t) {
        dialogs.errors.clear();
        dialogs.saveNames.push_back(t.caseFile);
        dialogs.saveNames.push_back(t.tableFile);
        runAllThree();
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
        EXPECT_EQ(FileBytes(t.caseFile), EncodeCaseTable(window->cases()));
        EXPECT_EQ(FileBytes(t.tableFile), EncodeMaterialTable(materials));
        EXPECT_EQ(FileBytes(t.coefficientFile), EncodeCoefficients(coefficients));
        EXPECT_FALSE(window->historyUnsaved());
        EXPECT_EQ(dialogs.informations.size(), 1);
    }

    QTemporaryDir program, user;
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    FakeDialogs dialogs;
    std::unique_ptr<Tf_vek> window;
    Tdata_make* dataMake = nullptr;
    Tkeisuu_make* keisuu = nullptr;
};

TEST_F(FailedSaveTest, AFullDiskKeepsEveryPreviousFileByteForByte) {
    const Targets t = prepareAllThree();
    // Smaller than each of the three files (6944, 52080 and 736 bytes), so every write
    // starts and then fails part way, for any user.
    saveAllThreeFailing(t, [&] {
        FileSizeLimit limit(700);
        ASSERT_TRUE(limit.active());
        runAllThree();
    });
    saveAllThreeAgain(t);
}

TEST_F(FailedSaveTest, AReadOnlyFolderKeepsEveryPreviousFileByteForByte) {
    if (WritesIgnorePermissions(user.path()))
        GTEST_SKIP() << "this user writes into read-only folders; the full-disk test covers the failure";
    const Targets t = prepareAllThree();
    saveAllThreeFailing(t, [&] {
        for (const QString& dir : {user.path(), program.path()})
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        runAllThree();
        for (const QString& dir : {user.path(), program.path()})
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    saveAllThreeAgain(t);
}

// A path below a regular file cannot be created by anyone, root included.
TEST_F(FailedSaveTest, APathBelowARegularFileIsReportedAndCreatesNothing) {
    const QString plain = userFile(QStringLiteral("plain"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    const QString caseFile = plain + QStringLiteral("/cases.nbd");
    const QString tableFile = plain + QStringLiteral("/table.dst");
    Tkeisuu_make belowFile(coefficients, dialogs, plain);
    belowFile.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("12"));

    press(window.get(), "SpeedButton5");
    dialogs.saveNames.push_back(caseFile);
    dialogs.saveNames.push_back(tableFile);
    menu("N3");
    press(dataMake, "BitBtn2");
    press(&belowFile, "BitBtn1");

    EXPECT_EQ(dialogs.errors, QStringList({CannotCreate(caseFile), CannotCreate(tableFile),
                                           CannotCreate(plain + QStringLiteral("/keisuu.dat"))}));
    EXPECT_TRUE(dialogs.informations.isEmpty());
    EXPECT_EQ(FileBytes(plain), Bytes{'x'});
    EXPECT_EQ(QDir(user.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain")});
    EXPECT_TRUE(window->historyUnsaved());
    EXPECT_EQ(coefficients.values[0], 12.0);
}

}  // namespace
