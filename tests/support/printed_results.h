// Checks of what a printout says: every printed result is recomputed from the inputs
// the same printout gives, through the core's one evaluation (EvaluateDesign), and must
// agree within the printed rounding: half a unit of its last printed digit, plus what
// moving each printed input by half a unit of its own last digit moves the result.
// The numbers are read from the printout's texts (the PDF through pdftotext, the data
// sheet's table and labels), never from the functions that wrote them.
#pragma once

#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "core/base/command_error.h"
#include "core/base/units.h"
#include "core/evaluation/evaluation.h"
#include "core/report/data_sheet.h"
#include "tests/support/visible_state.h"
#include "ui/common/sjis.h"

namespace printed {

// A number as printed, and half a unit of its last digit.
struct Number {
    double value = 0;
    double half = 0;
};

// The first number in text ("1.5", "-2", "3.2E-05"), printed to `digits` significant
// digits (trailing zeros left out), if any.
inline std::optional<Number> FirstNumber(const QString& text, int digits) {
    static const QRegularExpression number(QStringLiteral("-?\\d+(?:\\.\\d+)?(?:E[-+]?\\d+)?"));
    const auto m = number.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const double v = m.captured(0).toDouble();
    if (v == 0) return Number{0, 0};
    return Number{v, 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) - digits + 1)};
}

// Significant digits of the printouts: inputs in full, results of the report, and the
// short numbers of the window and the data sheet.
inline constexpr int kFull = 15;
inline constexpr int kReport = 6;
inline constexpr int kShort = 4;

// A printed input: where it goes in the case.
struct Input {
    QString name;
    Number printed;
    std::function<void(torsion::DesignCase&, double)> set;
};
// A printed result: its text and what it is of an evaluation (a number, or a text
// such as the life or the verdict).
struct Result {
    QString name;
    QString text;
    int digits;
    std::function<double(const torsion::Evaluation&)> number;
    std::function<QString(const torsion::Evaluation&)> words = nullptr;
};

// The lines naming each result that does not follow from the inputs, or one line when
// the inputs give no case at all.
inline QStringList Disagreeing(torsion::DesignCase base, const std::vector<Input>& inputs,
                               const std::vector<Result>& results, const torsion::MaterialTable& table) {
    using torsion::Evaluation;
    for (const Input& in : inputs) in.set(base, in.printed.value);
    const auto evaluate = [&table](const torsion::DesignCase& c) -> std::optional<Evaluation> {
        try {
            return torsion::EvaluateDesign(c, table);
        } catch (const torsion::CommandError&) {
            return std::nullopt;
        }
    };
    const std::optional<Evaluation> centre = evaluate(base);
    if (!centre) return {QStringLiteral("the printed inputs do not calculate")};
    // The evaluations with one input moved by half its printed unit either way.
    std::vector<std::vector<Evaluation>> moved;
    for (const Input& in : inputs) {
        if (in.printed.half == 0) continue;
        moved.emplace_back();
        for (const double sign : {-1.0, 1.0}) {
            torsion::DesignCase c = base;
            in.set(c, in.printed.value + sign * in.printed.half);
            if (const auto e = evaluate(c)) moved.back().push_back(*e);
        }
    }
    QStringList wrong;
    for (const Result& r : results) {
        if (r.words) {
            const QString printedWords = QString(r.text).remove(QRegularExpression(QStringLiteral("\\s")));
            const auto same = [&](const Evaluation& e) {
                return QString(r.words(e)).remove(QRegularExpression(QStringLiteral("\\s"))) == printedWords;
            };
            const bool nearBy = std::any_of(moved.begin(), moved.end(), [&](const auto& two) {
                return std::any_of(two.begin(), two.end(), same);
            });
            if (!same(*centre) && !nearBy)
                wrong << r.name + QStringLiteral(" printed '") + r.text + "', the inputs give '" +
                             r.words(*centre) + u'\'';
            continue;
        }
        const double v = r.number(*centre);
        const std::optional<Number> p = FirstNumber(r.text, r.digits);
        if (!std::isfinite(v) || !p) {
            if (std::isfinite(v) || p)
                wrong << r.name + QStringLiteral(" printed '") + r.text + "', the inputs give " +
                             QString::number(v, 'g', 10);
            continue;
        }
        // Each input moves the result on its own: their effects add up.
        double spread = 0;
        for (const auto& two : moved) {
            double most = 0;
            for (const Evaluation& e : two) most = std::max(most, std::fabs(r.number(e) - v));
            spread += most;
        }
        if (std::fabs(p->value - v) > p->half * (1 + 1e-9) + spread + 1e-12 * std::fabs(v))
            wrong << r.name + QStringLiteral(" printed '") + r.text + "', the inputs give " +
                         QString::number(v, 'g', 10);
    }
    return wrong;
}

