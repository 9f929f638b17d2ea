// What the main window shows, read off its controls, and the check of its results
// against the core's one evaluation of the inputs it shows. The expected texts are
// made here from the evaluation's numbers, never by the functions the window formats
// its texts with; a shown number agrees when it is the expected one rounded to the
// digits it shows.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStringList>
#include <cmath>
#include <map>
#include <optional>

#include "core/base/command_error.h"
#include "core/base/unit_text.h"
#include "core/evaluation/evaluation.h"
#include "tests/support/printed_results.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/vek.h"

// Every text of the main window's client area by control name (a check box as "☑" or
// "☐"), the message list and the history row of the slot number shown.
struct VisibleState {
    std::map<QString, QString> shown;
    QStringList messages;
    QStringList historyRow;
    torsion::UnitSystem unit = torsion::UnitSystem::Kgf;

    bool operator==(const VisibleState&) const = default;
};

inline VisibleState SnapshotOf(Tf_vek& window) {
    VisibleState s;
    QWidget* client = window.centralWidget();
    for (QLineEdit* e : client->findChildren<QLineEdit*>())
        if (!e->objectName().isEmpty()) s.shown[e->objectName()] = e->text();
    for (QLabel* l : client->findChildren<QLabel*>())
        if (!l->objectName().isEmpty()) s.shown[l->objectName()] = l->text();
    for (QComboBox* c : client->findChildren<QComboBox*>()) s.shown[c->objectName()] = c->currentText();
    for (QCheckBox* c : client->findChildren<QCheckBox*>())
        s.shown[c->objectName()] = c->isChecked() ? QStringLiteral("☑") : QStringLiteral("☐");
    auto* slot = client->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
    s.shown[QStringLiteral("SpinEdit1")] = slot->text();
    auto* list = client->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    for (int i = 0; i < list->count(); ++i) s.messages << list->item(i)->text();
    auto* grid = client->findChild<HistoryGrid*>(QStringLiteral("sg1"));
    const int row = slot->value() + 1;
    for (int col = 0; row < grid->rowCount() && col < grid->columnCount(); ++col)
        s.historyRow << (grid->item(row, col) != nullptr ? grid->item(row, col)->text() : QString());
    s.unit = window.unitSystem();
    return s;
}

// The controls through which the user gives a case.
inline const QStringList& InputControls() {
    static const QStringList names = {
        QStringLiteral("ComboBox5"), QStringLiteral("ComboBox7"), QStringLiteral("ComboBox6"),
        QStringLiteral("Label48"),   QStringLiteral("Edit18"),    QStringLiteral("Edit19"),
        QStringLiteral("Edit4"),     QStringLiteral("Edit5"),     QStringLiteral("Edit6"),
        QStringLiteral("Edit7"),     QStringLiteral("Edit12"),    QStringLiteral("Edit13"),
        QStringLiteral("soto"),      QStringLiteral("hidari")};
    return names;
}
// The captions of the recommended values and the spring index.
inline const QStringList& CaptionControls() {
    static const QStringList names = {QStringLiteral("Label28"), QStringLiteral("Label30"),
                                      QStringLiteral("Label56"), QStringLiteral("Label45")};
    return names;
}
// The inputs with what the window shows of their results: boxes and captions.
inline const QStringList& CaseControls() {
    static const QStringList names =
        InputControls() + QStringList{
                              QStringLiteral("Edit8"),   QStringLiteral("Edit9"),   QStringLiteral("Edit10"),
                              QStringLiteral("Edit11"),  QStringLiteral("Label28"), QStringLiteral("Label30"),
                              QStringLiteral("Label56"), QStringLiteral("Label45"),
                          };
    return names;
}

// The lines naming the controls whose texts differ between two snapshots.
inline QStringList Differences(const VisibleState& was, const VisibleState& now, const QStringList& names) {
    QStringList lines;
    for (const QString& name : names) {
        const QString a = was.shown.count(name) ? was.shown.at(name) : QString();
        const QString b = now.shown.count(name) ? now.shown.at(name) : QString();
        if (a != b) lines << name + QStringLiteral(": '") + a + QStringLiteral("' became '") + b + u'\'';
    }
    return lines;
}

inline bool SameInputs(const VisibleState& a, const VisibleState& b) {
    return a.unit == b.unit && Differences(a, b, InputControls()).isEmpty();
}

// Whether text shows value: the first number in text is value rounded to the digits
// it shows (plus `slack`, relative). A value that is not finite shows no number.
inline bool ShowsNumber(const QString& text, double value, double slack = 1e-12) {
    const printed::Number shown = printed::Read(text);
    return std::isfinite(value) ? shown && shown.Agrees(value, slack) : !shown;
}

