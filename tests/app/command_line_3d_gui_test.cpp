// The 3D exports of the command line: --step and --stl with --slot, --state and the
// title block, run as the built program without a display.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <cfloat>
#include <csignal>
#include <cstring>
#include <memory>

#include "cad/spring_dxf.h"
#include "cad/spring_stl.h"
#include "core/calc/calculation.h"
#include "core/files/case_file.h"
#include "core/files/design_file.h"
#include "core/geometry/spring_3d.h"
#include "core/geometry/spring_outline.h"
#include "tests/support/dxf_reader.h"
#include "tests/support/leg_cases.h"

using namespace torsion;

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString err;
};

ProgramRun RunProgram(const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TS_PROGRAM), arguments);
    const bool finished = p.waitForFinished(120000);
    if (!finished) p.kill();
    return {finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(CommandLine3d, StepAndStlOfASlotAtAState) {
    QTemporaryDir dir;
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[3]);
    (*cases)[3].maxAngle = 120;
    const QString nbd = dir.filePath("cases.nbd"), step = dir.filePath("s.step"), stl = dir.filePath("s.stl");
    WriteCaseFile(*cases, nbd.toStdString());

    const ProgramRun written = RunProgram({"--step", nbd, "--slot", "3", "--state", "max", "-o", step,
                                           "--drawing-no", "TS-0042", "--designer", QStringLiteral("山田")});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    QFile file(step);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith("ISO-10303-21;"));
    EXPECT_TRUE(text.contains(QStringLiteral("('山田')")));
    // The writer breaks long lines, inside a text as well.
    EXPECT_TRUE(QString(text).remove('\n').contains(QStringLiteral("; 図番 TS-0042; 設計者 山田")));
    // The header names the title block's fields in the language of the printed words.
    const QString english = dir.filePath("en.step");
    ASSERT_EQ(
        RunProgram({"--step", nbd, "--slot", "3", "-o", english, "--drawing-no", "TS-0042", "--lang", "en"})
            .exitCode,
        0);
    QFile englishFile(english);
    ASSERT_TRUE(englishFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(englishFile.readAll().replace('\n', "").contains("; Dwg. no. TS-0042'"));
    EXPECT_TRUE(text.contains("arm 2 turned 120 deg")) << "the state is in the description";
    // The loaded coil diameter is named as the characteristic page names it: the mean
    // diameter of the model, the wire length kept.
    const QString loaded =
        QString::asprintf("D %.6g", SpringShapeAt((*cases)[3], SpringState::MaxAngle).coilDia);
    EXPECT_TRUE(text.contains(loaded + " mm mean (wire length kept)")) << loaded.toStdString();

    ASSERT_EQ(RunProgram({"--stl", nbd, "--slot", "3", "-o", stl}).exitCode, 0);
    QFile mesh(stl);
    ASSERT_TRUE(mesh.open(QIODevice::ReadOnly));
    const QByteArray bytes = mesh.readAll();
    quint32 count = 0;
    std::memcpy(&count, bytes.constData() + 80, 4);
    EXPECT_TRUE(
        bytes.left(80).contains(QString::asprintf("D %.6g mean (wire length kept)",
                                                  SpringShapeAt((*cases)[3], SpringState::Free).coilDia)
                                    .toLatin1()));
    EXPECT_EQ(bytes.size(), 84 + 50 * static_cast<qsizetype>(count));

    struct Row {
        QStringList arguments;
        const char* message;
    };
    const Row wrong[] = {
        {{"--step", nbd, "--state", "3", "-o", step}, "--state は free, 1, 2, max のどれかです: 3"},
        {{"--stl", nbd}, "--stl には -o で出力ファイルを指定します"},
        {{"--step", nbd, "--slot", "4", "-o", dir.filePath("e.step")}, "ケース 4 は空です"},
    };
    for (const Row& r : wrong) {
        const ProgramRun run = RunProgram(r.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(r.message))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("e.step")));
}