// The records of the table whose symbol reads as text.
inline std::vector<int> RecordsNamed(const torsion::MaterialTable& table, const QString& symbol) {
    std::vector<int> found;
    for (int n = 0; n < torsion::kMaterialRecords; ++n)
        if (FromSjis(torsion::ShortStringValue(table[static_cast<std::size_t>(n)].symbol)).trimmed() ==
            symbol.trimmed())
            found.push_back(n);
    return found;
}

// ---- the calculation report (its text through pdftotext) ---------------------------

// "name = number" pairs of one step of the trace, in printed order.
struct Step {
    QString title;
    std::vector<std::pair<QString, QString>> pairs;  // a formula's "Dg = 0.9 × Di" is none
    QString text;
};

inline std::vector<Step> TraceSteps(const QString& pdfText) {
    std::vector<Step> steps;
    const QString trace = pdfText.mid(pdfText.indexOf(QStringLiteral("計算の過程")));
    static const QRegularExpression heading(QStringLiteral("(?:^|\\n)(\\d{1,2})\\. ([^\\n]+)\\n"));
    static const QRegularExpression pair(QStringLiteral(
        "([^\\s,=()]+)\\s=\\s([^\\s,]+\\s回|-?\\d+(?:\\.\\d+)?(?:E[-+]?\\d+)?(?![\\d.E]|\\s*×))"));
    auto it = heading.globalMatch(trace);
    std::vector<std::pair<qsizetype, QString>> starts;
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(1).toInt() == static_cast<int>(starts.size()) + 1)
            starts.emplace_back(m.capturedEnd(), m.captured(2).trimmed());
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].first : trace.size();
        Step s{starts[i].second, {}, trace.mid(starts[i].first, end - starts[i].first)};
        auto p = pair.globalMatch(s.text);
        while (p.hasNext()) {
            const auto m = p.next();
            s.pairs.emplace_back(m.captured(1), m.captured(2));
        }
        steps.push_back(std::move(s));
    }
    return steps;
}

