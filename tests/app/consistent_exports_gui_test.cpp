// Every print and export is one evaluation of one set of inputs: after edits the user
// makes by typing, Tab, recall, "適用" and unit switches, each number the report and the
// data sheet print follows from the inputs they print, the drawing has the printed
// sizes, the saved current case holds its own inputs' results, and the recommended
// values are those of the case shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QTimer>
#include <cmath>
#include <functional>

#include "core/base/number_text.h"
#include "core/design/design_search.h"
#include "core/evaluation/evaluation.h"
#include "core/files/case_file.h"
#include "tests/support/dxf_reader.h"
#include "tests/support/pdf_tools.h"
#include "tests/support/printed_results.h"
#include "tests/support/vek_test_app.h"
#include "ui/main_window/exports.h"
#include "ui/print/prin.h"

using namespace torsion;

namespace {

class ConsistentExports : public ::testing::Test {
  protected:
    void SetUp() override {
        app.window->exports().setTitleBlock({"品", "TS-1", "山田", "2026-12-08"});
        app.window->setToolWindows(nullptr, nullptr, &page);
        app.window->show();
        app.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app.window.get()));
    }
    void choose(const char* item) {
        auto* action = app.window->menuBar()->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
    // Types into a box key by key and leaves it with Tab, as a user does.
    void typeAndTab(const char* box, const QString& text) {
        app.find(box)->setFocus();
        app.type(box, text);
        QTest::keyClick(app.find(box), Qt::Key_Tab);
    }
    void store(int slot) {
        app.find<QSpinBox>("SpinEdit1")->setValue(slot);
        app.click("SpeedButton5");
    }
    void recall(int slot) {
        app.find<QSpinBox>("SpinEdit1")->setValue(slot);
        app.click("SpeedButton6");
    }
    // The report of the inputs shown agrees with itself; returns what it printed.
    QString ExpectReportAgreesWithItself(const std::string& what) {
        app.dialogs.saveNames = {app.path("r.pdf")};
        choose("ReportPdf");
        EXPECT_TRUE(app.dialogs.errors.isEmpty()) << what << app.dialogs.errors.join('\n').toStdString();
        EXPECT_EQ(printed::ReportFormulaDisagreements(app.path("r.pdf")), "") << what;
        return pdf_tools::PdfLayoutText(app.path("r.pdf"), 1, 1);
    }
    // The data sheet (要目表印刷) of the inputs shown, read while it is open.
    void ExpectDataSheetAgreesWithItself(const std::string& what) {
        bool read = false;
        QTimer::singleShot(0, &page, [&] {
            EXPECT_EQ(
                printed::DataSheetDisagreeing(page, app.materials, !app.find<QLineEdit>("Edit4")->isEnabled(),
                                              app.find<QCheckBox>("soto")->isChecked())
                    .join('\n')
                    .toStdString(),
                "")
                << what;
            read = true;
            page.accept();
        });
        choose("N5");
        EXPECT_TRUE(read) << what;
    }
    MainWindowApp app;
    Tprinform page{app.materials, app.dialogs, app.window.get()};
};