// A design file's legs and coil gap reach the drawing files: the STL is the model of the
// options byte for byte, the STEP names the pitch, the DXF has the radial bend's arcs and
// the axial leg's end circle.
TEST(CommandLine3d, DesignFileLegsAreDrawn) {
    QTemporaryDir dir;
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[2]);
    DesignOptionsTable options{};
    options[2] = LegOptions({"", LegShape::Radial, LegShape::Axial, 4, 1.5, 0.5});
    const QString nbdx = dir.filePath("legs.nbdx");
    QFile design(nbdx);
    ASSERT_TRUE(design.open(QIODevice::WriteOnly));
    design.write(QByteArray::fromStdString(EncodeDesignFile(*cases, options)));
    design.close();
    const auto written = [&](const QString& command) {
        const QString out = dir.filePath("out." + command.mid(2));
        const ProgramRun run = RunProgram({command, nbdx, "--slot", "2", "-o", out});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const std::vector<std::uint8_t> model =
        SpringStlBytes(SpringShapeAt((*cases)[2], SpringState::Free, options[2]));
    EXPECT_EQ(written("--stl"),
              QByteArray(reinterpret_cast<const char*>(model.data()), static_cast<qsizetype>(model.size())));
    EXPECT_TRUE(written("--step").contains("pitch 1.5 mm"));
    written("--dxf");
    const dxf_reader::Drawing drawing = dxf_reader::ReadDxf(dir.filePath("out.dxf").toStdString());
    const SpringOutline straight = SpringOutlineFor(1, 10, (*cases)[2].turns, 15, 20);
    EXPECT_EQ(drawing.Count("ARC", kOutlineLayer), static_cast<int>(straight.arcs.size()) + 2);
    EXPECT_EQ(drawing.Count("CIRCLE", kOutlineLayer), static_cast<int>(straight.circles.size()) + 1);
}

// An interrupted STEP export keeps the old file and leaves no temporary file behind.
TEST(CommandLine3d, SignalsLeaveTheOldModel) {
#if defined(__SANITIZE_ADDRESS__)
    // A model of 200 turns under the sanitizers outlasts the test's patience; the normal
    // build runs this test.
    GTEST_SKIP() << "too slow under the sanitizers";
#endif
    QTemporaryDir dir;
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[0]);
    (*cases)[0].turns = 200;  // the most turns modelled: a solid that takes the kernel a while
    const QString nbd = dir.filePath("cases.nbd"), step = dir.filePath("s.step");
    WriteCaseFile(*cases, nbd.toStdString());
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        SCOPED_TRACE(status);
        QFile old(step);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QProcess p;
        p.start(QStringLiteral(TS_PROGRAM), {"--step", nbd, "-o", step});
        ASSERT_TRUE(p.waitForStarted());
        const auto files = [&] { return QDir(dir.path()).entryList(QDir::Files); };
        for (int wait = 0; wait < 3000 && files().size() < 3; ++wait) QTest::qWait(10);
        ASSERT_EQ(files().size(), 3) << "the temporary file is there while the model is made";
        ::kill(static_cast<pid_t>(p.processId()), signal);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), status);
        EXPECT_EQ(files(), (QStringList{"cases.nbd", "s.step"}));
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "old");
        old.close();
    }
}

// Extreme finite sizes: a model is written whole or refused with a message, never a crash,
// a hang or a file left behind.
TEST(CommandLine3d, ExtremeSizesAreModelledOrRefusedCleanly) {
    QTemporaryDir dir;
    auto cases = std::make_unique<CaseTable>();
    InitCurrentCase((*cases)[0]);
    const double values[] = {1e240, DBL_MAX, 4.9e-324, 2.2250738585072014e-308};
    for (int i = 0; i < 4; ++i) {
        DesignCase& arm = (*cases)[1 + 2 * i];
        arm = (*cases)[0];
        arm.arm1 = values[i];
        DesignCase& wire = (*cases)[2 + 2 * i];
        wire = (*cases)[0];
        wire.wireDia = values[i];
        wire.meanDia = values[i] > 1 ? values[i] : 10;
    }
    const QString nbd = dir.filePath("extreme.nbd");
    WriteCaseFile(*cases, nbd.toStdString());
    for (int slot = 1; slot <= 8; ++slot) {
        for (const QString kind : {"--step", "--stl"}) {
            SCOPED_TRACE((kind + " slot " + QString::number(slot)).toStdString());
            const QString out = dir.filePath("model." + kind.mid(2));
            QFile::remove(out);
            const ProgramRun run = RunProgram({kind, nbd, "--slot", QString::number(slot), "-o", out});
            ASSERT_TRUE(run.exitCode == 0 || run.exitCode == 2) << run.exitCode << run.err.toStdString();
            QFile file(out);
            if (run.exitCode == 2) {
                EXPECT_TRUE(run.err.contains(QStringLiteral("3D にできません")) ||
                            run.err.contains(QStringLiteral("3D モデルにできません")))
                    << run.err.toStdString();
                EXPECT_FALSE(file.exists());
                continue;
            }
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            if (kind == "--step") {
                EXPECT_TRUE(bytes.startsWith("ISO-10303-21;"));
                EXPECT_TRUE(bytes.trimmed().endsWith("END-ISO-10303-21;"));
            } else {
                ASSERT_GE(bytes.size(), 84);
                quint32 count = 0;
                std::memcpy(&count, bytes.constData() + 80, 4);
                EXPECT_EQ(bytes.size(), 84 + 50 * static_cast<qsizetype>(count));
                EXPECT_GT(count, 0u);
            }
        }
    }
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        EXPECT_TRUE(name == "extreme.nbd" || name.startsWith("model.")) << name.toStdString();
}

}  // namespace
