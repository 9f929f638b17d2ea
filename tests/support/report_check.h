// Reading a written calculation report back as numbers: each value of the first page's
// tables with the rounding it was printed at, and a check that every printed result
// follows from the printed inputs by the formulas the report itself prints.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <string>

namespace report_check {

// A printed number: its value and half a unit of its last printed digit.
struct Printed {
    double value = NAN;
    double halfStep = NAN;

    // True when exact, rounded to the printed digits, gives the printed text (with a
    // relative slack of `slack` for what the printed formula's own rounding adds).
    bool Agrees(double exact, double slack = 1e-9) const {
        return std::abs(value - exact) <= halfStep + slack * std::max(std::abs(value), std::abs(exact));
    }
};

inline Printed ParsePrinted(const QString& number) {
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok) return {};
    const QString mantissa = number.section(QRegularExpression(QStringLiteral("[eE]")), 0, 0);
    const int exponent = number.contains(QRegularExpression(QStringLiteral("[eE]")))
                             ? number.section(QRegularExpression(QStringLiteral("[eE]")), 1).toInt()
                             : 0;
    const int point = mantissa.indexOf('.');
    const int decimals = point < 0 ? 0 : static_cast<int>(mantissa.size()) - point - 1;
    return {value, 0.5 * std::pow(10.0, exponent - decimals)};
}

constexpr const char* kNumber = "(-?[0-9]+(?:\\.[0-9]+)?(?:[eE][-+]?[0-9]+)?)";

