// Checks of what a printout says, read from its texts (the PDF through pdftotext, the
// data sheet's table and labels), never from the functions that wrote them. One reader
// of printed numbers serves two oracles: every printed result recomputed from the
// inputs the same printout gives through the core's one evaluation (EvaluateDesign),
// and the report's results recomputed by the formulas and constants it prints.
#pragma once

#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/command_error.h"
#include "core/base/units.h"
#include "core/evaluation/evaluation.h"
#include "core/report/data_sheet.h"
#include "tests/support/pdf_tools.h"
#include "ui/common/sjis.h"

namespace printed {

// ---- numbers as printed ----------------------------------------------------------------

// A number as printed, and half a unit of its last digit; NaN when nothing was read.
struct Number {
    double value = NAN;
    double half = NAN;

    explicit operator bool() const { return !std::isnan(value); }
    // True when exact, rounded to the printed digits, gives the printed text, within
    // `spread` and a relative `slack` for what rounding on the way adds. Numbers at the
    // bottom of the double range (subnormal products) are not told apart.
    bool Agrees(double exact, double slack = 1e-9, double spread = 0) const {
        return std::fabs(value - exact) <=
               half * (1 + 1e-9) + spread + slack * std::max(std::fabs(value), std::fabs(exact)) + 1e-290;
    }
};

// Significant digits of the printouts: inputs in full, results of the report, and the
// short numbers of the window and the data sheet.
inline constexpr int kFull = 15;
inline constexpr int kReport = 6;
inline constexpr int kShort = 4;

inline constexpr const char* kNumberPattern = "-?(\\d+)(?:\\.(\\d+))?(?:[eE]([-+]?\\d+))?";

// The first number in text ("1.5", "-2", "3.2E-05"). Its half unit is that of its last
// printed digit; a printout of `digits` significant digits that leaves out trailing
// zeros ("1.5" for 1.500) has the half unit of its last significant digit.
inline Number Read(const QString& text, int digits = 0) {
    static const QRegularExpression number(QString::fromLatin1(kNumberPattern));
    const auto m = number.match(text);
    if (!m.hasMatch()) return {};
    const double v = m.captured(0).toDouble();
    double half = 0.5 * std::pow(10.0, m.captured(3).toInt() - static_cast<int>(m.captured(2).size()));
    if (digits > 0)
        half = v == 0
                   ? 0
                   : std::min(half, 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) - digits + 1));
    return {v, half};
}

// The "name = value" pairs of text in order: a value is a number (not the factor of a
// product) or a count "… 回"; a name may end in a parenthesis ("σb(d)").
inline std::vector<std::pair<QString, QString>> Pairs(const QString& text) {
    static const QRegularExpression pair(
        QStringLiteral("([^\\s,=()]+(?:\\([^\\s,=()]+\\))?)\\s=\\s([^\\s,]+\\s回|") +
        QString::fromLatin1(kNumberPattern) + QStringLiteral("(?![\\d.eE]|\\s*×))"));
    std::vector<std::pair<QString, QString>> pairs;
    for (auto it = pair.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        pairs.emplace_back(m.captured(1), m.captured(2));
    }
    return pairs;
}

// The value of the first "name = value" in text; empty when there is none.
inline std::optional<QString> PairText(const QString& text, const QString& name) {
    for (const auto& [n, v] : Pairs(text))
        if (n == name) return v;
    return std::nullopt;
}
inline Number Pair(const QString& text, const QString& name, int digits = 0) {
    const std::optional<QString> v = PairText(text, name);
    return v ? Read(*v, digits) : Number{};
}