TEST_F(ConsistentExports, EditSequencesThenEveryExport) {
    const std::vector<std::pair<std::string, std::function<void()>>> sequences = {
        {"calculate, turns 4, Tab",
         [&] {
             app.calculate();
             typeAndTab("Edit19", "4");
         }},
        {"calculate, φ1 40 typed, no Tab",
         [&] {
             app.calculate();
             app.type("Edit4", "40");
         }},
        {"store, other case, recall",
         [&] {
             app.calculate();
             store(2);
             typeAndTab("Edit18", "14");
             app.calculate();
             recall(2);
         }},
        {"SI, turns 2.5, Tab",
         [&] {
             app.calculate();
             app.window->setUnitSystem(UnitSystem::SI);
             typeAndTab("Edit19", "2.5");
         }},
        {"wire changed, back to kgf",
         [&] {
             app.calculate();
             app.find<QComboBox>("ComboBox6")->setCurrentIndex(2);  // 2 mm
             app.window->setUnitSystem(UnitSystem::Kgf);
         }},
        {"moments given, M2 typed, no 計算",
         [&] {
             app.calculate();
             app.window->dlchengClick();
             app.type("Edit7", "30");
         }},
    };
    for (const auto& [what, edit] : sequences) {
        edit();
        const QString report = ExpectReportAgreesWithItself(what);
        // The typed turns are the printed ones.
        EXPECT_EQ(printed::InTable(report, "巻数 N").value, app.text("Edit19").toDouble()) << what;
        ExpectDataSheetAgreesWithItself(what);
        // The DXF is the spring of the printed sizes.
        app.dialogs.saveNames = {app.path("s.dxf")};
        choose("DxfExport");
        EXPECT_TRUE(app.dialogs.errors.isEmpty()) << what;
        const auto size = [&](const char* label) { return printed::InTable(report, label).value; };
        EXPECT_EQ(dxf_reader::SpringDxfDisagreements(app.path("s.dxf").toStdString(), size("線径 d"),
                                                     size("平均径 D"), size("巻数 N"), size("腕長 a1"),
                                                     size("腕長 a2")),
                  "")
            << what;
        // The saved current case holds the results of its own inputs.
        app.dialogs.saveNames = {app.path("c.nbd")};
        choose("N3");  // 保存
        auto cases = std::make_unique<CaseTable>();
        ReadCaseFile(*cases, app.path("c.nbd").toStdString());
        const DesignCase& saved = (*cases)[0];
        const DesignCase fresh = EvaluateDesign(saved, app.materials).design;
        EXPECT_EQ(saved.moment1, fresh.moment1) << what;
        EXPECT_EQ(saved.springConst, fresh.springConst) << what;
        EXPECT_EQ(saved.stress2, fresh.stress2) << what;
        EXPECT_EQ(saved.lifeClass, fresh.lifeClass) << what;
    }
}

TEST_F(ConsistentExports, SaysWhichResultsArePrinted) {
    app.calculate();
    app.dialogs.saveNames = {app.path("a.pdf")};
    choose("ReportPdf");
    EXPECT_TRUE(app.dialogs.informations.isEmpty()) << "the inputs are those calculated";
    app.type("Edit4", "33");
    app.dialogs.saveNames = {app.path("b.pdf")};
    choose("ReportPdf");
    ASSERT_EQ(app.dialogs.informations.size(), 1);
    EXPECT_EQ(app.dialogs.informations[0], QString::fromUtf8(kExportRecalculatedNote));
    EXPECT_TRUE(pdf_tools::PdfText(app.path("b.pdf")).contains("φ1 = 33 度"));
}

TEST_F(ConsistentExports, RecommendedValuesFollowARecallAndAnApply) {
    // A thin wire stored, a thick one shown: the recall brings back the thin wire's values.
    app.calculate();
    const QString thin[] = {app.caption("Label30"), app.caption("Label56")};
    store(3);
    auto* wire = app.find<QComboBox>("ComboBox6");
    wire->setCurrentIndex(2);  // 2 mm
    app.calculate();
    ASSERT_NE(app.caption("Label30"), thin[0]);
    recall(3);
    EXPECT_EQ(app.caption("Label30"), thin[0]);
    EXPECT_EQ(app.caption("Label56"), thin[1]);
    EXPECT_TRUE(app.caption("Label45").endsWith(
        QString::fromStdString(FormatShort(app.window->cases()[3].guideRodDia) + "mm")));

    // "適用" of a search result shows the recommended values of the applied spring.
    SearchCandidate candidate;
    candidate.design = app.window->cases()[0];
    candidate.design.wireDiaIndex = 0;  // 0.5 mm
    candidate.design.wireDia = 0.5;
    candidate.design.meanDia = 5;
    candidate.design.diaMode = 1;
    app.window->ApplySearchResult(candidate);
    const DesignCase& c = app.window->cases()[0];
    EXPECT_EQ(app.caption("Label30"), QString::fromStdString(MaxAngleCaption(c.maxAngle).Japanese()));
    EXPECT_TRUE(app.caption("Label45").endsWith(QString::fromStdString(FormatShort(c.guideRodDia) + "mm")));
    EXPECT_EQ(app.messages(), QStringList{"Calculation Success!"});
}

}  // namespace
