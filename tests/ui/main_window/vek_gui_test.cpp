// The main window on its real controls: start-up, the calculate command with the
// worked example in both input modes, the checks, the diameter switch, the live
// recommended values and their range rule, the apply buttons and input faults.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFocusEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <random>

#include "tests/support/vek_test_app.h"
#include "tests/support/visible_state.h"
#include "ui/common/first_paint.h"
#include "ui/common/image_control.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/spring_3d_page.h"
#include "ui/main_window/tool_windows.h"

using namespace torsion;

namespace {

QColor Base(QWidget* w) {
    return w->palette().color(QPalette::Base);
}

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// The worked example: d = 1, mean diameter 10, N = 5, a1 = a2 = 10, φ1 = 45, φ2 = 90.
void EnterWorkedExample(const MainWindowApp& app) {
    app.type("Edit12", QStringLiteral("10"));
    app.type("Edit13", QStringLiteral("10"));
    app.type("Edit4", QStringLiteral("45"));
    app.type("Edit5", QStringLiteral("90"));
    app.enter("Edit19", QStringLiteral("5"));  // Enter runs the live update over all of them
}

// Stands in for the desktop shell when the help page is opened.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls << url; }
};

// Moves the focus into a box and out again, as a user tabbing through the window.
void FocusAndLeave(const MainWindowApp& app, const char* edit) {
    app.window->show();
    app.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.window.get()));
    app.find(edit)->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(app.find(edit)->hasFocus());
    app.find("Edit8")->setFocus();
    QApplication::processEvents();
}

}  // namespace

