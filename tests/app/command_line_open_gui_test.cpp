// The desktop's ways into the program: `torsion-spring FILE.nbd` (the file manager's
// "open with") opens the window and reads the case file as "読み取り" does, and the
// command line takes its default material table from the user's data folder first.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "core/base/file_io.h"
#include "core/files/case_file.h"
#include "tests/support/vek_test_app.h"
#include "ui/common/settings.h"

using namespace torsion;

namespace {

// The built program in a home of its own: configuration and data folders in dir.
class DesktopRun : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString userData() const { return path(QStringLiteral("data/torsion-spring/torsion-spring")); }

    // screen: the variables that name the screen ("NAME=value"), the others removed.
    void start(QProcess& p, const QStringList& arguments, bool quitAfterStart,
               const QStringList& screen = {QStringLiteral("QT_QPA_PLATFORM=offscreen")}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        for (const QString& variable : screen)
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        if (quitAfterStart) env.insert(QStringLiteral("TS_QUIT_AFTER_START"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(TS_PROGRAM), arguments);
        p.closeWriteChannel();
    }
    int run(const QStringList& arguments, QByteArray* out = nullptr) {
        QProcess p;
        start(p, arguments, true);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (out != nullptr) *out = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    Settings settings() const {
        return Settings(path(QStringLiteral("config/torsion-spring/torsion-spring.ini")));
    }
    QStringList recoveryFiles() const {
        return QDir(userData()).entryList({QStringLiteral("*.nbd")}, QDir::Files);
    }

    QTemporaryDir dir;
};

// The file named on the command line is read once the window is up, by the command
// "読み取り" and the recent-files menu use: it becomes the last file read, a relative
// name taken from the working folder. The history read is the file's, so the run keeps
// no recovery copy of it; the window stays open and the test ends the program.
TEST_F(DesktopRun, OpensTheCaseFileNamedOnTheCommandLine) {
    CaseTable cases{};
    cases[3].used = 1;
    cases[3].wireDia = 1.6;
    const QString file = path(QStringLiteral("cases.nbd"));
    WriteCaseFile(cases, file.toStdString());
    for (const QString& argument : {file, QStringLiteral("cases.nbd")}) {
        SCOPED_TRACE(argument.toStdString());
        QDir(path(QStringLiteral("config"))).removeRecursively();
        QDir(path(QStringLiteral("data"))).removeRecursively();
        QProcess program;
        start(program, {argument}, false);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000 && settings().lastCaseFile().isEmpty()) QTest::qWait(100);
        program.kill();
        program.waitForFinished();
        EXPECT_EQ(settings().lastCaseFile(), file);
        EXPECT_EQ(settings().recentFiles().value(0), file);
        EXPECT_TRUE(recoveryFiles().isEmpty());
    }
    // Without a file nothing is read, and the run ends by itself.
    QDir(path(QStringLiteral("config"))).removeRecursively();
    QDir(path(QStringLiteral("data"))).removeRecursively();
    EXPECT_EQ(run({}), 0);
    EXPECT_TRUE(settings().lastCaseFile().isEmpty());
    EXPECT_TRUE(recoveryFiles().isEmpty());
}

// --calc without --materials uses the user's zaidat.dst when there is one: a symbol
// only the user's table knows is calculated, and unknown without it.
TEST_F(DesktopRun, CommandLineDefaultTableIsTheUsersCopyFirst) {
    const QString designs = path(QStringLiteral("designs.csv"));
    QFile f(designs);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("OWN-1,1,mean,10,5,10,10,angle,45,90,0,0\n");
    f.close();
    EXPECT_EQ(run({QStringLiteral("--calc"), designs}), 1);  // the program's table has no OWN-1

    MaterialTable own = TestMaterialTable();
    SetShortString(own[0].symbol, "OWN-1");
    QDir().mkpath(userData());
    WriteFileReplacing(QDir(userData()).filePath(QStringLiteral("zaidat.dst")).toStdString(),
                       EncodeMaterialTable(own));
    QByteArray out;
    EXPECT_EQ(run({QStringLiteral("--calc"), designs}, &out), 0);
    EXPECT_TRUE(out.contains("\nOWN-1,1,")) << out.toStdString();
}

// Without a screen the window program ends at once with status 2 and one line, with a
// file to open or without, whether no display is named or the one named cannot be
// reached; no signal ends it and it leaves no core file.
TEST_F(DesktopRun, WithoutAScreenTheWindowEndsWithOneLine) {
    const QString file = path(QStringLiteral("cases.nbd"));
    WriteCaseFile(CaseTable{}, file.toStdString());
    const QStringList screens[] = {{}, {"DISPLAY=:97"}, {"QT_QPA_PLATFORM=xcb", "DISPLAY=:97"}};
    for (const QStringList& screen : screens) {
        for (const QStringList& arguments : {QStringList{file}, QStringList{}}) {
            SCOPED_TRACE((screen.join(' ') + " " + arguments.join(' ')).toStdString());
            QProcess program;
            start(program, arguments, false, screen);
            ASSERT_TRUE(program.waitForFinished(60000));
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(program.exitCode(), 2);
            const QString err = QString::fromUtf8(program.readAllStandardError());
            EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
            EXPECT_TRUE(err.contains(QStringLiteral("画面")) && err.contains("--calc") &&
                        err.contains("--stl"))
                << err.toStdString();
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("core*")}, QDir::Files), QStringList());
}

// What the start-up calls for that file asks what "読み取り" asks: about unsaved
// history, about a file that does not look like a case file; a missing file is named.
TEST(OpenWith, AsksWhatReadingAsks) {
    MainWindowApp app;
    CaseTable cases{};
    cases[3].used = 1;
    cases[3].wireDia = 1.6;
    const QString good = app.path(QStringLiteral("good.nbd"));
    WriteCaseFile(cases, good.toStdString());
    app.window->ReadCaseFileNamed(good);
    ASSERT_EQ(app.window->cases()[3].used, 1);
    EXPECT_EQ(app.window->cases()[3].wireDia, cases[3].wireDia);
    EXPECT_EQ(app.dialogs.messageCount(), 0);
    app.click("SpeedButton5");  // a change after the read: the history is unsaved again

    const QString strange = app.path(QStringLiteral("strange.nbd"));
    WriteFileReplacing(strange.toStdString(), std::vector<std::uint8_t>(100, 0xFF));
    const std::vector<std::uint8_t> before = EncodeCaseTable(app.window->cases());
    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::Cancel};
    app.window->ReadCaseFileNamed(strange);
    EXPECT_EQ(app.dialogs.questions, QStringList{QStringLiteral("履歴が保存されていません。保存しますか？")});
    EXPECT_TRUE(app.dialogs.confirmations.isEmpty());

    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
    app.dialogs.confirmAnswers = {false};
    app.window->ReadCaseFileNamed(strange);
    EXPECT_EQ(
        app.dialogs.confirmations,
        QStringList{QStringLiteral("ファイル %1 は履歴ファイルではない可能性があります。読み込みますか？")
                        .arg(strange)});
    EXPECT_EQ(EncodeCaseTable(app.window->cases()), before);

    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
    app.window->ReadCaseFileNamed(app.path(QStringLiteral("gone.nbd")));
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_TRUE(app.dialogs.errors[0].contains(app.path(QStringLiteral("gone.nbd"))));
    EXPECT_EQ(EncodeCaseTable(app.window->cases()), before);
}

}  // namespace
