// The unit choice of the main window and what it remembers between runs: the same
// cases and case files whatever the unit, the unit, the case-file folder, the recent
// case files and the window's place.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>

#include "core/base/unit_text.h"
#include "core/calc/calculation.h"
#include "tests/support/test_files.h"
#include "tests/support/vek_test_app.h"
#include "ui/main_window/history_grid.h"

using namespace torsion;

namespace {

std::vector<std::uint8_t> CaseBytes(const DesignCase& c) {
    std::vector<std::uint8_t> bytes(kDesignCaseSize);
    EncodeDesignCase(c, bytes.data());
    return bytes;
}

class UnitsAndSettingsTest : public ::testing::Test {
  protected:
    static void Menu(const MainWindowApp& a, const char* name) {
        QAction* action = a.window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    void menu(const char* name) const { Menu(app, name); }
    HistoryGrid* grid() const { return app.find<HistoryGrid>("sg1"); }
    void store(int slot) const {
        app.find<QSpinBox>("SpinEdit1")->setValue(slot);
        app.click("SpeedButton5");
    }
    // Every text that shows a moment, a stress or the rate, with its unit.
    QStringList unitTexts() const {
        QStringList texts;
        for (const char* box : {"Edit6", "Edit7", "Edit8", "Edit9", "Edit11"}) texts << app.text(box);
        for (const char* label : {"Label56", "Label_moment1_unit", "Label_moment2_unit",
                                  "Label_spring_const_unit", "Label_stress_unit", "Label_allow_unit"})
            texts << app.caption(label);
        for (int row = 0; row < grid()->rowCount(); ++row)
            for (int col = 0; col < grid()->columnCount(); ++col) texts << grid()->cellText(row, col);
        return texts;
    }
    // A new main window over the same files and settings, as the next run.
    void restart() {
        app.window.reset();
        app.window = std::make_unique<Tf_vek>(app.materials, app.kinds, app.coefficients, app.dialogs,
                                              app.folder.path());
        app.window->setSettings(app.settings);
    }

    MainWindowApp app;
};

TEST_F(UnitsAndSettingsTest, SiShowsEveryMomentStressAndRateAndSwitchingBackChangesNothing) {
    app.calculate();
    store(3);
    const DesignCase& c = app.window->cases()[0];
    const QStringList kgfTexts = unitTexts();
    const std::vector<std::uint8_t> caseBytes = EncodeCaseTable(app.window->cases());
    QSignalSpy changed(app.window.get(), &Tf_vek::unitSystemChanged);

    menu("UnitSI");
    EXPECT_EQ(app.window->unitSystem(), UnitSystem::SI);
    EXPECT_TRUE(app.find<QAction>("UnitSI")->isChecked());
    EXPECT_EQ(app.text("Edit7"), QString::fromStdString(FormatShownShort(c.moment2, UnitSystem::SI)));
    EXPECT_EQ(app.text("Edit8"), QString::fromStdString(FormatShownShort(c.springConst, UnitSystem::SI)));
    EXPECT_EQ(app.text("Edit9"), QString::fromStdString(FormatShownShort(c.stress2, UnitSystem::SI)));
    EXPECT_EQ(app.text("Edit11"), QString::fromStdString(FormatShownShort(c.allowStress, UnitSystem::SI)));
    EXPECT_EQ(app.caption("Label56"),
              QString::fromStdString(MaxTorqueCaption(c.maxMoment, UnitSystem::SI).Japanese()));
    EXPECT_EQ(app.caption("Label_stress_unit"), QStringLiteral("N/mm^2"));
    EXPECT_EQ(app.caption("Label_spring_const_unit"), QStringLiteral("N･mm/度"));
    EXPECT_EQ(grid()->cellText(1, 7), QStringLiteral("N･mm"));
    EXPECT_EQ(grid()->cellText(4, 13), app.text("Edit11"));  // slot 3 holds the shown case

    menu("N2");
    const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[1].split(u'\t').value(12), QStringLiteral("N/mm^2"));
    EXPECT_EQ(lines[4].split(u'\t').value(12), app.text("Edit9"));

