// Nothing lost: the history survives a killed program, and reading a case file never
// hangs. Both run the real main window in a child process (this test program started
// again in a child mode), so that the parent can kill it or give up on it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <iostream>

#include "core/files/case_file.h"
#include "tests/support/test_files.h"
#include "tests/support/vek_test_app.h"
#include "tests/support/visible_state.h"
#include "ui/main_window/history_recovery.h"

using namespace torsion;

namespace {

const char* kChildMode = "TS_RECOVERY_CHILD_MODE";

// Starts this program again in a child mode with XDG_DATA_HOME under data.
QProcess* StartChild(QObject* owner, const char* mode, const QString& data, const QString& argument) {
    auto* child = new QProcess(owner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildMode), QString::fromLatin1(mode));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("TS_CHILD_ARGUMENT"), argument);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child->setProcessEnvironment(env);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Child.*")});
    return child;
}

// The child's side: runs only in a child started by the tests below.
TEST(Child, Run) {
    const QByteArray mode = qgetenv(kChildMode);
    if (mode.isEmpty()) GTEST_SKIP() << "runs only as a child of the tests below";
    const QString argument = qEnvironmentVariable("TS_CHILD_ARGUMENT");
    MainWindowApp app;
    if (mode == "store") {
        // Two cases stored, then the expected table written aside; the parent kills us.
        app.window->EnableRecovery(HistoryRecovery::DefaultFolder());
        app.calculate();
        app.find<QSpinBox>("SpinEdit1")->setValue(1);
        app.click("SpeedButton5");
        app.enter("Edit19", QStringLiteral("4.5"));
        app.calculate();
        app.find<QSpinBox>("SpinEdit1")->setValue(7);
        app.click("SpeedButton5");
        QFile expected(argument);
        ASSERT_TRUE(expected.open(QIODevice::WriteOnly));
        const std::vector<std::uint8_t> bytes = EncodeCaseTable(app.window->cases());
        expected.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        expected.close();
        std::cout << "stored" << std::endl;
        for (;;) QTest::qWait(1000);
    }
    if (mode == "idle") {
        // Started, a case file read and nothing changed; the parent kills us.
        app.window->EnableRecovery(HistoryRecovery::DefaultFolder());
        app.dialogs.openNames.push_back(argument);
        app.window->Edit2Click();
        if (app.window->cases()[1].used != 1) std::cout << "not read" << std::endl;
        std::cout << "started" << std::endl;
        for (;;) QTest::qWait(1000);
    }
    if (mode == "read") {
        app.dialogs.openNames.push_back(argument);
        app.window->Edit2Click();
        app.dialogs.saveNames.push_back(argument);
        app.window->N3Click();
        std::cout << app.dialogs.errors.join(u'\n').toStdString() << std::endl;
    }
}

TEST(Recovery, AKilledProgramsHistoryIsRestoredByteForByte) {
    QTemporaryDir data;
    const QString expectedPath = data.filePath(QStringLiteral("expected.nbd"));
    QProcess* child = StartChild(nullptr, "store", data.path(), expectedPath);
    std::unique_ptr<QProcess> owner(child);
    ASSERT_TRUE(child->waitForStarted(10000));
    QByteArray out;
    while (!out.contains("stored") && child->waitForReadyRead(30000)) out += child->readAllStandardOutput();
    ASSERT_TRUE(out.contains("stored")) << out.toStdString();
    ::kill(static_cast<pid_t>(child->processId()), SIGKILL);
    ASSERT_TRUE(child->waitForFinished(10000));
    EXPECT_EQ(child->exitStatus(), QProcess::CrashExit);

    // The next start, with the same data folder, asks and restores.
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    MainWindowApp next;
    next.dialogs.confirmAnswers = {true};
    next.window->EnableRecovery(HistoryRecovery::DefaultFolder());
    ASSERT_EQ(next.dialogs.confirmations.size(), 1);
    EXPECT_TRUE(next.dialogs.confirmations[0].contains(QStringLiteral("復元しますか")));
    // The question says when the history was written and how much of it there is.
    const int stored =
        static_cast<int>(std::count_if(next.window->cases().begin() + 1, next.window->cases().end(),
                                       [](const DesignCase& c) { return c.used != 0; }));
    EXPECT_TRUE(next.dialogs.confirmations[0].contains(
        QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral(" ")))
        << next.dialogs.confirmations[0].toStdString();
    EXPECT_TRUE(next.dialogs.confirmations[0].contains(QStringLiteral("履歴 %1 件").arg(stored)));
    const std::vector<std::uint8_t> restored = EncodeCaseTable(next.window->cases());
    const std::vector<std::uint8_t> expected = ReadBytes(expectedPath);
    ASSERT_EQ(expected.size(), 6944u);
    EXPECT_EQ(restored, expected);
    EXPECT_EQ(next.window->cases()[7].used, 1);
    EXPECT_TRUE(next.window->historyUnsaved());

    // Closing cleanly (not saving) leaves nothing to restore at the start after.
    next.window->close();
    MainWindowApp third;
    third.window->EnableRecovery(HistoryRecovery::DefaultFolder());
    EXPECT_TRUE(third.dialogs.confirmations.isEmpty());
    qunsetenv("XDG_DATA_HOME");
}