TEST(MainWindowStartup, ShowsTheDefaultCaseWithMaterialListsAndRecommendedValues) {
    MainWindowApp app;
    Tf_vek& w = *app.window;
    EXPECT_TRUE(app.dialogs.errors.isEmpty()) << app.dialogs.errors.join(u'\n').toStdString();
    EXPECT_EQ(w.objectName(), QStringLiteral("f_vek"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ねじりコイルばね設計計算"));
    EXPECT_EQ(w.size(), QSize(823, 837));

    EXPECT_EQ(Items(app.find<QComboBox>("ComboBox5")), (QStringList{"ピアノ線", "ステンレス"}));
    EXPECT_EQ(Items(app.find<QComboBox>("ComboBox7")), (QStringList{"SWP-A", "SWP-B"}));
    EXPECT_EQ(Items(app.find<QComboBox>("ComboBox6")), (QStringList{"0.5", "1", "2"}));
    EXPECT_EQ(app.find<QComboBox>("ComboBox6")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(w.cases()[0].wireDiaIndex, 1);

    const std::vector<std::pair<const char*, const char*>> boxes = {
        {"Edit18", "10"}, {"Edit19", "1.3"}, {"Edit4", "30"},  {"Edit5", "35"}, {"Edit6", "0"},
        {"Edit7", "0"},   {"Edit12", "15"},  {"Edit13", "20"}, {"Edit8", "0"},  {"Edit9", "0"},
        {"Edit11", "0"},  {"Edit10", ""}};  // no life before the first 計算
    for (const auto& [box, text] : boxes) EXPECT_EQ(app.text(box), QString::fromUtf8(text)) << box;
    EXPECT_EQ(app.caption("Label48"), QStringLiteral("平均径"));
    EXPECT_EQ(app.caption("Label28"), QStringLiteral("バネ指数=10"));
    EXPECT_EQ(app.caption("Label11"), QStringLiteral("適正=4～22"));
    // k = 200000 / (3667·10·1.3 + 389·35) / 9.80665 = 0.33277, σa = 1500 / 9.80665.
    EXPECT_EQ(app.caption("Label30"), QStringLiteral("最大角度=45.13度"));
    EXPECT_EQ(app.caption("Label56"), QStringLiteral("最大トルク=15.02kgf･mm"));
    EXPECT_EQ(app.caption("Label45"), QStringLiteral("案内棒径=　7.427mm"));
    EXPECT_TRUE(app.messages().isEmpty());

    // Angle mode: angle boxes aqua and enabled, moment boxes white and disabled.
    for (const char* box : {"Edit4", "Edit5"}) {
        EXPECT_TRUE(app.find(box)->isEnabled()) << box;
        EXPECT_EQ(Base(app.find(box)), kInputColour) << box;
    }
    for (const char* box : {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"}) {
        EXPECT_EQ(Base(app.find(box)), kDisplayColour) << box;
    }
    EXPECT_FALSE(app.find("Edit6")->isEnabled());
    EXPECT_FALSE(app.find("Edit7")->isEnabled());
    for (const char* box : {"Edit12", "Edit13", "Edit18", "Edit19"})
        EXPECT_EQ(Base(app.find(box)), kInputColour);
    EXPECT_EQ(Base(app.find<QComboBox>("ComboBox6")), kInputColour);
    EXPECT_FALSE(app.find<QCheckBox>("soto")->isChecked());
    EXPECT_FALSE(app.find<QCheckBox>("hidari")->isChecked());

    EXPECT_EQ(app.find<QTableWidget>("sg1")->rowCount(), 32);
    EXPECT_EQ(app.find<QSpinBox>("SpinEdit1")->maximum(), 30);
    EXPECT_EQ(app.find<QSpinBox>("SpinEdit1")->minimum(), 1);
    auto* pages = app.find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 5);  // the third to fifth have their own tests
    EXPECT_EQ(pages->tabText(0), QStringLiteral("＜　計算結果の履歴　＞"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("＜　　バネ形状　　＞"));
    EXPECT_EQ(w.cases()[0].used, 1);
    for (int slot = 1; slot <= 30; ++slot) EXPECT_EQ(w.cases()[slot].used, 0);
}

TEST(MainWindowStartup, MissingMaterialFileReportsItAndLeavesEmptyListsThatNeverCrash) {
    MainWindowApp app(false);
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_EQ(app.dialogs.errors[0], QStringLiteral("ファイル %1 は開けません").arg(app.path("zaidat.dst")));
    EXPECT_EQ(app.find<QComboBox>("ComboBox5")->count(), 0);
    EXPECT_EQ(app.find<QComboBox>("ComboBox6")->count(), 0);
    // The rest of the start-up is skipped, but the grid still has its headings and
    // slot numbers, and the spin box reaches every slot.
    EXPECT_EQ(app.find<QSpinBox>("SpinEdit1")->maximum(), 30);
    EXPECT_EQ(app.find<QTableWidget>("sg1")->rowCount(), 32);
    EXPECT_EQ(app.find<QTableWidget>("sg1")->item(31, 0)->text(), QStringLiteral("30"));
    EXPECT_EQ(app.window->windowTitle(), QStringLiteral("ねじりコイルばね設計計算"));

    app.calculate();
    ASSERT_EQ(app.dialogs.errors.size(), 2);
    EXPECT_EQ(app.dialogs.errors[1], QStringLiteral("'' は浮動小数点数ではありません"));
    // The diameter switch and the live update on empty lists do no harm either.
    app.click("BitBtn1");
    app.enter("Edit18", QStringLiteral("12"));
    EXPECT_EQ(app.dialogs.errors.size(), 3);
}

TEST(MainWindowStartup, CoefficientFileIsLoadedAndAShortOneAccepted) {
    CoefficientRecord record{};
    record.values = {1.5, 2, 3, 4, 5, 6, 7.25};
    QTemporaryDir folder;
    WriteFileReplacing(QDir(folder.path()).filePath("zaidat.dst").toStdString(),
                       EncodeMaterialTable(TestMaterialTable()));
    auto bytes = EncodeCoefficients(record);
    bytes.resize(20);  // cut inside the third value
    WriteFileReplacing(QDir(folder.path()).filePath("keisuu.dat").toStdString(), bytes);
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord loaded{};
    FakeDialogs dialogs;
    Tf_vek w(materials, kinds, loaded, dialogs, folder.path());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(loaded.values[0], 1.5);
    EXPECT_EQ(loaded.values[1], 2.0);
    EXPECT_EQ(loaded.values[6], 0.0);
}

TEST(MainWindowCalculate, WorkedExampleInAngleMode) {
    MainWindowApp app;
    EnterWorkedExample(app);
    EXPECT_EQ(app.caption("Label30"), QStringLiteral("最大角度=140.7度"));
    EXPECT_EQ(app.caption("Label56"), QStringLiteral("最大トルク=15.02kgf･mm"));
    EXPECT_EQ(app.caption("Label45"), QStringLiteral("案内棒径=　7.65mm"));

    app.calculate();
    EXPECT_TRUE(app.dialogs.errors.isEmpty()) << app.dialogs.errors.join(u'\n').toStdString();
    EXPECT_EQ(app.text("Edit8"), QStringLiteral("0.1067"));
    EXPECT_EQ(app.text("Edit9"), QStringLiteral("97.82"));
    EXPECT_EQ(app.text("Edit11"), QStringLiteral("153"));
    EXPECT_EQ(app.text("Edit6"), QStringLiteral("4.802"));
    EXPECT_EQ(app.text("Edit7"), QStringLiteral("9.603"));
    EXPECT_EQ(app.text("Edit4"), QStringLiteral("45"));
    EXPECT_EQ(app.text("Edit5"), QStringLiteral("90"));
    EXPECT_EQ(app.text("Edit19"), QStringLiteral("5"));
    EXPECT_EQ(app.text("Edit10"), QStringLiteral("1000万"));
    EXPECT_EQ(app.caption("Label45"), QStringLiteral("案内棒径＝7.65mm"));
    // The calculate command leaves the recommended angle and torque captions alone.
    EXPECT_EQ(app.caption("Label30"), QStringLiteral("最大角度=140.7度"));
    EXPECT_EQ(app.messages(), QStringList{QStringLiteral("Calculation Success!")});
    EXPECT_EQ(app.messageColour(), app.window->palette().color(QPalette::WindowText));
    EXPECT_NEAR(app.window->cases()[0].springConst, 0.106704, 1e-6);
    EXPECT_NEAR(app.window->cases()[0].stress2, 97.819, 1e-3);
    EXPECT_EQ(app.window->cases()[0].lifeClass, 0);

    // Outward: the stresses carry the arm geometry and the correction factor.
    app.click("soto");
    EXPECT_EQ(app.caption("Label56"), QStringLiteral("最大トルク=9.663kgf･mm"));
    EXPECT_EQ(app.caption("Label45"), QStringLiteral("案内棒径=　8.1mm"));
    EXPECT_EQ(app.text("Edit9"), QStringLiteral("97.82")) << "a live update writes no result box";
    app.calculate();
    EXPECT_EQ(app.text("Edit9"), QStringLiteral("152"));
    EXPECT_EQ(app.caption("Label45"), QStringLiteral("案内棒径＝8.1mm"));
    // σ2/σB = 152.006 · 9.8 / 2000 is above 0.7: the shortest life.
    EXPECT_EQ(app.text("Edit10"), QStringLiteral("1万"));
    EXPECT_EQ(app.messages(), QStringList{QStringLiteral("Calculation Success!")});
    EXPECT_TRUE(app.find<QCheckBox>("soto")->isChecked());
    EXPECT_EQ(app.window->cases()[0].outward, 1);
}

TEST(MainWindowCalculate, MomentModeDerivesTheAnglesAndReportsTheStressOverAllowable) {
    MainWindowApp app;
    EnterWorkedExample(app);
    QMetaObject::invokeMethod(app.window.get(), "dlchengClick");
    EXPECT_EQ(app.window->cases()[0].inputMode, 0);
    EXPECT_FALSE(app.find("Edit4")->isEnabled());
    EXPECT_EQ(Base(app.find("Edit4")), kDisplayColour);
    EXPECT_TRUE(app.find("Edit7")->isEnabled());
    EXPECT_EQ(Base(app.find("Edit7")), kInputColour);

    app.type("Edit6", QStringLiteral("50"));
    app.type("Edit7", QStringLiteral("100"));
    app.calculate();
    EXPECT_EQ(app.text("Edit4"), QStringLiteral("468.6"));
    EXPECT_EQ(app.text("Edit5"), QStringLiteral("937.2"));
    EXPECT_EQ(app.text("Edit9"), QStringLiteral("1019"));  // 3200 / 3.14159
    EXPECT_EQ(app.messages(), QStringList{QStringLiteral("エラー:ねじり応力オーバー")});
    EXPECT_EQ(app.messageColour(), kMessageErrorColour);
    // The calculation kept moment mode.
    EXPECT_TRUE(app.find("Edit6")->isEnabled());

    // Switching twice restores the enabling and changes no value.
    QMetaObject::invokeMethod(app.window.get(), "dlchengClick");
    QMetaObject::invokeMethod(app.window.get(), "dlchengClick");
    EXPECT_TRUE(app.find("Edit7")->isEnabled());
    EXPECT_FALSE(app.find("Edit5")->isEnabled());
    EXPECT_EQ(app.text("Edit5"), QStringLiteral("937.2"));
}

TEST(MainWindowCalculate, SeveralFailedChecksListedInOrderInRed) {
    MainWindowApp app;
    app.enter("Edit18", QStringLiteral("3.5"));  // c = 3.5: accepted live, fails the check
    app.type("Edit4", QStringLiteral("200"));    // φ1 > φ2
    app.type("Edit5", QStringLiteral("190"));
    app.calculate();
    EXPECT_EQ(app.messages(), (QStringList{QStringLiteral("エラー：バネ指数が４以下"),
                                           QStringLiteral("エラー:ねじれ角度の順番が不適"),
                                           QStringLiteral("エラー:ねじり応力オーバー")}));
    EXPECT_EQ(app.messageColour(), kMessageErrorColour);
    // A later accepted input change clears the list.
    app.enter("Edit19", QStringLiteral("2"));
    EXPECT_TRUE(app.messages().isEmpty());
}

// A second "計算" shows what the first showed, typed inputs stay as typed, the guide rod
// follows the moments of this calculation, and a recalled case calculates to its results.
TEST(MainWindowCalculate, SecondPressShowsWhatTheFirstShowed) {
    MainWindowApp app;
    Tf_vek& w = *app.window;
    std::mt19937 random(30);
    const auto typed = [&](double low, double high) {
        const double v = std::uniform_real_distribution<double>(low, high)(random);
        return QString::number(v, 'g', std::uniform_int_distribution<int>(1, 6)(random));
    };
    for (int i = 0; i < 500; ++i) {
        const bool momentsGiven = i % 2 == 1;
        if ((w.cases()[0].inputMode == 0) != momentsGiven) w.dlchengClick();
        app.find<QCheckBox>("hidari")->setChecked(i / 2 % 2 == 1);
        app.find<QCheckBox>("soto")->setChecked(i % 7 == 0);
        app.type("Edit18", typed(4, 30));
        app.type("Edit19", typed(0.5, 20));
        app.type("Edit12", typed(1, 40));
        app.type("Edit13", typed(1, 40));
        const QString first = typed(0, 90), second = typed(90, 400);
        app.type(momentsGiven ? "Edit6" : "Edit4", first);
        app.type(momentsGiven ? "Edit7" : "Edit5", second);
        app.calculate();
        const VisibleState once = SnapshotOf(w);
        ASSERT_TRUE(app.dialogs.errors.isEmpty()) << i;
        EXPECT_EQ(app.text(momentsGiven ? "Edit7" : "Edit5").toDouble(), second.toDouble()) << i;
        EXPECT_EQ(ResultsDisagreeing(w), QStringList{}) << i;
        app.calculate();
        EXPECT_EQ(SnapshotOf(w), once) << i;
        if (i % 50 == 0) {
            w.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(1);
            app.click("SpeedButton5");
            app.type("Edit19", QStringLiteral("99"));
            app.click("SpeedButton6");
            app.calculate();
            EXPECT_EQ(SnapshotOf(w).shown, once.shown) << i;
        }
    }
}

// A spring that cannot be made shows its error lines and no results; a calculation that
// ends in an error dialog leaves no results of the case before on screen.
TEST(MainWindowCalculate, NoResultsWithoutASpring) {
    MainWindowApp app;
    app.calculate();
    ASSERT_FALSE(app.text("Edit8").isEmpty());
    app.type("Edit18", QStringLiteral("0.5"));  // a mean diameter below the wire
    app.calculate();
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
    EXPECT_TRUE(app.messages().contains(QStringLiteral("エラー：バネ指数が４以下")));
    for (const char* box : {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"})
        EXPECT_EQ(app.text(box), QString()) << box;
    EXPECT_EQ(app.caption("Label45"), QStringLiteral("案内棒径="));
    EXPECT_FALSE(app.window->characteristicPage()->hasCase());
    EXPECT_FALSE(app.window->spring3dPage()->hasCase());

    app.type("Edit18", QStringLiteral("10"));
    app.calculate();
    ASSERT_FALSE(app.text("Edit8").isEmpty());
    app.type("Edit19", QStringLiteral("0"));
    app.calculate();
    ASSERT_EQ(app.dialogs.errors, QStringList{QStringLiteral("0 による浮動小数点数除算")});
    EXPECT_EQ(app.text("Edit8"), QString());
    EXPECT_TRUE(app.messages().isEmpty());
    EXPECT_EQ(app.text("Edit19"), QStringLiteral("0"));
}

TEST(MainWindowCalculate, ConversionErrorNamesTheTextAndLeavesNoResults) {
    MainWindowApp app;
    app.type("Edit4", QStringLiteral("31"));
    app.type("Edit12", QStringLiteral("1O"));
    app.calculate();
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_EQ(app.dialogs.errors[0], QStringLiteral("'1O' は浮動小数点数ではありません"));
    EXPECT_EQ(app.text("Edit12"), QStringLiteral("1O")) << "the inputs stay as typed";
    EXPECT_EQ(app.text("Edit8"), QString()) << "no results of another case";
    // Fields read before the bad box keep their new values, later ones their old.
    EXPECT_EQ(app.window->cases()[0].angle1, 31.0);
    EXPECT_EQ(app.window->cases()[0].arm2, 20.0);

    app.enter("Edit19", QStringLiteral("x"));
    ASSERT_EQ(app.dialogs.errors.size(), 2);
    EXPECT_EQ(app.dialogs.errors[1], QStringLiteral("'x' は浮動小数点数ではありません"));
}

TEST(MainWindowCalculate, DrawsTheDiagramAndTheSpringAndCopiesTheDiagram) {
    MainWindowApp app;
    ImageControl* spring = app.window->springImage();
    const QImage before = spring->image().copy();
    app.calculate();
    EXPECT_NE(spring->image(), before) << "the spring drawing changed";
    QMetaObject::invokeMethod(app.window.get(), "N4Click");
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), QSize(400, 417));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              app.window->fatigueImage()->image().convertToFormat(QImage::Format_RGB32));
}

TEST(MainWindowDiameters, SwitchCyclesThroughTheThreeStoredDiameters) {
    MainWindowApp app;
    const std::vector<std::pair<QString, QString>> expected = {
        {"外径", "11"}, {"内径", "9"}, {"平均径", "10"}, {"外径", "11"}};
    for (const auto& [label, value] : expected) {
        app.click("BitBtn1");
        EXPECT_EQ(app.caption("Label48"), label);
        EXPECT_EQ(app.text("Edit18"), value);
    }
    EXPECT_EQ(app.window->cases()[0].diaMode, 2);
    EXPECT_EQ(app.window->cases()[0].meanDia, 10.0) << "switching recalculates nothing";
}

TEST(MainWindowDiameters, TypedInnerDiameterIsStoredWhenLeavingTheBox) {
    MainWindowApp app;
    app.click("BitBtn1");
    app.click("BitBtn1");
    ASSERT_EQ(app.caption("Label48"), QStringLiteral("内径"));
    app.type("Edit18", QStringLiteral("12"));
    FocusAndLeave(app, "Edit18");
    const DesignCase& c = app.window->cases()[0];
    EXPECT_EQ(c.innerDia, 12.0);
    EXPECT_EQ(c.meanDia, 13.0);
    EXPECT_EQ(c.outerDia, 14.0);
    EXPECT_EQ(app.caption("Label28"), QStringLiteral("バネ指数=13"));
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
}

TEST(MainWindowDiameters, SwitchingToAnotherWindowIsNotLeavingTheBox) {
    MainWindowApp app;
    app.type("Edit18", QStringLiteral("12"));
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(app.find("Edit18"), &deactivated);
    EXPECT_EQ(app.window->cases()[0].meanDia, 10.0);
    QFocusEvent tabbedAway(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(app.find("Edit18"), &tabbedAway);
    EXPECT_EQ(app.window->cases()[0].meanDia, 12.0);
}

TEST(MainWindowDiameters, CoilDiameterEqualToTheWireTextTriggersNoUpdate) {
    MainWindowApp app;
    app.calculate();
    ASSERT_EQ(app.messages(), QStringList{QStringLiteral("Calculation Success!")});
    app.enter("Edit18", QStringLiteral("1"));  // same text as the wire diameter "1"
    EXPECT_EQ(app.messages(), QStringList{QStringLiteral("Calculation Success!")});
    FocusAndLeave(app, "Edit18");
    EXPECT_EQ(app.messages(), QStringList{QStringLiteral("Calculation Success!")});
    EXPECT_EQ(app.window->cases()[0].meanDia, 10.0);

    EXPECT_TRUE(app.dialogs.errors.isEmpty());

    // Same value, other text: the update runs, and c = 1 divides by c - 1 = 0 in κ.
    app.enter("Edit18", QStringLiteral("1.0"));
    EXPECT_EQ(app.dialogs.errors, QStringList{QStringLiteral("0 による浮動小数点数除算")});
    EXPECT_EQ(app.window->cases()[0].meanDia, 1.0);
}

TEST(MainWindowDiameters, EmptyBoxesDoNothingOnEnterOrExit) {
    MainWindowApp app;
    app.calculate();
    app.enter("Edit18", QString());
    app.enter("Edit19", QString());
    FocusAndLeave(app, "Edit19");
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
    EXPECT_EQ(app.messages(), QStringList{QStringLiteral("Calculation Success!")});
    EXPECT_EQ(app.window->cases()[0].turns, 1.3);
}

TEST(MainWindowRecommended, SpringIndexRangeOfTheLiveUpdate) {
    MainWindowApp app;
    struct Step {
        QString meanDia;
        QString indexCaption;
        bool accepted;
    };
    // d = 1, so the typed mean diameter is the spring index.
    for (const Step& step : {Step{"3", "バネ指数=3", true}, Step{"2.99", "バネ指数=2.99", false},
                             Step{"22", "バネ指数=22", true}, Step{"22.01", "バネ指数=22", false}}) {
        const QString angleBefore = app.caption("Label30");
        app.enter("Edit18", step.meanDia);
        EXPECT_EQ(app.caption("Label28"), step.indexCaption) << step.meanDia.toStdString();
        if (step.accepted) {
            EXPECT_TRUE(app.messages().isEmpty()) << step.meanDia.toStdString();
            EXPECT_NE(app.caption("Label30"), angleBefore) << step.meanDia.toStdString();
        } else {
            EXPECT_EQ(app.messages(), QStringList{QStringLiteral("エラー：バネ指数が範囲外")});
            EXPECT_EQ(app.messageColour(), kMessageErrorColour);
            EXPECT_EQ(app.caption("Label30"), angleBefore) << "captions keep the last accepted values";
        }
    }
    // c = 3 passes the live rule but not the calculate check.
    app.enter("Edit18", QStringLiteral("3"));
    app.calculate();
    EXPECT_EQ(app.messages().value(0), QStringLiteral("エラー：バネ指数が４以下"));
}

TEST(MainWindowRecommended, ApplyButtonsCopyTheRecommendedValues) {
    MainWindowApp app;
    EnterWorkedExample(app);
    app.click("SpeedButton7");
    EXPECT_EQ(app.text("Edit5"), QStringLiteral("140.7"));
    EXPECT_EQ(app.window->cases()[0].angle2, 140.7);
    EXPECT_DOUBLE_EQ(app.window->cases()[0].appliedMaxAngle, app.window->cases()[0].maxAngle);
    EXPECT_EQ(app.text("Edit9"), QStringLiteral("0")) << "result boxes wait for the next calculation";
    app.calculate();
    // φ2 at the maximum angle to four digits puts σ2 next to σa.
    EXPECT_NEAR(app.window->cases()[0].stress2 / app.window->cases()[0].allowStress, 1.0, 5e-4);

    app.click("SpeedButton1");
    EXPECT_EQ(app.text("Edit7"), QStringLiteral("15.02"));
    EXPECT_EQ(app.caption("Label56"), QStringLiteral("最大=15.02kgf"));
    // In angle mode the moment is derived from φ2 again, not taken from the box.
    EXPECT_NEAR(app.window->cases()[0].moment2, 140.7 * app.window->cases()[0].springConst, 1e-9);
}

TEST(MainWindowMaterials, ChangingKindAndSymbolRefillsTheLinkedLists) {
    MainWindowApp app;
    auto* kinds = app.find<QComboBox>("ComboBox5");
    auto* symbols = app.find<QComboBox>("ComboBox7");
    auto* wires = app.find<QComboBox>("ComboBox6");
    kinds->setCurrentIndex(1);
    EXPECT_EQ(Items(symbols), QStringList{QStringLiteral("SUS304")});
    EXPECT_EQ(Items(wires), (QStringList{"0.4", "0.7", "1.2"}));
    EXPECT_EQ(wires->currentText(), QStringLiteral("1.2")) << "first diameter not below 1";
    EXPECT_EQ(app.window->cases()[0].materialNo, 1);
    EXPECT_EQ(app.caption("Label28"), QStringLiteral("バネ指数=8.33"));

    kinds->setCurrentIndex(0);
    symbols->setCurrentIndex(1);
    EXPECT_EQ(Items(wires), (QStringList{"0.6", "1", "1.6"}));
    EXPECT_EQ(wires->currentText(), QStringLiteral("1.6"));
    EXPECT_EQ(app.window->cases()[0].materialNo, 2);

    wires->setCurrentIndex(0);
    EXPECT_EQ(app.window->cases()[0].wireDia, 0.6);
    EXPECT_EQ(app.caption("Label28"), QStringLiteral("バネ指数=16.7"));
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
}

TEST(MainWindowMaterials, ShowingACaseWithForeignNumbersStaysInsideTheLists) {
    MainWindowApp app;
    DesignCase& c = app.window->cases()[0];
    c.materialNo = 99;
    c.wireDiaIndex = 40;
    c.lifeClass = 12;
    c.diaMode = 7;
    app.window->ShowCase();
    auto* wires = app.find<QComboBox>("ComboBox6");
    EXPECT_LT(wires->currentIndex(), wires->count());
    EXPECT_EQ(app.caption("Label48"), QStringLiteral("平均径")) << "an unknown mode keeps the label";
    app.click("BitBtn1");  // unknown mode: nothing to switch from
    EXPECT_EQ(app.caption("Label48"), QStringLiteral("平均径"));
}

TEST(MainWindowHelp, OpensTheHelpPageBesideTheProgram) {
    MainWindowApp app;
    QDir(app.folder.path()).mkdir(QStringLiteral("help"));
    QFile page(app.path("help/helphelp.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QMetaObject::invokeMethod(app.window.get(), "help2Click");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toLocalFile(), app.path("help/helphelp.htm"));
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
}

TEST(MainWindowStartup, ToolWindowsAreMadeOnceByTheFirstMenuItemThatNeedsThem) {
    MainWindowApp app;
    Tf_vek& w = *app.window;
    int made = 0;
    QDialog* dataMake = nullptr;
    w.toolWindows().setMaker([&] {
        ++made;
        dataMake = new QDialog(&w);
        w.setToolWindows(dataMake, new QDialog(&w), nullptr);
    });
    EXPECT_EQ(w.toolWindows().dataMake(), nullptr);
    int shown = 0;
    // Closes each modal window as soon as it is up, counting them.
    auto closeNext = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                modal->reject();
            }
        });
    };
    closeNext();
    w.findChild<QAction*>(QStringLiteral("N7"))->trigger();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(w.toolWindows().dataMake(), dataMake);
    EXPECT_EQ(shown, 1) << "the material editor opens at the first choice, not the second";
    closeNext();
    w.findChild<QAction*>(QStringLiteral("N8"))->trigger();
    w.toolWindows().Ensure();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(shown, 2);
}

TEST(MainWindowStartup, FirstPaintRunsItsFunctionOnceAfterTheWindowIsPainted) {
    struct CountingWindow : QWidget {
        int paints = 0;
        void paintEvent(QPaintEvent*) override { ++paints; }
    } window;
    window.resize(120, 80);
    int calls = 0;
    int paintsAtCall = 0;
    WhenFirstPainted(&window, [&] {
        ++calls;
        paintsAtCall = window.paints;
    });
    QApplication::processEvents();
    EXPECT_EQ(calls, 0) << "nothing runs before the window is shown";
    window.show();
    QTRY_COMPARE(calls, 1);
    EXPECT_GE(paintsAtCall, 1) << "the function runs after the paint, not before it";
    window.repaint();
    window.update();
    QTest::qWait(20);
    EXPECT_GE(window.paints, 2);
    EXPECT_EQ(calls, 1);
}

#include "vek_gui_test.moc"
