#include "ui/main_window/legs_group.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "core/base/number_text.h"
#include "core/calc/practice.h"
#include "ui/common/box_style.h"
#include "ui/common/number_box.h"
#include "ui/common/window_text.h"

using namespace torsion;

namespace {

// The shape's name as the narrow box shows it: the tangential leg has a shorter form of its
// own here (the report keeps the long one).
QString ShapeText(LegShape shape) {
    const std::string name(LegShapeName(shape));
    const char* const tangential = QT_TRANSLATE_NOOP("legs_group", "接線");
    return name == tangential ? QCoreApplication::translate("legs_group", tangential) : WindowText(name);
}

double LengthOf(const QLineEdit* box) {
    return LegLengthOfText(box->text().toStdString());
}

QLabel* Caption(const char* text, int x, int y, QWidget* parent, const char* name) {
    auto* label = new QLabel(QCoreApplication::translate("legs_group", text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* LengthBox(QWidget* parent, const QString& name, int x, int y) {
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(name);
    box->setGeometry(x, y, 50, 21);
    MakeNumberBox(box);
    return box;
}

}  // namespace

LegsGroup::LegsGroup(QWidget* parent)
    : QGroupBox(QCoreApplication::translate("legs_group", "脚の形状とコイルのすき間 (mm)"), parent) {
    setObjectName(QStringLiteral("LegsGroup"));
    Caption(QT_TRANSLATE_NOOP("legs_group", "直線長"), 122, 18, this, "LegStraightLabel");
    Caption(QT_TRANSLATE_NOOP("legs_group", "曲げ r"), 176, 18, this, "LegRadiusLabel");
    for (int leg = 0; leg < 2; ++leg) {
        const auto i = static_cast<std::size_t>(leg);
        const int y = 34 + 25 * leg;
        const QString n = QString::number(leg + 1);
        Caption(leg == 0 ? QT_TRANSLATE_NOOP("legs_group", "脚1") : QT_TRANSLATE_NOOP("legs_group", "脚2"), 8,
                y + 4, this, leg == 0 ? "Leg1Label" : "Leg2Label");
        shape_[i] = new QComboBox(this);
        shape_[i]->setObjectName(QStringLiteral("LegShape") + n);
        shape_[i]->setGeometry(40, y, 78, 21);
        for (const LegShape s : kAllLegShapes) shape_[i]->addItem(ShapeText(s));
        SetBoxColour(shape_[i], kInputColour);
        straight_[i] = LengthBox(this, QStringLiteral("LegStraight") + n, 122, y);
        radius_[i] = LengthBox(this, QStringLiteral("LegRadius") + n, 176, y);
        connect(shape_[i], &QComboBox::currentIndexChanged, this, [this, leg] { ShowBent(leg); });
        ShowBent(leg);
    }
    Caption(QT_TRANSLATE_NOOP("legs_group", "コイルのすき間"), 8, 88, this, "PitchGapLabel");
    gap_ = LengthBox(this, QStringLiteral("PitchGapBox"), 176, 84);
    gap_->setToolTip(QCoreApplication::translate("legs_group", "0 は密着巻。平均径まで"));
    SetBoxColour(gap_, kInputColour);
}

void LegsGroup::ShowBent(int leg) {
    const auto i = static_cast<std::size_t>(leg);
    const int index = std::clamp(shape_[i]->currentIndex(), 0, kLegShapes - 1);
    const bool bent = IsBent(kAllLegShapes[static_cast<std::size_t>(index)]);
    for (QLineEdit* box : {straight_[i], radius_[i]}) {
        box->setEnabled(bent);
        SetBoxColour(box, bent ? kInputColour : kDisplayColour);
    }
}

void LegsGroup::readInto(DesignOptions& o) const {
    for (std::size_t i = 0; i < 2; ++i) {
        const int index = std::clamp(shape_[i]->currentIndex(), 0, kLegShapes - 1);
        LegEnd end;
        end.shape = kAllLegShapes[static_cast<std::size_t>(index)];
        if (IsBent(end.shape)) {
            end.straightLength = LengthOf(straight_[i]);
            end.bendRadius = LengthOf(radius_[i]);
        }
        o.legs[i] = end;
    }
    o.pitchGap = LengthOf(gap_);
}

void LegsGroup::showOptions(const DesignOptions& o) {
    for (std::size_t i = 0; i < 2; ++i) {
        const LegEnd& end = o.legs[i];
        {
            const QSignalBlocker block(shape_[i]);
            shape_[i]->setCurrentIndex(static_cast<int>(end.shape));
        }
        straight_[i]->setText(WindowText(FormatRoundTrip(end.straightLength)));
        radius_[i]->setText(WindowText(FormatRoundTrip(end.bendRadius)));
        ShowBent(static_cast<int>(i));
    }
    gap_->setText(WindowText(FormatRoundTrip(o.pitchGap)));
}
