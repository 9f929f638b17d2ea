// The page "＜　特性・公差　＞": filled by "計算" and by recalling a case, not by live
// updates; the grade choice; the copy of the diagram.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "tests/support/vek_test_app.h"
#include "ui/common/image_control.h"
#include "ui/common/settings.h"
#include "ui/main_window/characteristic_page.h"

namespace {

class CharacteristicPageTest : public ::testing::Test {
  protected:
    CharacteristicPage* page() const { return app.window->characteristicPage(); }
    QTableWidget* table() const { return page()->table(); }
    // The value cell of the row with this label, or "" when there is no such row.
    QString value(const QString& label, int column = 1) const {
        for (int row = 0; row < table()->rowCount(); ++row)
            if (table()->item(row, 0) && table()->item(row, 0)->text() == label)
                return table()->item(row, column) ? table()->item(row, column)->text() : QString();
        return {};
    }
    QString tip(const QString& label) const {
        for (int row = 0; row < table()->rowCount(); ++row)
            if (table()->item(row, 0) && table()->item(row, 0)->text() == label)
                return table()->item(row, 1)->toolTip();
        return {};
    }
    void chooseGrade(int grade) const { app.find<QComboBox>("GradeBox")->setCurrentIndex(grade - 1); }

    MainWindowApp app;
};

}  // namespace

TEST_F(CharacteristicPageTest, ThirdPageFilledByCalculateWithTheRowOfEveryValue) {
    auto* pages = app.find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->tabText(2), QStringLiteral("＜　特性・公差　＞"));
    EXPECT_EQ(pages->widget(2), page());
    EXPECT_EQ(table()->rowCount(), 0) << "nothing before the first calculation";

    app.calculate();  // d = 1, D = 10, N = 1.3, grade 2
    EXPECT_EQ(page()->grade(), 2);
    EXPECT_EQ(value(QStringLiteral("コイル内径")), QStringLiteral("9 ±0.3 mm（±3.33%）"));
    EXPECT_TRUE(tip(QStringLiteral("コイル内径")).contains(QStringLiteral("ばね指数 c=D/d 8を超え15以下")));
    EXPECT_EQ(value(QStringLiteral("ばね特性 φ2=35°")), QStringLiteral("規格値なし（受渡当事者間の協定）"));
    EXPECT_EQ(value(QStringLiteral("コイル長さ")), QStringLiteral("2.3 mm　対象外（密着巻）"));
    EXPECT_EQ(value(QStringLiteral("腕の自由角度")), QStringLiteral("±10°"));
    EXPECT_FALSE(value(QStringLiteral("質量")).isEmpty());
    EXPECT_FALSE(value(QStringLiteral("ΔD（JIS の近似）"), 2).isEmpty()) << "value at the maximum angle";
}

// No value is cut: every text fits its cell (spanned cells included), the table scrolls
// sideways when its texts are wider than the page, and it grows with the window.
TEST_F(CharacteristicPageTest, EveryTextFitsItsCellAndTheTableGrowsWithTheWindow) {
    app.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.window.get()));
    app.find<QTabWidget>("PageControl1")->setCurrentWidget(page());
    app.window->UnitSIClick();  // the longer unit texts
    app.calculate();
    const auto expectAllFit = [&](const char* when) {
        for (int row = 0; row < table()->rowCount(); ++row)
            for (int column = 0; column < 3; ++column) {
                const QTableWidgetItem* item = table()->item(row, column);
                if (item == nullptr) continue;
                const int needed = QFontMetrics(item->font()).horizontalAdvance(item->text());
                EXPECT_LE(needed, table()->visualItemRect(item).width() - 4)
                    << when << ": " << item->text().toStdString();
            }
    };
    expectAllFit("usual window");
    const QRect usual = table()->geometry();
    EXPECT_EQ(usual.topLeft(), QPoint(396, 31));
    EXPECT_GT(table()->horizontalScrollBar()->maximum(), 0) << "the texts are wider than the usual page";

    app.window->resize(app.window->size() + QSize(500, 300));
    QTest::qWait(50);
    EXPECT_EQ(table()->width(), usual.width() + 500);
    EXPECT_EQ(table()->height(), usual.height() + 300);
    EXPECT_EQ(table()->horizontalScrollBar()->maximum(), 0) << "everything shown at once";
    expectAllFit("large window");
    // The J and frequency boxes stay under the table.
    EXPECT_GT(app.find("InertiaBox")->y(), table()->geometry().bottom());
}

TEST_F(CharacteristicPageTest, LiveUpdatesLeaveThePageRecallRefillsIt) {
    app.calculate();
    const QImage diagram = page()->image()->image().copy();
    app.click("SpeedButton5");  // store N = 1.3 in slot 1

    app.enter("Edit19", QStringLiteral("5"));  // live update of the recommended values only
    EXPECT_EQ(value(QStringLiteral("腕の自由角度")), QStringLiteral("±10°"));
    EXPECT_EQ(page()->image()->image(), diagram);

    app.calculate();
    EXPECT_EQ(value(QStringLiteral("腕の自由角度")), QStringLiteral("±15°"));  // 3 < N ≤ 10
    EXPECT_NE(value(QStringLiteral("ばね特性 φ2=35°")), QStringLiteral("規格値なし（受渡当事者間の協定）"));
    EXPECT_NE(page()->image()->image(), diagram);

    app.click("SpeedButton6");  // recall slot 1
    EXPECT_EQ(value(QStringLiteral("腕の自由角度")), QStringLiteral("±10°"));
    EXPECT_EQ(page()->image()->image(), diagram);
}