// The lines naming each printed result of the report's trace that does not follow from
// the inputs it prints (the material is the table's record of the printed symbol and
// Young's modulus).
inline QStringList ReportDisagreeing(const QString& pdfText, const torsion::MaterialTable& table) {
    using namespace torsion;
    const std::vector<Step> steps = TraceSteps(pdfText);
    if (steps.size() < 11) return {QStringLiteral("the report has no whole trace")};
    const auto stepNamed = [&](const QString& title) -> const Step* {
        for (const Step& s : steps)
            if (s.title == title) return &s;
        return nullptr;
    };
    const auto first = [](const Step* s, const QString& name) -> std::optional<QString> {
        if (s != nullptr)
            for (const auto& [n, v] : s->pairs)
                if (n == name) return v;
        return std::nullopt;
    };
    const bool si = pdfText.contains(QStringLiteral("モーメント N･mm, 応力"));
    const UnitSystem unit = si ? UnitSystem::SI : UnitSystem::Kgf;
    const bool outward = stepNamed(QStringLiteral("最大トルク（外方向）")) != nullptr;
    const Step* torque = stepNamed(QStringLiteral("作動点のトルク"));
    const Step* angles = stepNamed(QStringLiteral("作動点の角度"));
    const Step* rate = stepNamed(QStringLiteral("ばね定数"));
    const Step* rod = stepNamed(outward ? QStringLiteral("案内棒径（外方向）") : QStringLiteral("案内棒径"));
    const Step* life = stepNamed(QStringLiteral("応力係数と寿命"));
    const Step* verdict = stepNamed(QStringLiteral("判定"));
    if ((torque == nullptr) == (angles == nullptr) || rate == nullptr || rod == nullptr || life == nullptr ||
        verdict == nullptr)
        return {QStringLiteral("the report's trace lacks a step")};

    DesignCase base{};
    base.used = 1;
    base.outward = outward ? 1 : 0;
    base.inputMode = torque != nullptr ? 1 : 0;
    std::vector<Input> inputs;
    QStringList missing;
    const auto input = [&](const Step* s, const char* name, std::function<void(DesignCase&, double)> set,
                           int digits = kFull) {
        const std::optional<QString> text = first(s, QString::fromUtf8(name));
        const std::optional<Number> n = text ? FirstNumber(*text, digits) : std::nullopt;
        if (!n) {
            missing << QString::fromUtf8(name);
            return;
        }
        inputs.push_back({QString::fromUtf8(name), *n, std::move(set)});
    };
    input(rate, "d", [](DesignCase& c, double v) { c.wireDia = v; });
    input(rate, "D", [](DesignCase& c, double v) { c.meanDia = v; });
    input(rate, "N", [](DesignCase& c, double v) { c.turns = c.calcTurns = v; });
    input(rate, "a1", [](DesignCase& c, double v) { c.arm1 = v; });
    input(rate, "a2", [](DesignCase& c, double v) { c.arm2 = v; });
    input(rod, "Di", [](DesignCase& c, double v) { c.innerDia = v; });
    if (outward)
        input(stepNamed(QStringLiteral("最大トルク（外方向）")), "Do",
              [](DesignCase& c, double v) { c.outerDia = v; });
    if (torque != nullptr) {
        input(torque, "φ1", [](DesignCase& c, double v) { c.angle1 = v; });
        input(torque, "φ2", [](DesignCase& c, double v) { c.angle2 = v; });
    } else {
        input(angles, "M1", [unit](DesignCase& c, double v) { c.moment1 = FromShownUnit(v, unit); });
        input(angles, "M2", [unit](DesignCase& c, double v) { c.moment2 = FromShownUnit(v, unit); });
        // The angle the guide rod was calculated from.
        if (!outward)
            input(
                rod, "φ2", [](DesignCase& c, double v) { c.angle2 = v; }, kReport);
    }
    if (!missing.isEmpty()) return {QStringLiteral("the trace does not print ") + missing.join(u',')};
    if (!outward) base.outerDia = inputs[1].printed.value + inputs[0].printed.value;  // D + d

    // Every number the trace prints of a result, and the life and the verdict.
    const auto shown = [unit](double kgf) { return ToShownUnit(kgf, unit); };
    using Of = std::function<double(const Evaluation&)>;
    const std::vector<std::pair<QString, Of>> of = {
        {QStringLiteral("k"), [&](const Evaluation& e) { return shown(e.design.springConst); }},
        {QStringLiteral("c"), [](const Evaluation& e) { return e.design.springIndex; }},
        {QStringLiteral("κ"), [](const Evaluation& e) { return e.design.stressFactor; }},
        {QStringLiteral("σa"), [&](const Evaluation& e) { return shown(e.design.allowStress); }},
        {QStringLiteral("Mmax"), [&](const Evaluation& e) { return shown(e.design.maxMoment); }},
        {QStringLiteral("φmax"), [](const Evaluation& e) { return e.design.maxAngle; }},
        {QStringLiteral("Dg"), [](const Evaluation& e) { return e.design.guideRodDia; }},
        {QStringLiteral("M1"), [&](const Evaluation& e) { return shown(e.design.moment1); }},
        {QStringLiteral("M2"), [&](const Evaluation& e) { return shown(e.design.moment2); }},
        {QStringLiteral("φ1"), [](const Evaluation& e) { return e.design.angle1; }},
        {QStringLiteral("φ2"), [](const Evaluation& e) { return e.design.angle2; }},
        {QStringLiteral("σ1"), [&](const Evaluation& e) { return shown(e.design.stress1); }},
        {QStringLiteral("σ2"), [&](const Evaluation& e) { return shown(e.design.stress2); }},
        {QStringLiteral("r1"), [](const Evaluation& e) { return e.stressRatio.lower; }},
        {QStringLiteral("r2"), [](const Evaluation& e) { return e.stressRatio.upper; }},
    };
    std::vector<Result> results;
    for (const Step& s : steps) {
        for (const auto& [name, text] : s.pairs) {
            if (&s == rod && name == QStringLiteral("φ2")) continue;  // an input of that step
            for (const auto& [known, get] : of)
                if (name == known) results.push_back({s.title + u' ' + name, text, kReport, get});
        }
    }
    if (const std::optional<QString> label = first(life, QStringLiteral("寿命")))
        results.push_back({QStringLiteral("寿命"), *label, 0, nullptr, [](const Evaluation& e) {
                               return LifeLabels().value(e.design.lifeClass) + QStringLiteral(" 回");
                           }});
    // The verdict follows the values put in: "合格" or the lines of the failed checks, up
    // to an empty line or the page number.
    static const QRegularExpression verdictStart(QStringLiteral("合格|エラー"));
    static const QRegularExpression pageNumber(QStringLiteral("^\\d+/\\d+$"));
    const QString& steps11 = verdict->text;
    QString said;
    const qsizetype from = steps11.indexOf(verdictStart, std::max<qsizetype>(0, steps11.lastIndexOf("σa")));
    for (const QString& line : steps11.mid(from < 0 ? steps11.size() : from).split(u'\n')) {
        if (line.trimmed().isEmpty() || pageNumber.match(line.trimmed()).hasMatch()) break;
        said += line;
    }
    results.push_back({QStringLiteral("判定"), said, 0, nullptr, [](const Evaluation& e) {
                           if (!e.checks.error) return QStringLiteral("合格");
                           QString lines;
                           for (const ComposedText& line : e.checks.lines)
                               lines += QString::fromStdString(line.Japanese());
                           return lines;
                       }});

    // The material: a record of the printed symbol (or of the printed E, when the
    // symbol does not survive the PDF's text), with the printed σB at the wire's row.
    const std::optional<QString> young = first(rate, QStringLiteral("E"));
    const std::optional<Number> E = young ? FirstNumber(*young, kFull) : std::nullopt;
    const qsizetype at = pdfText.indexOf(QStringLiteral("材質\n"));
    const QString symbol = at < 0 ? QString() : pdfText.mid(at + 3).trimmed().section(u'\n', 0, 0);
    const std::optional<QString> strengthText = first(life, QStringLiteral("σB"));
    const std::optional<Number> strength = strengthText ? FirstNumber(*strengthText, kReport) : std::nullopt;
    const bool noStrength = life->text.contains(QStringLiteral("求まりません"));
    // A symbol of control characters or line breaks (a damaged table) reads as another
    // text, which may name other records (the empty ones): then any record of the
    // printed E is tried.
    const auto ofPrintedE = [&](const std::vector<int>& from) {
        std::vector<int> found;
        for (const int n : from)
            if (E &&
                std::fabs(table[static_cast<std::size_t>(n)].youngModulus - E->value) <= E->half * (1 + 1e-9))
                found.push_back(n);
        return found;
    };
    std::vector<int> records = ofPrintedE(RecordsNamed(table, symbol));
    if (records.empty()) {
        std::vector<int> all(kMaterialRecords);
        for (int n = 0; n < kMaterialRecords; ++n) all[static_cast<std::size_t>(n)] = n;
        records = ofPrintedE(all);
    }
    QStringList best = {QStringLiteral("no record of the table has the printed material (") + symbol + u')'};
    bool tried = false;
    for (const int n : records) {
        const MaterialRecord& r = table[static_cast<std::size_t>(n)];
        base.materialNo = n;
        base.wireDiaIndex = -1;
        for (int row = 0; row < kMaterialRows && !noStrength; ++row) {
            const double sb = r.tensileStrength[static_cast<std::size_t>(row)];
            if (strength && std::fabs(sb - strength->value) <= strength->half * (1 + 1e-9) &&
                (base.wireDiaIndex < 0 ||
                 r.diameter[static_cast<std::size_t>(row)] == inputs[0].printed.value))
                base.wireDiaIndex = row;
        }
        QStringList wrong = Disagreeing(base, inputs, results, table);
        if (wrong.isEmpty()) return wrong;
        if (!tried) best = wrong;
        tried = true;
    }
    return best;
}

