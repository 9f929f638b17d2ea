// Every print and export is one evaluation of one set of inputs: after edits the user
// makes by typing, Tab, recall, "適用" and unit switches, each number the report prints
// follows from the inputs it prints, the saved current case from its own inputs, and the
// recommended values are those of the case shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <cmath>
#include <functional>

#include "core/base/number_text.h"
#include "core/calc/evaluation.h"
#include "core/design/design_search.h"
#include "core/files/case_file.h"
#include "tests/support/pdf_tools.h"
#include "tests/support/vek_test_app.h"

using namespace torsion;

namespace {

class ConsistentExports : public ::testing::Test {
  protected:
    void SetUp() override {
        app.window->setReportTitleBlock({"品", "TS-1", "山田", "2026-12-08"});
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
    // The first number after "name = " in text.
    static double Printed(const QString& text, const QString& name) {
        const QRegularExpression re(QRegularExpression::escape(name) +
                                    QStringLiteral(" = (-?[0-9.]+(E-?[0-9]+)?)"));
        const QRegularExpressionMatch m = re.match(text);
        EXPECT_TRUE(m.hasMatch()) << name.toStdString();
        return m.hasMatch() ? m.captured(1).toDouble() : std::nan("");
    }
    // The report of the inputs shown, and its trace checked against itself.
    void ExpectReportAgreesWithItself(const std::string& what) {
        app.dialogs.saveNames = {app.path("r.pdf")};
        choose("ReportPdf");
        ASSERT_TRUE(app.dialogs.errors.isEmpty()) << what << app.dialogs.errors.join('\n').toStdString();
        const QString text = pdf_tools::PdfText(app.path("r.pdf")).simplified();
        const double E = Printed(text, "E"), d = Printed(text, "d"), D = Printed(text, "D"),
                     N = Printed(text, "N"), a1 = Printed(text, "a1"), a2 = Printed(text, "a2");
        const double g = app.window->unitSystem() == UnitSystem::SI ? 1 : 1 / 9.80665;
        const double k = Printed(text, "k");
        EXPECT_NEAR(k, E * std::pow(d, 4) / (3667 * D * N + 389 * (a1 + a2)) * g, 1e-5 * k) << what;
        EXPECT_NEAR(Printed(text, "c"), D / d, 1e-5 * D / d) << what;
        // The operating point: angles given, so M = φ·k, and the stresses from M.
        const int at = text.indexOf("作動点のトルク");
        ASSERT_GE(at, 0) << what;
        const QString step = text.mid(at);
        const double phi1 = Printed(step, "φ1"), m1 = Printed(step, "M1"), m2 = Printed(step, "M2");
        EXPECT_NEAR(m1, phi1 * Printed(step, "k"), 2e-5 * std::max(1.0, m1)) << what;
        const QString stress = text.mid(text.indexOf("曲げ応力", at));
        EXPECT_NEAR(Printed(stress, "σ2"), 32 * m2 / (3.14159 * d * d * d), 2e-5 * Printed(stress, "σ2"))
            << what;
        // The typed turns are the printed ones.
        EXPECT_NEAR(N, app.text("Edit19").toDouble(), 1e-12) << what;
    }
    MainWindowApp app;
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
    };
    for (const auto& [what, edit] : sequences) {
        edit();
        ExpectReportAgreesWithItself(what);
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
        // The DXF of the shown inputs is written without a fault.
        app.dialogs.saveNames = {app.path("s.dxf")};
        choose("DxfExport");
        EXPECT_TRUE(app.dialogs.errors.isEmpty()) << what;
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
    EXPECT_EQ(app.caption("Label30"), QString::fromStdString(MaxAngleCaption(c.maxAngle)));
    EXPECT_TRUE(app.caption("Label45").endsWith(QString::fromStdString(FormatShort(c.guideRodDia) + "mm")));
    EXPECT_EQ(app.messages(), QStringList{"Calculation Success!"});
}

}  // namespace