TEST_F(CharacteristicPageTest, GradeChoiceRefillsAndIsKeptForLaterCases) {
    app.calculate();
    chooseGrade(1);
    EXPECT_EQ(value(QStringLiteral("コイル内径")), QStringLiteral("9 ±0.2 mm（±2.22%）"));
    EXPECT_EQ(value(QStringLiteral("腕の長さ a1")), QStringLiteral("15 ±0.5 mm（±3.33%）"));
    app.enter("Edit12", QStringLiteral("30"));
    app.calculate();
    EXPECT_EQ(page()->grade(), 1);
    EXPECT_EQ(value(QStringLiteral("腕の長さ a1")), QStringLiteral("30 ±0.6 mm（±2%）"));
    chooseGrade(3);
    EXPECT_EQ(value(QStringLiteral("腕の長さ a1")), QStringLiteral("規格値なし（受渡当事者間の協定）"));

    // The settings keep it for the next run.
    EXPECT_EQ(app.settings.toleranceGrade(), 3);
    Tf_vek next(app.materials, app.kinds, app.coefficients, app.dialogs, app.folder.path());
    EXPECT_EQ(next.characteristicPage()->grade(), 2);
    next.setSettings(app.settings);
    EXPECT_EQ(next.characteristicPage()->grade(), 3);
}

TEST_F(CharacteristicPageTest, FollowsTheUnitAndCopiesTheDiagram) {
    app.enter("Edit19", QStringLiteral("5"));
    app.calculate();
    const QString kgf = value(QStringLiteral("ばね特性 φ2=35°"));
    EXPECT_TRUE(kgf.contains(QStringLiteral("kgf･mm"))) << kgf.toStdString();
    app.window->setUnitSystem(torsion::UnitSystem::SI);
    const QString si = value(QStringLiteral("ばね特性 φ2=35°"));
    EXPECT_TRUE(si.contains(QStringLiteral("N･mm"))) << si.toStdString();
    EXPECT_NE(kgf.section(' ', 0, 0), si.section(' ', 0, 0)) << "the moment itself is converted";

    auto* copy = app.window->findChild<QAction*>(QStringLiteral("CharacteristicGraphCopy"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->text(), QStringLiteral("特性グラフコピー"));
    copy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              page()->image()->image().convertToFormat(QImage::Format_RGB32));
}

// The variation, the wire and the natural frequency follow the grade and the J and
// operating frequency typed on the page; the two boxes are kept in the settings.
TEST_F(CharacteristicPageTest, VariationWireAndNaturalFrequency) {
    app.enter("Edit19", QStringLiteral("5"));
    // SWP-A of the test table (E = 200000, σB 2000), d = 1, D = 10, N = 5, a1 15, a2 20: the
    // spring variation_test works by hand with E = 206000, so k and k/J scale by 200/206:
    // alone f = 334.686·√(200/206) = 329.78 Hz; with J = 5: 17.3999·√(200/206) = 17.145 Hz.
    app.calculate();
    EXPECT_EQ(value(QStringLiteral("線径 ±Δd")), QStringLiteral("±0.01 mm → k +4.06 / -3.94 %"));
    EXPECT_EQ(value(QStringLiteral("標準線径")), QStringLiteral("JIS 標準線径"));
    EXPECT_EQ(value(QStringLiteral("引張強さ")),
              QStringLiteral("JIS 2060〜2260 N/mm²（材料表 2000 N/mm²、JIS の範囲外）"));
    EXPECT_EQ(value(QStringLiteral("駆動する部品の J")), QStringLiteral("なし（ばね単体）"));
    EXPECT_EQ(value(QStringLiteral("固有振動数 f")), QStringLiteral("329.8 Hz"));
    EXPECT_TRUE(tip(QStringLiteral("固有振動数 f")).contains(QStringLiteral("集中定数の近似")));
    const QString grade2 = value(QStringLiteral("ばね定数 k"));
    chooseGrade(1);
    EXPECT_NE(value(QStringLiteral("ばね定数 k")), grade2);

    app.enter("InertiaBox", QStringLiteral("5"));
    app.enter("FrequencyBox", QStringLiteral("50"));
    EXPECT_EQ(value(QStringLiteral("駆動する部品の J")), QStringLiteral("5 kg･mm²"));
    EXPECT_EQ(value(QStringLiteral("固有振動数 f")), QStringLiteral("17.14 Hz"));
    EXPECT_EQ(value(QStringLiteral("運転周波数との比")), QStringLiteral("f / 50 Hz = 0.343"));
    EXPECT_EQ(app.settings.stringValue(QStringLiteral("Characteristic/inertia")), QStringLiteral("5"));

    // A text that is no number is not used, and the box says so in red.
    app.enter("InertiaBox", QStringLiteral("abc"));
    EXPECT_EQ(value(QStringLiteral("固有振動数 f")), QStringLiteral("329.8 Hz"));
    EXPECT_TRUE(app.find("InertiaBox")->styleSheet().contains(QStringLiteral("red")));
    app.enter("InertiaBox", QStringLiteral("5"));
    EXPECT_TRUE(app.find("InertiaBox")->styleSheet().isEmpty());

    Tf_vek next(app.materials, app.kinds, app.coefficients, app.dialogs, app.folder.path());
    next.setSettings(app.settings);
    EXPECT_EQ(next.characteristicPage()->inertiaText(), QStringLiteral("5"));
    EXPECT_EQ(next.characteristicPage()->dynamics().frequency, 50);
}
