// The design search window on its real controls: opened from the menu with the
// current case, searching, sorting, applying rows to the main window, cancelling a
// long search, the unit of the shown moments and the messages.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QProgressBar>
#include <QTableWidget>

#include "core/base/number_text.h"
#include "core/calc/calculation.h"
#include "core/materials/fatigue_life.h"
#include "tests/support/vek_test_app.h"
#include "ui/common/window_text.h"
#include "ui/main_window/tool_windows.h"
#include "ui/search/design_search_window.h"

using namespace torsion;

namespace {

class DesignSearchWindowTest : public ::testing::Test {
  protected:
    DesignSearchWindow* Open() {
        app.window->findChild<QAction*>(QStringLiteral("designSearchItem"))->trigger();
        return app.window->toolWindows().designSearch();
    }
    template <typename T = QLineEdit>
    T* In(DesignSearchWindow* w, const char* name) {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    void Search(DesignSearchWindow* w) {
        QTest::mouseClick(In<QPushButton>(w, "searchButton"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([w] { return !w->searchRunning(); }, 60000));
    }
    QString Cell(DesignSearchWindow* w, int row, SearchColumn column) {
        return In<QTableWidget>(w, "resultTable")->item(row, 1 + static_cast<int>(column))->text();
    }
    // The main window after applying: every input and result is the row's design.
    void ExpectMainWindowShows(DesignSearchWindow* w, int row) {
        const SearchCandidate* candidate = w->candidateAt(row);
        ASSERT_NE(candidate, nullptr);
        const DesignCase& want = candidate->design;
        const DesignCase& got = app.window->cases()[0];
        EXPECT_EQ(got.materialNo, want.materialNo) << row;
        EXPECT_EQ(got.wireDiaIndex, want.wireDiaIndex) << row;
        for (auto field :
             {&DesignCase::wireDia, &DesignCase::innerDia, &DesignCase::meanDia, &DesignCase::outerDia,
              &DesignCase::turns, &DesignCase::angle1, &DesignCase::angle2, &DesignCase::moment1,
              &DesignCase::moment2, &DesignCase::springConst, &DesignCase::stress1, &DesignCase::stress2,
              &DesignCase::allowStress, &DesignCase::guideRodDia, &DesignCase::arm1, &DesignCase::arm2})
            EXPECT_EQ(got.*field, want.*field) << row;
        EXPECT_EQ(got.lifeClass, want.lifeClass) << row;
        EXPECT_EQ(got.outward, want.outward) << row;
        EXPECT_EQ(app.find<QComboBox>("ComboBox7")->currentText(), Cell(w, row, SearchColumn::Symbol));
        EXPECT_EQ(app.find<QComboBox>("ComboBox6")->currentText(), Cell(w, row, SearchColumn::WireDia));
        EXPECT_EQ(app.text("Edit8"), Cell(w, row, SearchColumn::SpringConst));
        EXPECT_EQ(app.text("Edit7"), Cell(w, row, SearchColumn::Moment2));
        EXPECT_EQ(app.text("Edit9"), Cell(w, row, SearchColumn::Stress2));
        EXPECT_EQ(app.text("Edit10"), Cell(w, row, SearchColumn::Life));
        EXPECT_EQ(app.messages(), QStringList{QString::fromUtf8(kCalculationSuccess)});
        // The list no longer covers what it applied.
        EXPECT_FALSE(w->isVisible() && w->frameGeometry().intersects(app.window->frameGeometry())) << row;
    }

    MainWindowApp app;
};

TEST_F(DesignSearchWindowTest, OpensOnceModelessWithTheCurrentCaseAndKeepsItsInputs) {
    app.calculate();
    DesignSearchWindow* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("設計探索"));
    EXPECT_EQ(In(w, "moment2Edit")->text(), app.text("Edit7"));
    EXPECT_EQ(In(w, "angle2Edit")->text(), QStringLiteral("35"));
    EXPECT_EQ(In(w, "angle1Edit")->text(), QStringLiteral("30"));
    EXPECT_EQ(In(w, "arm2Edit")->text(), QStringLiteral("20"));
    EXPECT_EQ(In(w, "fractionEdit")->text(), QStringLiteral("0.3"));
    EXPECT_EQ(In(w, "outerDiaMaxEdit")->text(), QStringLiteral("11"));

    In(w, "angle2Edit")->setText(QStringLiteral("40"));
    w->close();
    EXPECT_EQ(Open(), w);
    EXPECT_EQ(In(w, "angle2Edit")->text(), QStringLiteral("40"));
    QTest::mouseClick(In<QPushButton>(w, "fromCaseButton"), Qt::LeftButton);
    EXPECT_EQ(In(w, "angle2Edit")->text(), QStringLiteral("35"));
}

TEST_F(DesignSearchWindowTest, AnglesComputedFromMomentsComeInTheShortFormat) {
    app.calculate();
    app.window->dlchengClick();  // moments given: φ1 and φ2 are computed
    app.enter("Edit7", QStringLiteral("7"));
    app.calculate();
    const DesignCase& c = app.window->cases()[0];
    ASSERT_EQ(c.inputMode, 0);
    ASSERT_NE(FormatFull(c.angle2), FormatShort(c.angle2));  // a value with more than 4 digits
    DesignSearchWindow* w = Open();
    EXPECT_EQ(In(w, "angle2Edit")->text(), ShortNumberText(c.angle2));
    EXPECT_EQ(In(w, "angle1Edit")->text(), ShortNumberText(c.angle1));
    EXPECT_EQ(In(w, "angle2Edit")->text(), app.text("Edit5"));
}

TEST_F(DesignSearchWindowTest, EveryRowAppliedMakesTheMainWindowShowExactlyThatRow) {
    app.calculate();
    DesignSearchWindow* w = Open();
    In(w, "outerDiaMaxEdit")->clear();
    In<QCheckBox>(w, "outwardCheck")->setChecked(true);
    Search(w);
    auto* table = In<QTableWidget>(w, "resultTable");
    ASSERT_GE(table->rowCount(), 20);
    EXPECT_NE(In<QLabel>(w, "summaryLabel")->text().indexOf(QStringLiteral("条件を満たす設計")), -1);
    for (int row = 0; row < table->rowCount(); row += 3) {
        QTableWidgetItem* item = table->item(row, 3);
        table->scrollToItem(item);
        const QPoint centre = table->visualItemRect(item).center();
        // The view takes a double click as the second press on the item it already holds.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
        ExpectMainWindowShows(w, row);
    }

    // Coil diameters typed as inner diameters, the list sorted by σ2, "適用".
    app.click("BitBtn1");
    app.click("BitBtn1");
    ASSERT_EQ(app.window->cases()[0].diaMode, 0);
    Search(w);
    table->sortByColumn(1 + static_cast<int>(SearchColumn::Stress2), Qt::DescendingOrder);
    for (int row = 1; row < table->rowCount(); ++row)
        EXPECT_GE(w->candidateAt(row - 1)->design.stress2, w->candidateAt(row)->design.stress2);
    for (int row = 0; row < table->rowCount(); row += 7) {
        table->selectRow(row);
        QTest::mouseClick(In<QPushButton>(w, "applyButton"), Qt::LeftButton);
        ExpectMainWindowShows(w, row);
        EXPECT_EQ(app.text("Edit18"), Cell(w, row, SearchColumn::InnerDia));
    }
}

TEST_F(DesignSearchWindowTest, MessagesForBadInputsAndForNothingFeasible) {
    app.calculate();
    DesignSearchWindow* w = Open();
    In(w, "moment2Edit")->setText(QStringLiteral("abc"));
    Search(w);
    EXPECT_EQ(app.dialogs.errors, QStringList{QStringLiteral("'abc' は浮動小数点数ではありません")});
    In(w, "moment2Edit")->setText(QStringLiteral("5"));
    In(w, "angle2Edit")->setText(QStringLiteral("0"));
    Search(w);
    ASSERT_EQ(app.dialogs.errors.size(), 2);
    EXPECT_NE(app.dialogs.errors[1].indexOf(QStringLiteral("φ2")), -1);

    In(w, "angle2Edit")->setText(QStringLiteral("35"));
    In(w, "outerDiaMaxEdit")->setText(QStringLiteral("2"));
    Search(w);
    auto* none = In<QLabel>(w, "noneFeasibleLabel");
    EXPECT_TRUE(none->isVisible());
    EXPECT_NE(none->text().indexOf(QStringLiteral("外径が上限を超える")), -1) << none->text().toStdString();
    EXPECT_EQ(In<QTableWidget>(w, "resultTable")->rowCount(), 0);
}

TEST_F(DesignSearchWindowTest, MomentsFollowTheUnitOfTheMainWindow) {
    app.calculate();
    DesignSearchWindow* w = Open();
    In(w, "moment2Edit")->setText(QStringLiteral("10"));
    Search(w);
    app.window->setUnitSystem(UnitSystem::SI);
    EXPECT_EQ(In(w, "moment2Edit")->text(), QStringLiteral("98.07"));
    EXPECT_EQ(In<QLabel>(w, "moment2Unit")->text(), QStringLiteral("N･mm"));
    auto* table = In<QTableWidget>(w, "resultTable");
    ASSERT_GT(table->rowCount(), 0);
    EXPECT_EQ(table->horizontalHeaderItem(1 + static_cast<int>(SearchColumn::Moment2))->text(),
              QStringLiteral("M2 (N･mm)"));
    EXPECT_EQ(Cell(w, 0, SearchColumn::Moment2),
              QString::fromStdString(FormatShort(w->candidateAt(0)->design.moment2 * kStandardGravity)));
    table->selectRow(0);
    w->applyClick();
    ExpectMainWindowShows(w, 0);
}

TEST_F(DesignSearchWindowTest, LongSearchShowsProgressAndCancels) {
    // The default table with a fine step takes seconds: long enough to watch.
    app.window.reset();
    QFile::remove(app.path(QStringLiteral("zaidat.dst")));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TS_DATA_DIR "/zaidat.dst"), app.path(QStringLiteral("zaidat.dst"))));
    app.window =
        std::make_unique<Tf_vek>(app.materials, app.kinds, app.coefficients, app.dialogs, app.folder.path());
    DesignSearchWindow* w = Open();
    In(w, "outerDiaMaxEdit")->clear();
    In(w, "stepEdit")->setText(QStringLiteral("0.001"));
    QTest::mouseClick(In<QPushButton>(w, "searchButton"), Qt::LeftButton);
    ASSERT_TRUE(w->searchRunning());
    auto* bar = In<QProgressBar>(w, "progressBar");
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible() && bar->value() > 0; }, 20000));
    EXPECT_FALSE(In<QPushButton>(w, "searchButton")->isEnabled());
    QTest::mouseClick(In<QPushButton>(w, "cancelButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([w] { return !w->searchRunning(); }, 5000));
    EXPECT_TRUE(w->outcome().cancelled);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_NE(In<QLabel>(w, "summaryLabel")->text().indexOf(QStringLiteral("中止")), -1);
    EXPECT_TRUE(In<QPushButton>(w, "searchButton")->isEnabled());
}

TEST(DesignSearchPicture, WritesThePictureWhenAsked) {
    const QString out = qEnvironmentVariable("TS_SCREENSHOT_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "TS_SCREENSHOT_DIR not set";
    MainWindowApp app(false);
    app.window.reset();
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TS_DATA_DIR "/zaidat.dst"), app.path(QStringLiteral("zaidat.dst"))));
    app.window =
        std::make_unique<Tf_vek>(app.materials, app.kinds, app.coefficients, app.dialogs, app.folder.path());
    app.calculate();
    app.window->findChild<QAction*>(QStringLiteral("designSearchItem"))->trigger();
    DesignSearchWindow* w = app.window->toolWindows().designSearch();
    w->findChild<QLineEdit*>(QStringLiteral("outerDiaMaxEdit"))->setText(QStringLiteral("14"));
    w->searchClick();
    ASSERT_TRUE(QTest::qWaitFor([w] { return !w->searchRunning(); }, 60000));
    QTest::qWait(50);
    EXPECT_TRUE(w->grab().save(out + QStringLiteral("/design-search.png")));
}

}  // namespace