// ---- the data sheet (要目表) ----------------------------------------------------------

// The lines naming each result of the data sheet page that does not follow from the
// inputs it prints. The sheet does not print whether the angles or the moments were
// given, nor the load direction: the window shown says (momentsGiven, outward).
inline QStringList DataSheetDisagreeing(const QWidget& page, const torsion::MaterialTable& table,
                                        bool momentsGiven, bool outward) {
    using namespace torsion;
    const auto* sheet = page.findChild<QTableWidget*>(QStringLiteral("sg1"));
    const auto cell = [sheet](int row) {
        const QTableWidgetItem* item = sheet->item(row, 3);
        return item != nullptr ? item->text() : QString();
    };
    const auto label = [&page](int n) {
        const auto* l = page.findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        return l != nullptr ? l->text() : QString();
    };
    // The labels print "name = value": the value follows the equals sign.
    const auto after = [](const QString& text) { return text.mid(text.indexOf(u'=') + 1); };
    std::vector<Input> inputs;
    QStringList missing;
    const auto input = [&](const QString& name, const QString& text,
                           std::function<void(DesignCase&, double)> set, int digits = kShort) {
        const std::optional<Number> n = FirstNumber(text, digits);
        if (!n) {
            missing << name;
            return;
        }
        inputs.push_back({name, *n, std::move(set)});
    };
    const double g = kStandardGravity;
    input(
        QStringLiteral("d"), cell(2), [](DesignCase& c, double v) { c.wireDia = v; }, kFull);
    input(
        QStringLiteral("D"), cell(3), [](DesignCase& c, double v) { c.meanDia = v; }, kFull);
    input(
        QStringLiteral("Do"), cell(4), [](DesignCase& c, double v) { c.outerDia = v; }, kFull);
    input(
        QStringLiteral("N"), cell(5), [](DesignCase& c, double v) { c.turns = c.calcTurns = v; }, kFull);
    input(QStringLiteral("a1"), after(label(6)), [](DesignCase& c, double v) { c.arm1 = v; });
    input(QStringLiteral("a2"), after(label(7)), [](DesignCase& c, double v) { c.arm2 = v; });
    if (momentsGiven) {
        input(QStringLiteral("M1"), cell(8), [g](DesignCase& c, double v) { c.moment1 = v / g; });
        input(QStringLiteral("M2"), cell(11), [g](DesignCase& c, double v) { c.moment2 = v / g; });
    } else {
        input(QStringLiteral("φ1"), cell(7), [](DesignCase& c, double v) { c.angle1 = v; });
        input(QStringLiteral("φ2"), cell(10), [](DesignCase& c, double v) { c.angle2 = v; });
    }
    if (!missing.isEmpty()) return {QStringLiteral("the data sheet does not print ") + missing.join(u',')};

    DesignCase base{};
    base.used = 1;
    base.outward = outward ? 1 : 0;
    base.inputMode = momentsGiven ? 0 : 1;
    // Di = D − d, as Do = D + d.
    const auto innerFollows = [](DesignCase& c) { c.innerDia = 2 * c.meanDia - c.outerDia; };
    for (Input& in : inputs) {
        auto set = in.set;
        in.set = [set, innerFollows](DesignCase& c, double v) {
            set(c, v);
            innerFollows(c);
        };
    }
    const double rounded = kDataSheetRoundedGravity;
    using Of = std::function<double(const Evaluation&)>;
    const std::vector<std::tuple<QString, QString, Of>> printedResults = {
        {QStringLiteral("φ1"), cell(7), [](const Evaluation& e) { return e.design.angle1; }},
        {QStringLiteral("M1"), cell(8), [g](const Evaluation& e) { return e.design.moment1 * g; }},
        {QStringLiteral("σ1"), cell(9), [g](const Evaluation& e) { return e.design.stress1 * g; }},
        {QStringLiteral("φ2"), cell(10), [](const Evaluation& e) { return e.design.angle2; }},
        {QStringLiteral("M2"), cell(11), [g](const Evaluation& e) { return e.design.moment2 * g; }},
        {QStringLiteral("σ2"), cell(12), [g](const Evaluation& e) { return e.design.stress2 * g; }},
        {QStringLiteral("k"), cell(13),
         [rounded](const Evaluation& e) { return e.design.springConst * rounded; }},
        {QStringLiteral("Dg"), cell(14), [](const Evaluation& e) { return e.design.guideRodDia; }},
        {QStringLiteral("角度１"), after(label(1)), [](const Evaluation& e) { return e.design.angle1; }},
        {QStringLiteral("角度２"), after(label(2)), [](const Evaluation& e) { return e.design.angle2; }},
        {QStringLiteral("トルクM2"), after(label(4)),
         [rounded](const Evaluation& e) { return e.design.moment2 * rounded; }},
        {QStringLiteral("トルクM1"), after(label(5)),
         [rounded](const Evaluation& e) { return e.design.moment1 * rounded; }},
    };
    std::vector<Result> results;
    for (const auto& [name, text, get] : printedResults) results.push_back({name, text, kShort, get});

    QStringList best = {QStringLiteral("no record of the table has the printed material (") + cell(1) + u')'};
    bool tried = false;
    for (const int n : RecordsNamed(table, cell(1))) {
        base.materialNo = n;
        QStringList wrong = Disagreeing(base, inputs, results, table);
        if (wrong.isEmpty()) return wrong;
        if (!tried) best = wrong;
        tried = true;
    }
    return best;
}

}  // namespace printed
