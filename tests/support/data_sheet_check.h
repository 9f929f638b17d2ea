// Reading the data sheet page (要目表) back: its printed inputs (material, wire and mean
// diameter, turns, winding, angles, arms) evaluated through the core's one evaluation,
// and every printed result compared with that evaluation within the digits printed.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTableWidget>

#include "core/calc/calculation.h"
#include "core/evaluation/evaluation.h"
#include "tests/support/report_check.h"
#include "ui/common/sjis.h"

namespace data_sheet_check {

// The page's table (sg1) and sketch labels, for a case whose angles are given; outward
// is the load direction, which the sheet does not print.
inline std::string DataSheetDisagreements(const QWidget& page, const torsion::MaterialTable& materials,
                                          bool outward) {
    using report_check::ParsePrinted;
    using report_check::Printed;
    const auto* grid = page.findChild<QTableWidget*>(QStringLiteral("sg1"));
    if (grid == nullptr) return "no table";
    const auto cell = [&](int row) { return grid->item(row, 3) ? grid->item(row, 3)->text() : QString(); };
    const auto number = [&](int row) { return ParsePrinted(cell(row)); };
    const auto label = [&](int n) {
        const auto* l = page.findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        const QString text = l ? l->text() : QString();
        return ParsePrinted(text.section('=', 1).remove(QRegularExpression(QStringLiteral("[^0-9.eE+-]"))));
    };

    torsion::DesignCase c;
    c.materialNo = -1;
    for (int i = 0; i < static_cast<int>(materials.size()); ++i)
        if (!cell(1).isEmpty() &&
            FromSjis(torsion::ShortStringValue(materials[static_cast<std::size_t>(i)].symbol)) == cell(1))
            c.materialNo = i;
    if (c.materialNo < 0) return "no material named " + cell(1).toStdString();
    c.wireDia = number(2).value;
    for (int i = 0; i < torsion::kMaterialRows; ++i)
        if (materials[static_cast<std::size_t>(c.materialNo)].diameter[static_cast<std::size_t>(i)] ==
            c.wireDia)
            c.wireDiaIndex = i;
    c.diaMode = 1;
    torsion::DeriveCoilDiameters(c, number(3).value);
    c.turns = c.calcTurns = number(5).value;
    c.leftHand = cell(6) == QStringLiteral("左");
    c.outward = outward;
    c.inputMode = 1;
    c.angle1 = number(7).value;
    c.angle2 = number(10).value;
    c.arm1 = label(6).value;
    c.arm2 = label(7).value;
    const torsion::DesignCase e = torsion::EvaluateDesign(c, materials).design;

    QStringList wrong;
    const double g = torsion::kStandardGravity, rounded = 9.807;
    const struct {
        const char* what;
        Printed printed;
        double evaluated;
    } rows[] = {
        {"コイル外径", number(4), e.outerDia},
        {"モーメント１", number(8), e.moment1 * g},
        {"曲げ応力１", number(9), e.stress1 * g},
        {"モーメント２", number(11), e.moment2 * g},
        {"曲げ応力２", number(12), e.stress2 * g},
        {"バネ定数", number(13), e.springConst * rounded},
        {"案内棒直径", number(14), e.guideRodDia},
        {"角度１", label(1), e.angle1},
        {"角度２", label(2), e.angle2},
        {"平均径", label(3), e.meanDia},
        {"トルクM2", label(4), e.moment2 * rounded},
        {"トルクM1", label(5), e.moment1 * rounded},
    };
    for (const auto& row : rows)
        if (!row.printed.Agrees(row.evaluated, 1e-12))
            wrong << QStringLiteral("%1: %2 printed, %3 evaluated")
                         .arg(QString::fromUtf8(row.what))
                         .arg(row.printed.value, 0, 'g', 10)
                         .arg(row.evaluated, 0, 'g', 10);
    return wrong.join('\n').toStdString();
}

}  // namespace data_sheet_check