// The number printed after a table's item label on the same line, past its unit.
inline Printed InTable(const QString& layoutText, const QString& label) {
    const QRegularExpression re(QRegularExpression::escape(label) +
                                    QStringLiteral("(?:（[^）]*）)? +(?:[^ 0-9-][^ ]* +)?") +
                                    QString::fromLatin1(kNumber) + QStringLiteral("(?: |$)"),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(layoutText);
    return m.hasMatch() ? ParsePrinted(m.captured(1)) : Printed{};
}

// The number of the first "name = number" in text.
inline Printed Pair(const QString& text, const QString& name) {
    const QRegularExpression re(QStringLiteral("(?:^|[ ,])") + QRegularExpression::escape(name) +
                                QStringLiteral(" = ") + QString::fromLatin1(kNumber) +
                                QStringLiteral("(?! ×)(?=[ ,\\n]|$)"));
    const QRegularExpressionMatch m = re.match(text);
    return m.hasMatch() ? ParsePrinted(m.captured(1)) : Printed{};
}

// Pages first..last of the file as pdftotext lays them out.
inline QString LayoutText(const QString& pdf, int first, int last) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"),
             QString::number(last), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What in the report disagrees with itself: every result of the first page recomputed
// from the inputs it prints (and the material's E, σb(d) the trace prints), with the
// formulas and constants the trace states; each result of the trace equal to the same
// result on the first page. Empty when everything agrees.
inline QStringList ReportDisagreementList(const QString& pdf) {
    const QString page = LayoutText(pdf, 1, 1);
    const QString trace = LayoutText(pdf, 2, 3);
    QStringList wrong;
    if (page.isEmpty() || trace.isEmpty()) return {QStringLiteral("no text in ") + pdf};
    const auto table = [&](const char* label) {
        const Printed p = InTable(page, QString::fromUtf8(label));
        if (std::isnan(p.value)) wrong << QStringLiteral("not printed: ") + QString::fromUtf8(label);
        return p;
    };
    const auto expect = [&](const char* label, const Printed& printed, double recomputed,
                            double slack = 1e-9) {
        if (!printed.Agrees(recomputed, slack))
            wrong << QStringLiteral("%1 = %2 printed, %3 from the printed inputs")
                         .arg(QString::fromUtf8(label))
                         .arg(printed.value, 0, 'g', 10)
                         .arg(recomputed, 0, 'g', 10);
    };
    const bool si = !page.contains(QStringLiteral("kgf"));
    const bool outward = page.contains(QStringLiteral("外方向"));
    const bool anglesGiven = trace.contains(QStringLiteral("作動点のトルク"));
    const double g = si ? 1 : 1 / 9.80665, pi = 3.14159;
    const double d = table("線径 d").value, Di = table("内径 Di").value, Do = table("外径 Do").value;
    const double D = table("平均径 D").value, N = table("巻数 N").value;
    const double a1 = table("腕長 a1").value, a2 = table("腕長 a2").value;
    const double E = Pair(trace, QStringLiteral("E")).value, sb = Pair(trace, QStringLiteral("σb(d)")).value;
    const Printed phi1 = table("ねじれ角度 φ1"), phi2 = table("ねじれ角度 φ2");
    const Printed m1 = table("モーメント M1"), m2 = table("モーメント M2");
    // The guide rod takes the angle the case held before it was calculated (printed in
    // its step); with angles given that is φ2.
    const double rodAngle =
        Pair(trace.mid(trace.indexOf(QStringLiteral("案内棒径"))), QStringLiteral("φ2")).value;
    if (!wrong.isEmpty()) return wrong;
    expect("Di", table("内径 Di"), D - d);
    expect("Do", table("外径 Do"), D + d);
    const double k = E * std::pow(d, 4) / (3667 * D * N + 389 * (a1 + a2)) * g;
    expect("k", table("ばね定数 k"), k);
    const double c = D / d;
    expect("c", table("ばね指数 c"), c);
    const double kappa = (4 * c * c - c - 1) / (4 * c) / (c - 1);
    expect("κ", table("応力修正係数 κ"), kappa);
    // σb(d) is interpolated and printed to 6 digits: what follows from it gets that slack.
    const double sa = sb * g, slack = 5e-6;
    expect("σa", table("許容曲げ応力 σa"), sa, slack);
    // The operating point: the given pair printed in full, the other pair from it.
    if (anglesGiven) {
        expect("M1 = φ1·k", m1, phi1.value * k);
        expect("M2 = φ2·k", m2, phi2.value * k);
        if (rodAngle != phi2.value) wrong << QStringLiteral("the guide rod's φ2 is not the given φ2");
    } else {
        expect("φ1 = M1/k", phi1, m1.value / k);
        expect("φ2 = M2/k", phi2, m2.value / k);
    }
    const double M1 = anglesGiven ? phi1.value * k : m1.value, M2 = anglesGiven ? phi2.value * k : m2.value;
    const double R = std::sqrt(std::pow(std::max(a1, a2), 2) + Do * Do / 4);
    const double reach = outward ? (D / 2 + R) / R * kappa : 1;
    expect("σ1", table("曲げ応力 σ1"), 32 * M1 / (pi * d * d * d) * reach);
    expect("σ2", table("曲げ応力 σ2"), 32 * M2 / (pi * d * d * d) * reach);
    const double mmax =
        outward ? R * (pi * sa * d * d * d / 32) / (D / 2 + R) / kappa : pi * sa * d * d * d / 32;
    expect("最大トルク", table("最大トルク"), mmax, slack);
    expect("最大角度", table("最大角度"), mmax / k, slack);
    expect("案内棒径", table("案内棒径"), outward ? 0.9 * Di : (Di - D * rodAngle / 360 / N) * 0.9);
    // The trace prints the same results as the first page.
    for (const char* name : {"k", "c", "κ", "σa", "σ1", "σ2", "Mmax", "φmax", "Dg"}) {
        const Printed inTrace = Pair(trace, QString::fromUtf8(name));
        if (std::isnan(inTrace.value))
            wrong << QStringLiteral("not in the trace: ") + QString::fromUtf8(name);
    }
    const std::pair<const char*, const char*> same[] = {{"k", "ばね定数 k"},
                                                        {"σ1", "曲げ応力 σ1"},
                                                        {"σ2", "曲げ応力 σ2"},
                                                        {"Dg", "案内棒径"},
                                                        {"φmax", "最大角度"}};
    for (const auto& [name, label] : same)
        if (Pair(trace, QString::fromUtf8(name)).value != InTable(page, QString::fromUtf8(label)).value)
            wrong << QStringLiteral("the trace's %1 is not the first page's").arg(QString::fromUtf8(name));
    return wrong;
}

inline std::string ReportDisagreements(const QString& pdf) {
    return ReportDisagreementList(pdf).join('\n').toStdString();
}

}  // namespace report_check