    menu("UnitKgf");
    EXPECT_EQ(unitTexts(), kgfTexts);
    menu("UnitSI");
    menu("UnitKgf");
    EXPECT_EQ(unitTexts(), kgfTexts);
    EXPECT_EQ(EncodeCaseTable(app.window->cases()), caseBytes);
    EXPECT_EQ(changed.count(), 4);
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
}

TEST_F(UnitsAndSettingsTest, SameInputsInEitherUnitGiveTheSameCase) {
    MainWindowApp si;
    Menu(si, "UnitSI");
    // Angles given: the moments come from the calculation, byte for byte the same.
    app.calculate();
    si.calculate();
    EXPECT_EQ(CaseBytes(si.window->cases()[0]), CaseBytes(app.window->cases()[0]));

    // Moments given: typed in each unit, equal to within the conversion's rounding.
    menu("dlcheng");
    Menu(si, "dlcheng");
    app.type("Edit6", QStringLiteral("50"));
    app.type("Edit7", QStringLiteral("100"));
    si.type("Edit6", QStringLiteral("490.3325"));
    si.type("Edit7", QStringLiteral("980.665"));
    app.calculate();
    si.calculate();
    ASSERT_TRUE(app.dialogs.errors.isEmpty() && si.dialogs.errors.isEmpty());
    const DesignCase& a = app.window->cases()[0];
    const DesignCase& b = si.window->cases()[0];
    for (auto field : {&DesignCase::moment1, &DesignCase::moment2, &DesignCase::angle1, &DesignCase::angle2,
                       &DesignCase::stress1, &DesignCase::stress2})
        EXPECT_NEAR(b.*field, a.*field, 1e-13 * std::abs(a.*field));
    EXPECT_EQ(b.springConst, a.springConst);
    EXPECT_EQ(b.allowStress, a.allowStress);
}

TEST_F(UnitsAndSettingsTest, CaseFileSavedInSiEqualsTheOneSavedInKgf) {
    app.calculate();
    store(2);
    menu("dlcheng");  // the moment boxes are read too
    app.calculate();
    app.dialogs.saveNames = {app.path("kgf.nbd"), app.path("si.nbd")};
    menu("N3");
    menu("UnitSI");
    menu("N3");
    const auto kgf = ReadBytes(app.path("kgf.nbd"));
    EXPECT_EQ(kgf.size(), 6944u);
    EXPECT_EQ(ReadBytes(app.path("si.nbd")), kgf);
}

TEST_F(UnitsAndSettingsTest, TypedMomentsAreConvertedWithTheUnit) {
    menu("dlcheng");
    app.type("Edit6", QStringLiteral("50"));
    app.type("Edit7", QStringLiteral("abc"));
    menu("UnitSI");
    EXPECT_EQ(app.text("Edit6"), QStringLiteral("490.3"));
    EXPECT_EQ(app.text("Edit7"), QStringLiteral("abc"));  // no number: left for the next read to report
    menu("UnitKgf");
    EXPECT_EQ(app.text("Edit6"), QStringLiteral("50"));
}

TEST_F(UnitsAndSettingsTest, NextRunStartsWithTheRememberedUnitPlaceAndFiles) {
    const std::vector<std::uint8_t> kgfStart = EncodeCaseTable(app.window->cases());
    menu("UnitSI");
    app.window->move(40, 30);
    app.window->close();
    app.settings.setLastCaseFile(app.path("old.nbd"));
    app.settings.setRecentFiles({app.path("old.nbd"), app.path("older.nbd")});

    restart();
    EXPECT_EQ(app.window->unitSystem(), UnitSystem::SI);
    EXPECT_TRUE(app.find<QAction>("UnitSI")->isChecked());
    EXPECT_EQ(app.caption("Label_allow_unit"), QStringLiteral("N/mm^2"));
    EXPECT_EQ(grid()->cellText(1, 13), QStringLiteral("N/mm^2"));
    EXPECT_EQ(EncodeCaseTable(app.window->cases()), kgfStart);  // the start-up itself is unchanged
    EXPECT_EQ(app.window->pos(), QPoint(40, 30));
    EXPECT_EQ(app.find<QMenu>("RecentFiles1")->actions().size(), 2);
    menu("N3");
    menu("Edit2");
    EXPECT_EQ(app.dialogs.saveInitialNames, QStringList{app.path("old.nbd")});
    EXPECT_EQ(app.dialogs.openInitialNames, QStringList{app.path("old.nbd")});

    // A place no screen shows any more gives the usual place.
    app.settings.setWindowPosition(QPoint(20000, -9000));
    restart();
    EXPECT_EQ(app.window->pos(), QPoint(301, 76));
}

TEST_F(UnitsAndSettingsTest, RecentFilesNewestFirstAndMissingOnesRemovedWithAMessage) {
    QMenu* recent = app.find<QMenu>("RecentFiles1");
    EXPECT_FALSE(recent->isEnabled());
    app.calculate();
    store(2);
    app.dialogs.saveNames = {app.path("a.nbd"), app.path("b.nbd")};
    menu("N3");
    menu("N3");
    EXPECT_EQ(app.settings.recentFiles(), (QStringList{app.path("b.nbd"), app.path("a.nbd")}));
    EXPECT_EQ(app.settings.lastCaseFile(), app.path("b.nbd"));
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_TRUE(recent->actions()[0]->text().endsWith(app.path("b.nbd")));

    // Choosing an entry reads that file: slot 5, stored since, is empty in it.
    store(5);
    ASSERT_FALSE(grid()->cellText(6, 2).isEmpty());
    menu("RecentFile1");
    EXPECT_TRUE(grid()->cellText(6, 2).isEmpty());
    EXPECT_FALSE(grid()->cellText(3, 2).isEmpty());

    ASSERT_TRUE(QFile::remove(app.path("a.nbd")));
    menu("RecentFile2");
    ASSERT_EQ(app.dialogs.informations.size(), 1);
    EXPECT_TRUE(app.dialogs.informations[0].contains(app.path("a.nbd")));
    EXPECT_EQ(app.settings.recentFiles(), QStringList{app.path("b.nbd")});
    EXPECT_EQ(recent->actions().size(), 1);
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
}

}  // namespace
