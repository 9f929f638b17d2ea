// The legs and the coil gap on the page "設計基準": inputs of the case ("計算" follows them),
// kept per history slot, saved in a design file and read back; straight legs and touching
// coils show what the window showed before.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "core/evaluation/evaluation.h"
#include "tests/support/vek_test_app.h"
#include "ui/main_window/legs_group.h"
#include "ui/main_window/practice_page.h"

namespace {

using torsion::DesignOptions;
using torsion::LegEnd;
using torsion::LegShape;

class LegsWindowTest : public ::testing::Test {
  protected:
    LegsGroup& legs() const { return *app.window->practicePage()->legsGroup(); }
    // Chooses a shape as a user does: the arrow keys in the closed list; then the lengths.
    void leg(int n, LegShape shape, const QString& straight = {}, const QString& radius = {}) const {
        QComboBox* box = legs().shapeBox(n);
        box->setFocus();
        while (box->currentIndex() != static_cast<int>(shape))
            QTest::keyClick(box, box->currentIndex() < static_cast<int>(shape) ? Qt::Key_Down : Qt::Key_Up);
        if (!straight.isEmpty()) TypeOver(legs().straightBox(n), straight);
        if (!radius.isEmpty()) TypeOver(legs().radiusBox(n), radius);
    }
    void slot(int n, const char* button) const {
        app.find<QSpinBox>("SpinEdit1")->setValue(n);
        app.click(button);
    }
    void menu(const char* action) const {
        app.window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    QStringList shown() const {
        QStringList texts = app.messages();
        for (const char* box : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"})
            texts << app.text(box);
        for (const char* label : {"Label30", "Label56", "Label45"}) texts << app.caption(label);
        return texts;
    }

    MainWindowApp app;
};

TEST_F(LegsWindowTest, BentLegsAndGapAreInputsKeptPerSlotSavedAndReadBack) {
    app.calculate();
    const QStringList straight = shown();
    leg(0, LegShape::Radial, QStringLiteral("5"), QStringLiteral("1.5"));
    leg(1, LegShape::Clamped);
    EXPECT_FALSE(legs().radiusBox(1)->isEnabled());
    TypeOver(legs().gapBox(), QStringLiteral("0.3"));
    app.calculate();
    const QStringList bent = shown();
    app.calculate();
    EXPECT_EQ(shown(), bent);  // the same answer twice
    DesignOptions expected;
    expected.legs = {LegEnd{LegShape::Radial, 5, 1.5}, LegEnd{LegShape::Clamped, 0, 0}};
    expected.pitchGap = 0.3;
    EXPECT_EQ(app.window->options()[0], expected);
    const torsion::DesignCase& current = app.window->cases()[0];
    EXPECT_EQ(
        current.springConst,
        torsion::EvaluateDesign(current, app.materials, {std::nullopt, {}, expected}).design.springConst);
    EXPECT_NE(bent, straight);
    EXPECT_TRUE(app.messages().filter(QStringLiteral("脚1の曲げ部: r=1.5mm")).size() == 1)
        << bent.join('\n').toStdString();
    slot(1, "SpeedButton5");

    // Straight legs and touching coils again: the window's answer of before.
    leg(0, LegShape::Tangential);
    leg(1, LegShape::Tangential);
    TypeOver(legs().gapBox(), QStringLiteral("0"));
    app.calculate();
    EXPECT_EQ(shown(), straight);
    EXPECT_EQ(app.window->options()[0], DesignOptions{});

    slot(1, "SpeedButton6");
    EXPECT_EQ(legs().shapeBox(0)->currentIndex(), static_cast<int>(LegShape::Radial));
    EXPECT_EQ(legs().radiusBox(0)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(legs().gapBox()->text(), QStringLiteral("0.3"));
    EXPECT_EQ(shown(), bent);

    app.dialogs.saveNames = {app.path("legs.nbdx")};
    menu("N3");
    const torsion::DesignOptionsTable saved = app.window->options();
    leg(0, LegShape::Axial, QStringLiteral("2"), QStringLiteral("3"));
    app.calculate();
    slot(1, "SpeedButton5");
    app.dialogs.openNames = {app.path("legs.nbdx")};
    menu("Edit2");
    EXPECT_EQ(app.window->options(), saved);
    EXPECT_EQ(app.window->options()[1], expected);
    EXPECT_EQ(app.dialogs.errors, QStringList());

    // Another bend radius: the message lines change in place and read as the evaluation's.
    for (const char* radius : {"1.5", "2.5"}) {
        leg(0, LegShape::Radial, QStringLiteral("5"), QString::fromLatin1(radius));
        app.calculate();
        QStringList lines;
        for (const torsion::ComposedText& line :
             torsion::EvaluateDesign(app.window->cases()[0], app.materials,
                                     {std::nullopt, {}, app.window->options()[0]})
                 .checks.lines)
            lines << QString::fromStdString(line.Japanese());
        EXPECT_EQ(app.messages(), lines) << radius;
    }
}

TEST_F(LegsWindowTest, ABadLengthOrGapEndsTheCalculationWithItsMessage) {
    leg(0, LegShape::Axial, QStringLiteral("5"), QStringLiteral("abc"));
    app.dialogs.errors.clear();
    app.calculate();
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_TRUE(app.dialogs.errors[0].contains(QStringLiteral("'abc' は浮動小数点数ではありません")));
    leg(0, LegShape::Tangential);
    TypeOver(legs().gapBox(), QStringLiteral("1000"));
    app.dialogs.errors.clear();
    app.calculate();
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_TRUE(app.dialogs.errors[0].contains(QStringLiteral("コイルのすき間 1000mm")));
}

}  // namespace