// The number printed after a table's item label on the same line of the laid-out
// text, past its unit.
inline Number InTable(const QString& layoutText, const QString& label) {
    const QRegularExpression re(QRegularExpression::escape(label) +
                                    QStringLiteral("(?:（[^）]*）)? +(?:[^ 0-9-][^ ]* +)?(") +
                                    QString::fromLatin1(kNumberPattern) + QStringLiteral(")(?: |$)"),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(layoutText);
    return m.hasMatch() ? Read(m.captured(1)) : Number{};
}

// The labels of the life classes, written out here.
inline const QStringList& LifeLabels() {
    static const QStringList lives = {
        QStringLiteral("1000万"), QStringLiteral("100万"), QStringLiteral("10万"), QStringLiteral("6万"),
        QStringLiteral("4万"),    QStringLiteral("3万"),   QStringLiteral("2万"),  QStringLiteral("1万")};
    return lives;
}

// ---- recomputed through the core ---------------------------------------------------------

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
// the inputs give no case at all. A result agrees within the printed rounding: half a
// unit of its last printed digit, plus what moving each printed input by half a unit of
// its own last digit moves the result.
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
        const Number p = Read(r.text, r.digits);
        // Each input moves the result on its own: their effects add up.
        double spread = 0;
        for (const auto& two : moved) {
            double most = 0;
            for (const Evaluation& e : two) most = std::max(most, std::fabs(r.number(e) - v));
            spread += most;
        }
        if (std::isfinite(v) != static_cast<bool>(p) || (p && !p.Agrees(v, 1e-12, spread)))
            wrong << r.name + QStringLiteral(" printed '") + r.text + "', the inputs give " +
                         QString::number(v, 'g', 10);
    }
    return wrong;
}

// The records of the table that `keep` keeps.
inline std::vector<int> Records(const std::function<bool(int)>& keep) {
    std::vector<int> found;
    for (int n = 0; n < torsion::kMaterialRecords; ++n)
        if (keep(n)) found.push_back(n);
    return found;
}
inline bool Named(const torsion::MaterialTable& table, int record, const QString& symbol) {
    return FromSjis(torsion::ShortStringValue(table[static_cast<std::size_t>(record)].symbol)).trimmed() ==
           symbol.trimmed();
}

// Nothing when the printed results follow from the printed inputs with one of the
// records (made ready by `ready`); otherwise the lines of the first record tried.
inline QStringList DisagreeingWithEveryRecord(
    torsion::DesignCase base, const std::vector<int>& records, const std::vector<Input>& inputs,
    const std::vector<Result>& results, const torsion::MaterialTable& table, const QString& symbol,
    const std::function<void(torsion::DesignCase&)>& ready = nullptr) {
    QStringList best = {QStringLiteral("no record of the table has the printed material (") + symbol + u')'};
    for (const int n : records) {
        base.materialNo = n;
        if (ready) ready(base);
        QStringList wrong = Disagreeing(base, inputs, results, table);
        if (wrong.isEmpty() || n == records.front()) best = wrong;
        if (wrong.isEmpty()) break;
    }
    return best;
}

// The steps of the report's trace ("計算の過程"): title and text.
struct Step {
    QString title;
    QString text;
};

