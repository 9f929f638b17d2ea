// The command line: the same results as the window for the same inputs, and the
// program run as a batch tool without any display.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cfloat>
#include <csignal>
#include <cstring>

#include "core/base/csv_text.h"
#include "core/design/batch_calculation.h"
#include "core/files/case_file.h"
#include "core/files/design_file.h"
#include "tests/support/dxf_reader.h"
#include "tests/support/pdf_tools.h"
#include "tests/support/printed_results.h"
#include "tests/support/vek_test_app.h"
#include "ui/main_window/export_table.h"

using namespace torsion;

namespace {

struct WindowRow {
    QStringList fields;  // the 12 input columns
    int kind, symbol, diameterRow;
};

// Types one design into the real window and presses "計算" as a user would; with
// moments given the user presses it once more after retyping them.
void EnterInWindow(MainWindowApp& app, const WindowRow& row) {
    app.find<QComboBox>("ComboBox5")->setCurrentIndex(row.kind);
    app.find<QComboBox>("ComboBox7")->setCurrentIndex(row.symbol);
    app.find<QComboBox>("ComboBox6")->setCurrentIndex(row.diameterRow);
    const QString label = row.fields[2] == "inner" ? "内径" : row.fields[2] == "outer" ? "外径" : "平均径";
    while (app.caption("Label48") != label) app.click("BitBtn1");
    const bool angles = row.fields[7] == "angle";
    if ((app.window->cases()[0].inputMode == 1) != angles) app.window->dlchengClick();
    app.type("Edit18", row.fields[3]);
    app.type("Edit19", row.fields[4]);
    app.type("Edit12", row.fields[5]);
    app.type("Edit13", row.fields[6]);
    auto check = [&](const char* name, bool on) {
        if (app.find<QCheckBox>(name)->isChecked() != on) app.click(name);
    };
    check("soto", row.fields[10] == "1");
    check("hidari", row.fields[11] == "1");
    for (int press = 0; press < (angles ? 1 : 2); ++press) {
        app.type(angles ? "Edit4" : "Edit6", row.fields[8]);
        app.type(angles ? "Edit5" : "Edit7", row.fields[9]);
        app.calculate();
    }
}

TEST(CommandLineWindow, RowsGiveTheWindowsResultsExactly) {
    const WindowRow rows[] = {
        {{"SWP-A", "1", "mean", "10", "5", "10", "10", "angle", "45", "90", "0", "0"}, 0, 0, 1},
        {{"SWP-B", "1.6", "outer", "14.3", "3.3", "15", "25.5", "angle", "20", "61.7", "1", "1"}, 0, 1, 2},
        {{"SUS304", "0.7", "inner", "6", "7.25", "8", "0", "moment", "1.23456", "3.1", "0", "0"}, 1, 0, 1},
        {{"SWP-A", "2", "mean", "30", "2.6", "40", "35", "moment", "10", "52.5", "1", "0"}, 0, 0, 2},
    };
    MainWindowApp app;
    std::vector<std::string> symbols;
    for (const MaterialRecord& r : app.materials)
        symbols.push_back(FromSjis(ShortStringValue(r.symbol)).toStdString());
    BatchCalculator calculator(app.materials, app.kinds, symbols);
    for (const WindowRow& row : rows) {
        SCOPED_TRACE(row.fields.join(',').toStdString());
        EnterInWindow(app, row);
        ASSERT_TRUE(app.dialogs.errors.isEmpty()) << app.dialogs.errors.join('\n').toStdString();
        std::vector<std::string> owned;
        for (const QString& f : row.fields) owned.push_back(f.toStdString());
        const Evaluation batch = calculator.Calculate(calculator.DesignOf({owned.begin(), owned.end()}));
        const DesignCase& shown = app.window->cases()[0];
        const double windowValues[] = {
            shown.wireDia,      shown.innerDia,    shown.meanDia, shown.outerDia,    shown.springIndex,
            shown.stressFactor, shown.springConst, shown.angle1,  shown.angle2,      shown.moment1,
            shown.moment2,      shown.stress1,     shown.stress2, shown.allowStress, shown.maxAngle,
            shown.maxMoment,    shown.guideRodDia};
        const DesignCase& c = batch.design;
        const double batchValues[] = {c.wireDia,      c.innerDia,    c.meanDia, c.outerDia,    c.springIndex,
                                      c.stressFactor, c.springConst, c.angle1,  c.angle2,      c.moment1,
                                      c.moment2,      c.stress1,     c.stress2, c.allowStress, c.maxAngle,
                                      c.maxMoment,    c.guideRodDia};
        for (std::size_t i = 0; i < std::size(batchValues); ++i)
            EXPECT_EQ(std::memcmp(&batchValues[i], &windowValues[i], sizeof(double)), 0)
                << "value " << i << ": " << batchValues[i] << " vs " << windowValues[i];
        EXPECT_EQ(c.materialNo, shown.materialNo);
        EXPECT_EQ(c.lifeClass, shown.lifeClass);
        QStringList messages;
        for (const ComposedText& line : batch.checks.lines)
            messages << QString::fromStdString(line.Japanese());
        EXPECT_EQ(messages, app.messages());
    }
}

// The built program, run with no display: no DISPLAY, no WAYLAND_DISPLAY, no platform.
struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};
// A run that has not ended within the time allowed is killed and has the exit code -2.
// The locale is Japanese unless another is given.
ProgramRun RunProgram(const QStringList& arguments, const QByteArray& input = {}, int timeoutMs = 120000,
                      const QString& locale = QStringLiteral("ja_JP.UTF-8")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
        env.remove(name);
    env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TS_PROGRAM), arguments);
    p.waitForStarted();
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    const bool finished = p.waitForFinished(timeoutMs);
    if (!finished) {
        p.kill();
        p.waitForFinished();
    }
    ProgramRun run;
    run.exitCode = !finished ? -2 : p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