// The shown results that are not what the shown inputs give through EvaluateDesign,
// one line each; captions false leaves out the captions (CaptionControls). nullopt
// when the shown inputs are no case (a text that is no number, an arithmetic fault):
// then nothing on screen can be their result.
inline std::optional<QStringList> ResultsDisagreeing(Tf_vek& window, bool captions = true) {
    using namespace torsion;
    const VisibleState s = SnapshotOf(window);
    const auto at = [&s](const char* name) { return s.shown.at(QString::fromLatin1(name)); };
    QWidget* client = window.centralWidget();
    const auto index = [client](const char* name) {
        return client->findChild<QComboBox*>(QString::fromLatin1(name))->currentIndex();
    };
    WindowInputs in;
    in.kindPos = index("ComboBox5");
    in.symbolPos = index("ComboBox7");
    in.diameterPos = index("ComboBox6");
    in.coilDiaText = at("Edit18").toStdString();
    in.wireDiaText = at("ComboBox6").toStdString();
    in.turnsText = at("Edit19").toStdString();
    in.angle1Text = at("Edit4").toStdString();
    in.angle2Text = at("Edit5").toStdString();
    in.moment1Text = at("Edit6").toStdString();
    in.moment2Text = at("Edit7").toStdString();
    in.arm1Text = at("Edit12").toStdString();
    in.arm2Text = at("Edit13").toStdString();
    in.outward = at("soto") == QStringLiteral("☑");
    in.leftHand = at("hidari") == QStringLiteral("☑");
    in.unit = s.unit;
    // The coil diameter is read as the caption beside it says, the angles or the
    // moments as the enabled boxes say; the rest of the case is kept as it is. A mode
    // of none of the three (from a damaged file) keeps the diameters the case holds.
    DesignCase inputs = window.cases()[0];
    const qsizetype mode =
        QStringList{QStringLiteral("内径"), QStringLiteral("平均径"), QStringLiteral("外径")}.indexOf(
            at("Label48"));
    if (mode >= 0 && inputs.diaMode >= 0 && inputs.diaMode <= 2)
        inputs.diaMode = static_cast<std::int32_t>(mode);
    inputs.inputMode = client->findChild<QLineEdit*>(QStringLiteral("Edit4"))->isEnabled() ? 1 : 0;
    Evaluation e;
    try {
        ReadDiameters(inputs, window.materials(), window.kinds(), in);
        ReadOperatingInputs(inputs, in);
        e = EvaluateDesign(inputs, window.materials());
    } catch (const CommandError&) {
        return std::nullopt;
    }
    const DesignCase& c = e.design;
    if (!e.exists) {
        // No spring: no result beside the lines of the checks (a live update after the
        // calculation may have cleared them, or shows the range error).
        QStringList wrong;
        const char* pair[2][2] = {{"Edit6", "Edit7"}, {"Edit4", "Edit5"}};
        for (const char* name :
             {"Edit8", "Edit9", "Edit10", "Edit11", pair[c.inputMode == 0][0], pair[c.inputMode == 0][1]})
            if (!at(name).isEmpty())
                wrong << QString::fromLatin1(name) + QStringLiteral(" shows '") + at(name) +
                             "' beside no spring";
        return wrong;
    }
    // In SI a moment box reads as a number rounded to the digits shown.
    const bool si = s.unit == UnitSystem::SI;
    const double slack = si ? 2e-3 : 1e-12;
    const double toShown = si ? kStandardGravity : 1.0;
    QStringList wrong;
    const auto expect = [&](const char* name, double value) {
        if (!ShowsNumber(at(name), value, slack))
            wrong << QString::fromLatin1(name) + QStringLiteral(" shows '") + at(name) +
                         QStringLiteral("', the inputs give ") + QString::number(value, 'g', 10);
    };
    expect("Edit8", c.springConst * toShown);
    expect("Edit9", c.stress2 * toShown);
    expect("Edit11", c.allowStress * toShown);
    if (c.inputMode != 0) {
        expect("Edit6", c.moment1 * toShown);
        expect("Edit7", c.moment2 * toShown);
    } else {
        expect("Edit4", c.angle1);
        expect("Edit5", c.angle2);
    }
    const QString life = printed::LifeLabels().value(c.lifeClass);
    if (at("Edit10") != life)
        wrong << QStringLiteral("Edit10 shows '") + at("Edit10") + "', not '" + life + u'\'';
    if (captions) {
        expect("Label28", c.springIndex);
        // Out of the recommended range the live update leaves these two as they were.
        if (SpringIndexInRecommendedRange(c.springIndex)) {
            expect("Label30", c.maxAngle);
            expect("Label56", c.maxMoment * toShown);
        }
        expect("Label45", c.guideRodDia);
    }
    QStringList lines;
    for (const ComposedText& line : e.checks.lines) lines << QString::fromStdString(line.Japanese());
    // A live update after the calculation clears the list, or out of the recommended
    // range shows only that.
    const QStringList live = SpringIndexInRecommendedRange(c.springIndex)
                                 ? QStringList{}
                                 : QStringList{QString::fromUtf8(kSpringIndexRangeError)};
    // σ2 at σa (as after applying the recommended moment) or φ1 at φ2: the numbers the
    // window holds and those its boxes show to four digits may fall either side.
    const auto toggle = [](const QStringList& list, const char* line) {
        const QString error = QString::fromUtf8(line);
        QStringList toggled;
        for (const char* check :
             {kSpringIndexLowError, kSpringIndexHighError, kAngleOrderError, kStressOverError}) {
            const QString l = QString::fromUtf8(check);
            if (list.contains(l) != (l == error)) toggled << l;
        }
        if (toggled.isEmpty()) toggled << QString::fromUtf8(kCalculationSuccess);
        return toggled;
    };
    const bool stressAtLimit = std::fabs(c.stress2 - c.allowStress) <= 1e-3 * std::fabs(c.allowStress) + 5e-4;
    const bool anglesMeet =
        std::fabs(c.angle1 - c.angle2) <= 1e-3 * std::max(std::fabs(c.angle1), std::fabs(c.angle2));
    QList<QStringList> allowed = {lines, live};
    if (stressAtLimit) allowed << toggle(lines, kStressOverError);
    if (anglesMeet) allowed << toggle(lines, kAngleOrderError);
    if (stressAtLimit && anglesMeet) allowed << toggle(toggle(lines, kAngleOrderError), kStressOverError);
    if (!allowed.contains(s.messages))
        wrong << QStringLiteral("the message list shows '") + s.messages.join(u'|') + "', the checks give '" +
                     lines.join(u'|') + u'\'';
    return wrong;
}