// A run that ends without closing (its recovery file left, as after a kill) is restored
// in every diameter and input mode: the next "計算" shows what the last one showed.
TEST(Recovery, ARestoredCaseCalculatesWhatItShowed) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    for (int diaMode = 0; diaMode < 3; ++diaMode) {
        for (const bool momentsGiven : {false, true}) {
            VisibleState before;
            {
                MainWindowApp killed;
                killed.window->EnableRecovery(HistoryRecovery::DefaultFolder());
                while (killed.window->cases()[0].diaMode != diaMode) killed.click("BitBtn1");
                if (momentsGiven) {
                    killed.window->dlchengClick();
                    killed.type("Edit6", QStringLiteral("2.5"));
                    killed.type("Edit7", QStringLiteral("3.25"));
                }
                killed.type("Edit18", QStringLiteral("9.7"));
                killed.calculate();
                killed.click("SpeedButton5");
                before = SnapshotOf(*killed.window);
            }  // gone without closing
            MainWindowApp next;
            next.dialogs.confirmAnswers = {true};
            next.window->EnableRecovery(HistoryRecovery::DefaultFolder());
            ASSERT_EQ(next.dialogs.confirmations.size(), 1);
            EXPECT_EQ(SnapshotOf(*next.window).shown.at(QStringLiteral("Label48")),
                      before.shown.at(QStringLiteral("Label48")));
            next.calculate();
            EXPECT_EQ(SnapshotOf(*next.window).shown, before.shown) << diaMode << momentsGiven;
            next.window->close();
        }
    }
    qunsetenv("XDG_DATA_HOME");
}

TEST(Recovery, AKilledRunWithAHistoryJustReadLeavesNothingBehind) {
    QTemporaryDir data;
    const QString file = data.filePath(QStringLiteral("read.nbd"));
    {
        MainWindowApp writer;
        writer.calculate();
        writer.click("SpeedButton5");
        WriteCaseFile(writer.window->cases(), file.toStdString());
    }
    std::unique_ptr<QProcess> child(StartChild(nullptr, "idle", data.path(), file));
    ASSERT_TRUE(child->waitForStarted(10000));
    QByteArray out;
    while (!out.contains("started") && child->waitForReadyRead(30000)) out += child->readAllStandardOutput();
    ASSERT_TRUE(out.contains("started")) << out.toStdString();
    EXPECT_FALSE(out.contains("not read"));
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString folder = HistoryRecovery::DefaultFolder();
    const QString lock = QDir(folder).filePath(QStringLiteral("recovery-%1.lock").arg(child->processId()));
    ::kill(static_cast<pid_t>(child->processId()), SIGKILL);
    ASSERT_TRUE(child->waitForFinished(10000));
    EXPECT_TRUE(QFile::exists(lock)) << lock.toStdString();

    // Nothing unsaved, nothing offered; the next start finds the lock of a program that
    // no longer runs and removes it: its own lock is all that is left.
    MainWindowApp next;
    next.window->EnableRecovery(HistoryRecovery::DefaultFolder());
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(next.dialogs.confirmations.isEmpty());
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("recovery-*")}, QDir::Files),
              QStringList{QStringLiteral("recovery-%1.lock").arg(QCoreApplication::applicationPid())});
}

TEST(NotAFile, ReadingOrSavingAFifoNeverHangs) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe.nbd"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    std::unique_ptr<QProcess> child(StartChild(nullptr, "read", folder.path(), fifo));
    ASSERT_TRUE(child->waitForStarted(10000));
    const bool finished = child->waitForFinished(30000);
    if (!finished) child->kill();
    ASSERT_TRUE(finished) << "the program hung on a FIFO";
    const QString out = QString::fromUtf8(child->readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("ファイル %1 は開けません").arg(fifo))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("ファイル %1 を作成できません").arg(fifo))) << out.toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

}  // namespace