inline std::vector<Step> TraceSteps(const QString& pdfText) {
    std::vector<Step> steps;
    const QString trace = pdfText.mid(pdfText.indexOf(QStringLiteral("計算の過程")));
    static const QRegularExpression heading(QStringLiteral("(?:^|\\n)(\\d{1,2})\\. ([^\\n]+)\\n"));
    std::vector<std::pair<qsizetype, QString>> starts;
    for (auto it = heading.globalMatch(trace); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toInt() == static_cast<int>(starts.size()) + 1)
            starts.emplace_back(m.capturedEnd(), m.captured(2).trimmed());
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].first : trace.size();
        steps.push_back({starts[i].second, trace.mid(starts[i].first, end - starts[i].first)});
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
    const auto number = [](const Step* s, const QString& name, int digits) {
        return s != nullptr ? Pair(s->text, name, digits) : Number{};
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
        const Number n = number(s, QString::fromUtf8(name), digits);
        if (!n) missing << QString::fromUtf8(name);
        inputs.push_back({QString::fromUtf8(name), n, std::move(set)});
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
        for (const auto& [name, text] : Pairs(s.text)) {
            if (&s == rod && name == QStringLiteral("φ2")) continue;  // an input of that step
            for (const auto& [known, get] : of)
                if (name == known) results.push_back({s.title + u' ' + name, text, kReport, get});
        }
    }
    if (const std::optional<QString> label = PairText(life->text, QStringLiteral("寿命")))
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
    const Number E = number(rate, QStringLiteral("E"), kFull);
    const Number strength = number(life, QStringLiteral("σB"), kReport);
    const qsizetype at = pdfText.indexOf(QStringLiteral("材質\n"));
    const QString symbol = at < 0 ? QString() : pdfText.mid(at + 3).trimmed().section(u'\n', 0, 0);
    const bool noStrength = life->text.contains(QStringLiteral("求まりません"));
    // A symbol of control characters or line breaks (a damaged table) reads as another
    // text, which may name other records (the empty ones): then any record of the
    // printed E is tried.
    const auto ofE = [&](int n) { return E.Agrees(table[static_cast<std::size_t>(n)].youngModulus, 0); };
    std::vector<int> records = Records([&](int n) { return ofE(n) && Named(table, n, symbol); });
    if (records.empty()) records = Records(ofE);
    return DisagreeingWithEveryRecord(base, records, inputs, results, table, symbol, [&](DesignCase& c) {
        const MaterialRecord& r = table[static_cast<std::size_t>(c.materialNo)];
        c.wireDiaIndex = -1;
        for (int row = 0; row < kMaterialRows && !noStrength; ++row)
            if (strength.Agrees(r.tensileStrength[static_cast<std::size_t>(row)], 0) &&
                (c.wireDiaIndex < 0 || r.diameter[static_cast<std::size_t>(row)] == inputs[0].printed.value))
                c.wireDiaIndex = row;
    });
}