class CommandLineProgram : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    QString read(const QString& name) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
    QTemporaryDir dir;
};

TEST_F(CommandLineProgram, CalcWritesEveryRowAndFailsWhenOneFailed) {
    const QString in = write("in.csv",
                             "SWP-B,1,mean,10,1.3,15,20,angle,30,35,0,0\n"
                             "SWP-B,1,mean,zz,1.3,15,20,angle,30,35,0,0\n"
                             "SWP-B,1,mean,10,1.3,15,20,moment,10,20,0,0\n");
    const ProgramRun run = RunProgram({"--calc", in, "-o", dir.filePath("out.csv")});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("1 / 3")) << run.err.toStdString();
    const QStringList lines = read("out.csv").split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].toStdString(), BatchCalculator::OutputHeader());
    EXPECT_TRUE(lines[1].endsWith(",Calculation Success!,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(",'zz' は浮動小数点数ではありません")) << lines[2].toStdString();

    // All rows good, read from the standard input, written to the standard output.
    const ProgramRun good = RunProgram({"--calc", "-"}, "SWP-B,1,mean,10,1.3,15,20,angle,30,35,0,0\n");
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_EQ(good.out.count('\n'), 2);
}

// The grade, J and operating frequency reach the variation and frequency columns.
TEST_F(CommandLineProgram, CalcTakesGradeInertiaAndFrequency) {
    const QByteArray row = "SWP-B,1,mean,10,5,15,20,angle,30,60,0,0\n";
    const ProgramRun plain = RunProgram({"--calc", "-"}, row);
    const ProgramRun driven =
        RunProgram({"--calc", "-", "--grade", "1", "--inertia", "5", "--frequency", "50"}, row);
    ASSERT_EQ(driven.exitCode, 0) << driven.err.toStdString();
    const QStringList header = plain.out.section('\n', 0, 0).split(',');
    const QStringList a = plain.out.section('\n', 1, 1).split(','),
                      b = driven.out.section('\n', 1, 1).split(',');
    auto at = [&](const QStringList& fields, const char* column) {
        return fields.value(header.indexOf(column));
    };
    EXPECT_NE(at(a, "k_max[kgf*mm/deg]"), at(b, "k_max[kgf*mm/deg]"));  // grade 2 and grade 1
    EXPECT_GT(at(a, "natural_freq[Hz]").toDouble(), 10 * at(b, "natural_freq[Hz]").toDouble());
    EXPECT_EQ(at(a, "freq_ratio"), QString());
    EXPECT_NEAR(at(b, "freq_ratio").toDouble(), at(b, "natural_freq[Hz]").toDouble() / 50, 1e-9);
    EXPECT_EQ(at(b, "standard_wire"), QStringLiteral("1"));
}

TEST_F(CommandLineProgram, WrongCommandLinesAndFilesEndWithStatusTwo) {
    const QString in = write("in.csv", "SWP-B,1,mean,10,1.3,15,20,angle,30,35,0,0\n");
    struct Case {
        QStringList arguments;
        QString message;
    };
    const Case cases[] = {
        {{"--calc"}, "--calc には値が必要です"},
        {{"--calc", in, "--bogus"}, "不明なオプション: --bogus"},
        {{"--calc", dir.filePath("missing.csv")},
         "ファイル " + dir.filePath("missing.csv") + " は開けません"},
        {{"--calc", in, "--materials", dir.filePath("none.dst")},
         "ファイル " + dir.filePath("none.dst") + " は開けません"},
        {{"--calc", in, "-o", dir.filePath("no/such/out.csv")},
         "ファイル " + dir.filePath("no/such/out.csv") + " を作成できません"},
        {{"--calc", in, "--grade", "4"}, "--grade は 1 から 3 です: 4"},
        {{"--calc", in, "--inertia", "-1"}, "--inertia は 0 以上の数です: -1"},
        {{"--calc", in, "--frequency", "0"}, "--frequency は正の数です: 0"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    const ProgramRun help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--calc IN.csv"));
    const ProgramRun version = RunProgram({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("torsion-spring ")) << version.out.toStdString();
}

// The usage and the messages follow the locale; the CSV rows stay as they are.
TEST_F(CommandLineProgram, HelpAndMessagesSpeakTheLanguageOfTheLocale) {
    const QString in = write("in.csv", "SWP-B,1,mean,zz,1.3,15,20,angle,30,35,0,0\n");
    const QString missing = dir.filePath("missing.csv");
    struct Row {
        QString locale, usage, unknown, grade, helpPointer, cannotOpen;
    };
    const Row rows[] = {
        {"ja_JP.UTF-8", "使い方:\n", "不明なオプション: --bogus", "--grade は 1 から 3 です: 4",
         "使い方は torsion-spring --help で表示します", "ファイル " + missing + " は開けません"},
        {"en_US.UTF-8", "Usage:\n", "Unknown option: --bogus", "--grade is 1 to 3: 4",
         "torsion-spring --help shows the usage", "Cannot open file " + missing},
    };
    const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale.toStdString());
        const auto err = [&](const QStringList& arguments) {
            return RunProgram(arguments, {}, 10000, row.locale).err;
        };
        const ProgramRun help = RunProgram({"--help"}, {}, 10000, row.locale);
        EXPECT_TRUE(help.out.startsWith(row.usage)) << help.out.toStdString();
        // Every line of the English usage is translated, the exports' lines included.
        EXPECT_EQ(help.out.contains(japanese), row.locale.startsWith("ja")) << help.out.toStdString();
        EXPECT_EQ(err({"--bogus"}), "torsion-spring: " + row.unknown + "\n" + row.helpPointer + "\n");
        EXPECT_EQ(err({"--calc", in, "--grade", "4"}),
                  "torsion-spring: " + row.grade + "\n" + row.helpPointer + "\n");
        EXPECT_EQ(err({"--calc", missing}), "torsion-spring: " + row.cannotOpen + "\n");
        const ProgramRun calc = RunProgram({"--calc", in}, {}, 10000, row.locale);
        EXPECT_TRUE(calc.out.contains(",'zz' は浮動小数点数ではありません")) << calc.out.toStdString();
    }
}

// The export table is what the file menu and the command line offer: the menu keeps
// its captions in their order, each row is an item with the row's caption, and --help
// names the commands of the rows that have one.
TEST(ExportTable, RowsAreTheMenuItemsAndTheHelpCommands) {
    MainWindowApp app;
    const auto* file = app.window->findChild<QMenu*>(QStringLiteral("File1"));
    ASSERT_NE(file, nullptr);
    QStringList captions, exportItems;
    for (const QAction* action : file->actions()) {
        if (action->isSeparator()) continue;
        captions << action->text();
        if (!action->menu() &&
            !QStringList{"Edit2", "N3", "N1", "ReportTitle", "QuitItem"}.contains(action->objectName()))
            exportItems << action->objectName();
    }
    EXPECT_EQ(captions, (QStringList{"読み取り", "保存", "要目表印刷", "画面印刷", "CSV 出力", "DXF 出力",
                                     "3D モデル出力 (STEP)...", "3D モデル出力 (STL)...", "計算書 PDF 出力",
                                     "計算書印刷", "計算書の表題欄...", "最近使ったファイル", "終了"}));
    QStringList rows, commands{"--calc", "--compare"};
    for (const ExportFormat& format : ExportFormats()) {
        rows << format.menuItem;
        const auto* action = file->findChild<QAction*>(QString::fromUtf8(format.menuItem));
        ASSERT_NE(action, nullptr) << format.menuItem;
        EXPECT_EQ(action->text(), QString::fromUtf8(format.caption));
        if (*format.command != '\0') commands << format.command;
    }
    EXPECT_EQ(exportItems, rows);
    const ProgramRun help = RunProgram({"--help"});
    QStringList helpCommands;
    for (const QString& line : help.out.split('\n')) {
        const QRegularExpressionMatch command =
            QRegularExpression("^  torsion-spring (--[a-z]+)").match(line);
        if (command.hasMatch()) helpCommands << command.captured(1);
    }
    EXPECT_EQ(helpCommands, (commands + QStringList{"--search", "--help"}));
}

// Words the program does not know end it at once with status 2, without a display,
// naming the word and pointing to --help; -h is --help.
TEST_F(CommandLineProgram, UnknownWordsEndWithStatusTwoAtOnce) {
    const QString nbd = write("a.nbd", QByteArray(6944, '\0'));
    struct Case {
        QStringList arguments;
        QString unknown;
    };
    const Case cases[] = {
        {{"--cacl", "rows.csv"}, "--cacl"},
        {{"--CALC"}, "--CALC"},
        {{"-calc"}, "-calc"},
        {{"--help=1"}, "--help=1"},
        {{"-H"}, "-H"},
        {{"--"}, "--"},
        {{"-"}, "-"},
        {{""}, ""},
        {{"stray"}, "stray"},
        {{"-platform", "offscreen"}, "-platform"},
        {{nbd, "second.nbd"}, "second.nbd"},
        {{nbd, "--verbose"}, "--verbose"},
        {{"--calc", "in.csv", "stray"}, "stray"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(c.arguments, {}, 10000);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("不明なオプション: " + c.unknown + "\n") &&
                    run.err.contains("torsion-spring --help"))
            << run.err.toStdString();
    }
    const ProgramRun help = RunProgram({"-h"}, {}, 10000);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--calc IN.csv"));
}

// The resident memory of a running process, in KiB.
long ResidentKib(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// An interrupted command keeps the old output and leaves no temporary file behind; an
// endless line (/dev/zero) keeps the memory bounded while it is read.
TEST_F(CommandLineProgram, SignalsLeaveTheOldOutputAndNothingElse) {
    const QString out = write("out.csv", "old");
    struct Case {
        QString input;
        int signal, status;
    };
    for (const Case& c : {Case{"-", SIGINT, 130}, Case{"/dev/zero", SIGTERM, 143}, Case{"-", SIGHUP, 129}}) {
        SCOPED_TRACE(c.status);
        QProcess p;
        p.start(QStringLiteral(TS_PROGRAM), {"--calc", c.input, "-o", out});
        ASSERT_TRUE(p.waitForStarted());
        p.write(QByteArray("SWP-B,1,mean,10,1.3,15,20,angle,30,35,0,0\n").repeated(20000));
        // The temporary file is there once the command has begun to write.
        for (int wait = 0; wait < 1000 && files().size() < 2; ++wait) QTest::qWait(10);
        ASSERT_EQ(files().size(), 2);
#if !defined(__SANITIZE_ADDRESS__)
        // Under the address sanitizer freed blocks wait in its quarantine (256 MB by default),
        // so the resident size says nothing of the program's own bound there.
        if (c.input == "/dev/zero") {
            QTest::qWait(1500);
            const long kib = ResidentKib(p.processId());
            EXPECT_GT(kib, 0);
            EXPECT_LT(kib, 64 * 1024);
        }
#endif
        ::kill(static_cast<pid_t>(p.processId()), c.signal);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.status);
        EXPECT_EQ(files(), QStringList{"out.csv"});
        EXPECT_EQ(read("out.csv"), "old");
    }
}

TEST_F(CommandLineProgram, AnotherMaterialTableNamesOtherSymbols) {
    const QString table = dir.filePath("other.dst");
    WriteFileReplacing(table.toStdString(), EncodeMaterialTable(TestMaterialTable()));
    const QString in = write("in.csv", "SUS304,0.7,mean,7,5,10,10,angle,10,20,0,0\n");
    EXPECT_EQ(RunProgram({"--calc", in, "--materials", table}).exitCode, 0);
    const ProgramRun standard = RunProgram({"--calc", in});
    EXPECT_EQ(standard.exitCode, 1);
    EXPECT_TRUE(standard.out.contains("材料記号 'SUS304' は材料表にありません"))
        << standard.out.toStdString();
}

TEST_F(CommandLineProgram, CsvAndDxfExportACaseFile) {
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[0]);
    for (int slot : {2, 9}) {
        (*cases)[static_cast<std::size_t>(slot)] = (*cases)[0];
        (*cases)[static_cast<std::size_t>(slot)].moment2 = slot / 7.0;
    }
    const QString nbd = dir.filePath("cases.nbd");
    WriteCaseFile(*cases, nbd.toStdString());

    const ProgramRun csv = RunProgram({"--csv", nbd, "-o", dir.filePath("h.csv"), "--units", "si"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    QFile file(dir.filePath("h.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes);
    const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[2].startsWith("2,SWP-B,")) << lines[2].toStdString();
    EXPECT_TRUE(lines[1].contains("N･mm"));

    const ProgramRun dxf = RunProgram({"--dxf", nbd, "--slot", "9", "-o", dir.filePath("s.dxf")});
    EXPECT_EQ(dxf.exitCode, 0) << dxf.err.toStdString();
    const DesignCase& c = (*cases)[9];
    EXPECT_EQ(dxf_reader::SpringDxfDisagreements(dir.filePath("s.dxf").toStdString(), c.wireDia, c.meanDia,
                                                 c.turns, c.arm1, c.arm2),
              "");
    EXPECT_EQ(RunProgram({"--dxf", nbd}).exitCode, 2);
    EXPECT_EQ(RunProgram({"--dxf", nbd, "--slot", "31", "-o", dir.filePath("t.dxf")}).exitCode, 2);
}

// A design file is read wherever a case file is, with each slot's practice and working
// temperature; a damaged one is refused naming its first fault. --compare gives three lines
// per row.
TEST_F(CommandLineProgram, DesignFilesAndTheThreePracticesSideBySide) {
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[0]);
    (*cases)[3] = (*cases)[0];
    DesignOptionsTable options{};
    options[3] = {Practice::Us, 100};
    const QString nbdx = dir.filePath("cases.nbdx");
    WriteDesignFile(nbdx.toStdString(), *cases, options);
    const ProgramRun csv = RunProgram({"--csv", nbdx});
    EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const ProgramRun report = RunProgram({"--report", nbdx, "--slot", "3", "-o", dir.filePath("r.pdf")});
    EXPECT_EQ(report.exitCode, 0) << report.err.toStdString();
    const QString text = pdf_tools::PdfText(dir.filePath("r.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("米国 SMI"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("使用温度: 100℃")));
    write("bad.nbdx", "{\"format\": 1}");
    const ProgramRun bad = RunProgram({"--dxf", dir.filePath("bad.nbdx"), "-o", dir.filePath("s.dxf")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("は設計ファイルとして読めません: format が")))
        << bad.err.toStdString();

    const ProgramRun compare =
        RunProgram({"--compare", "-"}, "SWP-B,1,mean,10,5,20,20,angle,30,90,0,0,en,20\n");
    EXPECT_EQ(compare.exitCode, 0) << compare.err.toStdString();
    const QStringList lines = compare.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].toStdString(), BatchCalculator::CompareHeader());
    EXPECT_TRUE(lines[2].contains(",en,1,")) << lines[2].toStdString();
}

// Case files of another size, unused slots and damaged tables are reported, never
// taken for success.
TEST_F(CommandLineProgram, WrongCaseFilesAndEmptySlotsAreRefused) {
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[0]);
    (*cases)[5] = (*cases)[0];  // numbers, but not in use
    (*cases)[5].used = 0;
    const QString nbd = dir.filePath("cases.nbd");
    WriteCaseFile(*cases, nbd.toStdString());
    const QString out = dir.filePath("out");
    struct Case {
        QStringList arguments;
        QString message;
    };
    // Every command that reads a case file says the same.
    std::vector<Case> refused;
    for (int size : {0, 3000, 13888}) {
        const QString name = write(QString("size%1.nbd").arg(size), QByteArray(size, '\1'));
        const QString message = "ファイル " + name + " はケースファイルではありません（大きさが " +
                                QString::number(size) + " バイト、正しくは 6944 バイト）";
        refused.push_back({{"--csv", name}, message});
        for (const char* command : {"--report", "--dxf", "--step", "--stl"})
            refused.push_back({{command, name, "-o", out}, message});
    }
    for (const char* command : {"--report", "--dxf", "--step", "--stl"}) {
        for (const char* slot : {"4", "5"})
            refused.push_back(
                {{command, nbd, "--slot", slot, "-o", out}, QString("ケース %1 は空です").arg(slot)});
    }
    for (const Case& c : refused) {
        const ProgramRun run = RunProgram(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    // A table of the wrong size: a warning, and the command goes on.
    QFile standard(QStringLiteral(TS_DATA_DIR "/zaidat.dst"));
    ASSERT_TRUE(standard.open(QIODevice::ReadOnly));
    const QString shortTable = write("short.dst", standard.readAll().chopped(100));
    const ProgramRun warned = RunProgram({"--csv", nbd, "--materials", shortTable});
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_TRUE(warned.err.contains("警告: ファイル " + shortTable + " は材料データーとして正しくありません"))
        << warned.err.toStdString();
}

// Extreme finite sizes through every export: the drawing is refused as a spring that
// cannot be drawn, the report is written or refused with a message, the CSV is written.
TEST_F(CommandLineProgram, ExtremeSizesAreExportedOrRefusedCleanly) {
    for (const double value : {1e240, DBL_MAX, 4.9e-324, 2.2250738585072014e-308}) {
        SCOPED_TRACE(value);
        auto cases = std::make_unique<CaseTable>();
        InitCurrentCase((*cases)[0]);
        (*cases)[0].arm1 = value;
        (*cases)[1] = (*cases)[0];
        (*cases)[2] = (*cases)[0];
        (*cases)[2].arm1 = 15;
        (*cases)[2].wireDia = value;
        (*cases)[2].springConst = value;
        (*cases)[2].moment2 = -value;
        const QString nbd = dir.filePath("extreme.nbd");
        WriteCaseFile(*cases, nbd.toStdString());
        const bool huge = value > 1;
        for (const QString slot : {"1", "2"}) {
            const ProgramRun dxf = RunProgram({"--dxf", nbd, "--slot", slot, "-o", dir.filePath("x.dxf")});
            EXPECT_EQ(dxf.exitCode, huge ? 2 : 0) << dxf.err.toStdString();
            if (dxf.exitCode == 2) {
                EXPECT_TRUE(dxf.err.contains("図にできません")) << dxf.err.toStdString();
            }
            const ProgramRun report =
                RunProgram({"--report", nbd, "--slot", slot, "-o", dir.filePath("x.pdf")});
            // The report evaluates the case again: a size whose arithmetic overflows is
            // refused with the calculation's message, anything else is written.
            if (report.exitCode == 0) {
                EXPECT_EQ(pdf_tools::PageCount(dir.filePath("x.pdf")), pdf_tools::kReportPages);
            } else {
                EXPECT_EQ(report.exitCode, 2);
                EXPECT_TRUE(report.err.contains("浮動小数点数のオーバーフロー")) << report.err.toStdString();
            }
        }
        const ProgramRun csv = RunProgram({"--csv", nbd, "--units", "si"});
        EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
        EXPECT_EQ(csv.out.count("\r\n"), 4);
    }
}

TEST_F(CommandLineProgram, ReportIsWrittenWithoutADisplay) {
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[0]);  // as stored before the first calculation
    for (int slot : {3, 4, 5}) (*cases)[static_cast<std::size_t>(slot)] = (*cases)[0];
    (*cases)[3].angle1 = 50;  // after the second angle: an error line
    (*cases)[3].springIndex = 10;
    (*cases)[4].inputMode = 0;  // moments given, the angles those of other moments
    (*cases)[4].moment1 = 4;
    (*cases)[4].moment2 = 9.5;
    (*cases)[5] = (*cases)[4];
    (*cases)[5].outward = 1;
    (*cases)[5].diaMode = 0;  // the inner diameter typed
    const QString nbd = dir.filePath("cases.nbd");
    WriteCaseFile(*cases, nbd.toStdString());
    const QString pdf = dir.filePath("report.pdf");
    const ProgramRun run = RunProgram({"--report", nbd, "--slot", "3", "-o", pdf, "--product", "ばね B",
                                       "--designer", "佐藤", "--date", "2026-01-02", "--units", "si"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(pdf_tools::PageCount(pdf), pdf_tools::kReportPages);
    const QString text = pdf_tools::PdfText(pdf);
    for (const QString t : {"ばね B", "佐藤", "2026-01-02", "エラー:ねじれ角度の順番が不適", "SWP-B", "N･mm"})
        EXPECT_TRUE(text.contains(t)) << t.toStdString();
    EXPECT_EQ(printed::ReportFormulaDisagreements(pdf), "");
    // Every number of the report follows from the inputs it prints, in both units, both
    // load directions and with moments given.
    for (const QString slot : {"4", "5"}) {
        for (const QString units : {"kgf", "si"}) {
            SCOPED_TRACE((slot + " " + units).toStdString());
            EXPECT_EQ(RunProgram({"--report", nbd, "--slot", slot, "-o", pdf, "--units", units}).exitCode, 0);
            EXPECT_EQ(printed::ReportFormulaDisagreements(pdf), "");
        }
    }
    EXPECT_TRUE(printed::InTable(pdf_tools::PdfLayoutText(pdf, 1, 1), "内径 Di").Agrees(9.8));
    EXPECT_EQ(RunProgram({"--report", nbd}).exitCode, 2);

    // The same case in English: the words change, every number (with its decimal point and
    // sign) and unit stays (a line may wrap elsewhere, so they are compared sorted); the life
    // label counts the same cycles, and the fatigue diagram's "万回" reads "×10⁴". Slot 6, of a
    // design file, has bent legs, a coil gap and the US practice: the steps of its bends, its
    // practice and its tolerances and loaded geometry follow on pages of their own.
    auto options = std::make_unique<DesignOptionsTable>();
    (*cases)[6] = (*cases)[4];
    (*options)[6] = {Practice::Us, 20, {{{LegShape::Radial, 5, 0.5}, {LegShape::Axial, 8, 1.5}}}, 0.3};
    const QString nbdx = dir.filePath("cases.nbdx");
    WriteDesignFile(nbdx.toStdString(), *cases, *options);
    const auto numbers = [](QString text) {
        text.remove(QStringLiteral("×10⁴"));
        static const QRegularExpression life(QStringLiteral("(\\d+)(?:(万)|(M|k)\\b)"));
        static const QRegularExpression number(
            QStringLiteral("-?\\d+(\\.\\d+)?(E-?\\d+)?|N･mm|kgf|(?<![A-Za-z])mm²?|℃"));
        for (QRegularExpressionMatch m = life.match(text); m.hasMatch(); m = life.match(text)) {
            const double unit = m.captured(2).isEmpty() ? (m.captured(3) == "M" ? 1e6 : 1e3) : 1e4;
            text.replace(m.capturedStart(), m.capturedLength(),
                         QString::number(m.captured(1).toDouble() * unit, 'f', 0) + QStringLiteral(" "));
        }
        QStringList found;
        for (auto it = number.globalMatch(text); it.hasNext();) found << it.next().captured();
        found.sort();
        return found;
    };
    // No Japanese word is left in English: kana, kanji, Japanese punctuation and full-width
    // forms (the unit's "･" of "N･mm" is a symbol the same in both languages).
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3001}-\\x{303F}\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF60}]+"));
    for (const QString slot : {"3", "5", "6"}) {
        SCOPED_TRACE(slot.toStdString());
        const QString en = dir.filePath("en.pdf"), file = slot == "6" ? nbdx : nbd;
        ASSERT_EQ(RunProgram({"--report", file, "--slot", slot, "-o", pdf, "--date", "2026-01-02"}).exitCode,
                  0);
        const ProgramRun english =
            RunProgram({"--report", file, "--slot", slot, "-o", en, "--date", "2026-01-02", "--lang", "en"});
        ASSERT_EQ(english.exitCode, 0) << english.err.toStdString();
        const QString japaneseText = pdf_tools::PdfText(pdf), englishText = pdf_tools::PdfText(en);
        for (const char* words :
             {"Spring rate k", "Bending stress σ2", "Calculation steps", "Stress correction factor",
              "Expected variation", "Geometry under load", "Comparison of design practices"})
            EXPECT_TRUE(englishText.contains(QString::fromUtf8(words))) << words;
        if (slot == "6") {
            for (const char* words : {"Bend of leg 1", "Spring rate (US SMI, leg shapes)", "Coil gap g"})
                EXPECT_TRUE(englishText.contains(QString::fromUtf8(words))) << words;
        }
        EXPECT_EQ(japanese.match(englishText).captured().toStdString(), "");
        ASSERT_TRUE(japanese.match(japaneseText).hasMatch());
        EXPECT_EQ(numbers(englishText).join(' ').toStdString(),
                  numbers(japaneseText).join(' ').toStdString());
    }
    EXPECT_EQ(RunProgram({"--report", nbd, "--lang", "fr", "-o", pdf}).exitCode, 2);
}

TEST_F(CommandLineProgram, SearchPrintsTheRankedListAsCsvOrJson) {
    const QStringList search = {"--search", "--moment2",   "20", "--angle2", "60", "--angle1",
                                "20",       "--arm1",      "15", "--arm2",   "15", "--symbols",
                                "SWP-B",    "--turns-max", "10", "--keep",   "5"};
    const ProgramRun csv = RunProgram(search);
    EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << csv.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("rank,symbol,wire_dia[mm]"));
    EXPECT_TRUE(lines[1].startsWith("1,SWP-B,"));
    const ProgramRun json = RunProgram(search + QStringList{"--format", "json", "--units", "si"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_TRUE(json.out.startsWith("{\"units\": \"si\"")) << json.out.toStdString();
    EXPECT_EQ(json.out.count("\"rank\": "), 5);
    EXPECT_EQ(RunProgram(search + QStringList{"--rank", "cheapest"}).exitCode, 2);
    EXPECT_EQ(RunProgram({"--search", "--angle2", "60"}).exitCode, 2);
}

}  // namespace
