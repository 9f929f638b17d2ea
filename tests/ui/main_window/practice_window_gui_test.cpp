// The page "設計基準" of the main window: the practice and the working temperature typed
// there are inputs of the case ("計算" follows them), kept per history slot, saved in a
// design file and read back; a case file says what it loses; a damaged design file changes
// nothing; JIS at 20 ℃ shows what the window showed before.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "core/evaluation/evaluation.h"
#include "core/files/design_file.h"
#include "tests/support/vek_test_app.h"
#include "ui/main_window/history_recovery.h"
#include "ui/main_window/practice_page.h"

namespace {

using torsion::DesignOptions;
using torsion::Practice;

class PracticeWindowTest : public ::testing::Test {
  protected:
    PracticePage& page() const { return *app.window->practicePage(); }
    // Chooses a practice as a user does: the arrow keys in the closed list.
    void choose(Practice p) const {
        QComboBox* box = page().practiceBox();
        box->setFocus();
        while (box->currentIndex() != static_cast<int>(p))
            QTest::keyClick(box, box->currentIndex() < static_cast<int>(p) ? Qt::Key_Down : Qt::Key_Up);
    }
    void temperature(const QString& text) const {
        TypeOver(page().temperatureBox(), text);
        QTest::keyClick(page().temperatureBox(), Qt::Key_Return);
    }
    void menu(const char* action) const {
        app.window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    void store(int slot) const {
        app.find<QSpinBox>("SpinEdit1")->setValue(slot);
        app.click("SpeedButton5");
    }
    void recall(int slot) const {
        app.find<QSpinBox>("SpinEdit1")->setValue(slot);
        app.click("SpeedButton6");
    }
    // Every result box and the message list: what the user reads after "計算".
    QStringList shown() const {
        QStringList texts = app.messages();
        for (const char* box : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"})
            texts << app.text(box);
        for (const char* label : {"Label28", "Label30", "Label56", "Label45"}) texts << app.caption(label);
        return texts;
    }
    QString cell(int row, int column) const { return page().table()->item(row, column)->text(); }
    std::vector<std::uint8_t> historyBytes() const { return torsion::EncodeCaseTable(app.window->cases()); }

    MainWindowApp app;
};

TEST_F(PracticeWindowTest, CalculationFollowsThePracticeAndTemperatureAndEachSlotKeepsThem) {
    auto* pages = app.find<QTabWidget>("PageControl1");
    app.calculate();
    const QString jisRate = app.text("Edit8");
    choose(Practice::En);
    temperature(QStringLiteral("100"));
    app.calculate();
    const QStringList first = shown();
    EXPECT_EQ(page().table()->rowCount(), 0) << "filled when the page is in front";
    pages->setCurrentWidget(&page());
    app.calculate();
    EXPECT_EQ(shown(), first);  // the same answer twice
    const DesignOptions en{Practice::En, 100};
    EXPECT_EQ(app.window->options()[0], en);
    const torsion::DesignCase& current = app.window->cases()[0];
    EXPECT_EQ(current.springConst,
              torsion::EvaluateDesign(current, app.materials, {std::nullopt, {}, en}).design.springConst);
    EXPECT_NE(app.text("Edit8"), jisRate);
    EXPECT_TRUE(app.messages().contains(QStringLiteral("設計基準: EN 13906-3")));
    // The comparison: the chosen column marked and equal to the result box; EN publishes no fatigue values.
    EXPECT_EQ(page().table()->horizontalHeaderItem(3)->text(), QStringLiteral("EN 13906-3（選択）"));
    EXPECT_EQ(cell(0, 3), app.text("Edit8"));
    // JIS at the same temperature, with its difference to EN.
    EXPECT_TRUE(cell(0, 2).endsWith(QStringLiteral("%)"))) << cell(0, 2).toStdString();
    EXPECT_EQ(cell(page().table()->rowCount() - 1, 3), QStringLiteral("規格値なし"));
    store(1);

    choose(Practice::Us);
    temperature(QStringLiteral("20"));
    app.calculate();
    EXPECT_TRUE(app.messages().contains(QStringLiteral("設計基準: 米国 SMI")));
    store(2);
    recall(1);
    EXPECT_EQ(page().practiceBox()->currentIndex(), static_cast<int>(Practice::En));
    EXPECT_EQ(page().temperatureBox()->text(), QStringLiteral("100"));
    EXPECT_EQ(shown(), first);
    app.calculate();  // the recalled conditions are the inputs of the next calculation
    EXPECT_EQ(shown(), first);
    EXPECT_EQ(app.window->options()[2], (DesignOptions{Practice::Us, 20}));
    EXPECT_EQ(app.dialogs.errors, QStringList());
}

TEST_F(PracticeWindowTest, BackToJisAtRoomTemperatureShowsWhatTheWindowShowedBefore) {
    app.calculate();
    const QStringList before = shown();
    choose(Practice::Us);
    temperature(QStringLiteral("150"));
    app.calculate();
    EXPECT_NE(shown(), before);
    choose(Practice::Jis);
    temperature(QStringLiteral("20"));
    app.calculate();
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(app.window->options()[0], DesignOptions{});
}

TEST_F(PracticeWindowTest, TemperatureOutOfRangeEndsTheCalculationWithoutResults) {
    temperature(QStringLiteral("-300"));
    app.dialogs.errors.clear();  // the live update names it once already
    app.calculate();
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_TRUE(app.dialogs.errors[0].contains(QStringLiteral("使用温度 -300℃ は範囲外です")));
    EXPECT_EQ(app.text("Edit8"), QString());
}

TEST_F(PracticeWindowTest, DesignFileKeepsTheOptionsOfEverySlotAndReadsBack) {
    choose(Practice::En);
    temperature(QStringLiteral("100"));
    app.calculate();
    store(3);
    app.dialogs.saveNames = {app.path("cases.nbdx")};
    menu("N3");
    EXPECT_EQ(app.dialogs.saveFilters,
              QStringList{QStringLiteral("ねじりばねデーター|*.nbd|設計ファイル|*.nbdx")});
    EXPECT_EQ(app.dialogs.saveInitialNames, QStringList{QStringLiteral("nspring.nbdx")});
    EXPECT_EQ(app.dialogs.confirmations, QStringList());  // nothing lost: no question
    const std::vector<std::uint8_t> saved = historyBytes();
    const torsion::DesignOptionsTable savedOptions = app.window->options();

    // Another case over slot 3 and the current case, then the file again.
    choose(Practice::Jis);
    temperature(QStringLiteral("20"));
    app.type("Edit19", QStringLiteral("4"));
    app.calculate();
    store(3);
    app.dialogs.openNames = {app.path("cases.nbdx")};
    menu("Edit2");
    EXPECT_EQ(app.dialogs.openFilters, QStringList{QStringLiteral("ねじりばねデーター|*.nbd;*.nbdx")});
    EXPECT_EQ(historyBytes(), saved);
    EXPECT_EQ(app.window->options(), savedOptions);
    EXPECT_EQ(page().practiceBox()->currentIndex(), static_cast<int>(Practice::En));
    EXPECT_EQ(page().temperatureBox()->text(), QStringLiteral("100"));
    recall(3);
    EXPECT_EQ(app.window->options()[0], (DesignOptions{Practice::En, 100}));
    EXPECT_FALSE(app.window->historyUnsaved());
    EXPECT_EQ(app.dialogs.errors, QStringList());
}

TEST_F(PracticeWindowTest, CaseFileSaysWhichSlotsLoseWhatAndMayBeCancelled) {
    choose(Practice::Us);
    temperature(QStringLiteral("80"));
    app.calculate();
    store(2);
    app.dialogs.saveNames = {app.path("plain.nbd"), app.path("plain.nbd")};
    app.dialogs.confirmAnswers = {false, true};
    menu("N3");
    ASSERT_EQ(app.dialogs.confirmations.size(), 1);
    const QString question = app.dialogs.confirmations[0];
    EXPECT_TRUE(question.contains(QStringLiteral("現在のケース: 設計基準 米国 SMI 使用温度 80℃")))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("履歴 2: 設計基準 米国 SMI 使用温度 80℃")));
    EXPECT_FALSE(QFile::exists(app.path("plain.nbd")));
    EXPECT_TRUE(app.window->historyUnsaved());
    menu("N3");
    EXPECT_EQ(QFile(app.path("plain.nbd")).size(), 6944);
    EXPECT_FALSE(app.window->historyUnsaved());
    EXPECT_EQ(app.dialogs.errors, QStringList());
}

TEST_F(PracticeWindowTest, DamagedDesignFileIsRefusedAndTheHistoryStaysAsItWas) {
    choose(Practice::En);
    app.calculate();
    store(1);
    const std::vector<std::uint8_t> before = historyBytes();
    const torsion::DesignOptionsTable optionsBefore = app.window->options();
    const QStringList rowBefore = [&] {
        QStringList row;
        auto* grid = app.find<QTableWidget>("sg1");
        for (int column = 0; column < grid->columnCount(); ++column)
            row << (grid->item(2, column) ? grid->item(2, column)->text() : QString());
        return row;
    }();
    const QString bad = app.path("bad.nbdx");
    {
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({"format":"torsion-spring-design","version":1,"cases":[{"record":"00"}]})");
    }
    app.window->ReadCaseFileNamed(bad);  // as the file named on the command line
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_TRUE(app.dialogs.errors[0].contains(bad));
    EXPECT_TRUE(app.dialogs.errors[0].contains(QStringLiteral("cases が 1 件です")));
    EXPECT_EQ(historyBytes(), before);
    EXPECT_EQ(app.window->options(), optionsBefore);
    auto* grid = app.find<QTableWidget>("sg1");
    for (int column = 0; column < grid->columnCount(); ++column)
        EXPECT_EQ(grid->item(2, column) ? grid->item(2, column)->text() : QString(), rowBefore[column]);
}

TEST_F(PracticeWindowTest, RecoveryCopyKeepsTheOptions) {
    QTemporaryDir folder;
    choose(Practice::En);
    temperature(QStringLiteral("60"));
    app.calculate();
    {
        // A run that did not close left its copy.
        torsion::CaseTable cases = app.window->cases();
        torsion::DesignOptionsTable options{};
        cases[4] = cases[0];
        options[4] = {Practice::En, 60};
        torsion::WriteDesignFile(QDir(folder.path()).filePath("recovery-1.nbdx").toStdString(), cases,
                                 options);
    }
    MainWindowApp next;
    next.window->EnableRecovery(folder.path());
    ASSERT_EQ(next.dialogs.confirmations.size(), 1);
    EXPECT_EQ(next.window->options()[4], (DesignOptions{Practice::En, 60}));
    EXPECT_TRUE(next.window->historyUnsaved());
    next.window->close();
}

}  // namespace