// The lines naming each result of the data sheet page (要目表) that does not follow
// from the inputs it prints. The sheet does not print whether the angles or the moments
// were given, nor the load direction: the window shown says (momentsGiven, outward).
inline QStringList DataSheetDisagreeing(const QWidget& page, const torsion::MaterialTable& table,
                                        bool momentsGiven, bool outward) {
    using namespace torsion;
    const auto* sheet = page.findChild<QTableWidget*>(QStringLiteral("sg1"));
    if (sheet == nullptr) return {QStringLiteral("no table")};
    const auto cell = [sheet](int row) {
        const QTableWidgetItem* item = sheet->item(row, 3);
        return item != nullptr ? item->text() : QString();
    };
    // The labels print "name = value": the value follows the equals sign.
    const auto label = [&page](int n) {
        const auto* l = page.findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        const QString text = l != nullptr ? l->text() : QString();
        return text.mid(text.indexOf(u'=') + 1);
    };
    std::vector<Input> inputs;
    QStringList missing;
    // Di = D − d and Do = D + d follow every input.
    const auto input = [&](const QString& name, const QString& text,
                           std::function<void(DesignCase&, double)> set, int digits = kShort) {
        const Number n = Read(text, digits);
        if (!n) missing << name;
        inputs.push_back({name, n, [set](DesignCase& c, double v) {
                              set(c, v);
                              c.innerDia = c.meanDia - c.wireDia;
                              c.outerDia = c.meanDia + c.wireDia;
                          }});
    };
    const double g = kStandardGravity;
    input(
        QStringLiteral("d"), cell(2), [](DesignCase& c, double v) { c.wireDia = v; }, kFull);
    input(
        QStringLiteral("D"), cell(3), [](DesignCase& c, double v) { c.meanDia = v; }, kFull);
    input(
        QStringLiteral("N"), cell(5), [](DesignCase& c, double v) { c.turns = c.calcTurns = v; }, kFull);
    input(QStringLiteral("a1"), label(6), [](DesignCase& c, double v) { c.arm1 = v; });
    input(QStringLiteral("a2"), label(7), [](DesignCase& c, double v) { c.arm2 = v; });
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
    const double rounded = kDataSheetRoundedGravity;
    using Of = std::function<double(const Evaluation&)>;
    const std::vector<std::tuple<QString, QString, Of>> printedResults = {
        {QStringLiteral("Do"), cell(4), [](const Evaluation& e) { return e.design.outerDia; }},
        {QStringLiteral("φ1"), cell(7), [](const Evaluation& e) { return e.design.angle1; }},
        {QStringLiteral("M1"), cell(8), [g](const Evaluation& e) { return e.design.moment1 * g; }},
        {QStringLiteral("σ1"), cell(9), [g](const Evaluation& e) { return e.design.stress1 * g; }},
        {QStringLiteral("φ2"), cell(10), [](const Evaluation& e) { return e.design.angle2; }},
        {QStringLiteral("M2"), cell(11), [g](const Evaluation& e) { return e.design.moment2 * g; }},
        {QStringLiteral("σ2"), cell(12), [g](const Evaluation& e) { return e.design.stress2 * g; }},
        {QStringLiteral("k"), cell(13),
         [rounded](const Evaluation& e) { return e.design.springConst * rounded; }},
        {QStringLiteral("Dg"), cell(14), [](const Evaluation& e) { return e.design.guideRodDia; }},
        {QStringLiteral("角度１"), label(1), [](const Evaluation& e) { return e.design.angle1; }},
        {QStringLiteral("角度２"), label(2), [](const Evaluation& e) { return e.design.angle2; }},
        {QStringLiteral("平均径"), label(3), [](const Evaluation& e) { return e.design.meanDia; }},
        {QStringLiteral("トルクM2"), label(4),
         [rounded](const Evaluation& e) { return e.design.moment2 * rounded; }},
        {QStringLiteral("トルクM1"), label(5),
         [rounded](const Evaluation& e) { return e.design.moment1 * rounded; }},
    };
    std::vector<Result> results;
    for (const auto& [name, text, get] : printedResults)
        results.push_back({name, text, name == QStringLiteral("Do") ? kFull : kShort, get});
    return DisagreeingWithEveryRecord(base, Records([&](int n) { return Named(table, n, cell(1)); }), inputs,
                                      results, table, cell(1));
}

// ---- recomputed by the printed formulas ---------------------------------------------------

// What in the report disagrees with itself: every result of the first page recomputed
// from the inputs it prints (and the material's E, σb(d) the trace prints), with the
// formulas and constants the trace states; each result of the trace equal to the same
// result on the first page. Empty when everything agrees.
inline std::string ReportFormulaDisagreements(const QString& pdf) {
    const QString page = pdf_tools::PdfLayoutText(pdf, 1, 1);
    const QString trace = pdf_tools::PdfLayoutText(pdf, 2, 3);
    if (page.isEmpty() || trace.isEmpty()) return "no text in " + pdf.toStdString();
    QStringList wrong;
    const auto table = [&](const char* label) {
        const Number p = InTable(page, QString::fromUtf8(label));
        if (!p) wrong << QStringLiteral("not printed: ") + QString::fromUtf8(label);
        return p;
    };
    const auto expect = [&](const char* label, const Number& printed, double recomputed,
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
    const Number phi1 = table("ねじれ角度 φ1"), phi2 = table("ねじれ角度 φ2");
    const Number m1 = table("モーメント M1"), m2 = table("モーメント M2");
    // The guide rod takes the angle the case held before it was calculated (printed in
    // its step); with angles given that is φ2.
    const double rodAngle =
        Pair(trace.mid(trace.indexOf(QStringLiteral("案内棒径"))), QStringLiteral("φ2")).value;
    if (!wrong.isEmpty()) return wrong.join('\n').toStdString();
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
        if (!Pair(trace, QString::fromUtf8(name)))
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
    return wrong.join('\n').toStdString();
}

}  // namespace printed
