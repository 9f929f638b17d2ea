// Designs given as comma-separated rows, calculated as the main window does.
#include "core/design/batch_calculation.h"

#include <cctype>
#include <cmath>
#include <istream>
#include <limits>
#include <ostream>

#include "core/base/command_error.h"
#include "core/base/csv_text.h"
#include "core/base/number_text.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

namespace {

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The refusals of a row (the reader's language: ComposedText).
constexpr const char* kTooFewColumns = TS_TEXT("列の数が %1 です（%2 列が必要です）");
constexpr const char* kTooManyColumns = TS_TEXT("列の数が %1 です（%2 列まで）");
constexpr const char* kUnknownSymbol = TS_TEXT("材料記号 '%1' は材料表にありません");
constexpr const char* kUnknownWireDiameter = TS_TEXT("線径 %1 は %2 の表にありません");
constexpr const char* kBendRadiusNeeded = TS_TEXT("曲げた脚 (%1) には曲げ半径が必要です");
constexpr const char* kBendRadiusRefused = TS_TEXT("曲げのない脚 (%1) に曲げ半径は指定できません");
constexpr const char* kGapBeyondCoil = TS_TEXT("コイルのすき間 %1mm が平均径 %2mm を超えます");

int DiameterModeOf(std::string_view field) {
    const std::string_view s = Trimmed(field);
    if (s == "inner" || s == "内径") return 0;
    if (s == "mean" || s == "平均径") return 1;
    if (s == "outer" || s == "外径") return 2;
    throw CommandError(
        {TS_TEXT("径の種類 '%1' は inner, mean, outer のどれでもありません"), {std::string(field)}});
}

// 1 when angles are given, 0 when moments are.
int LoadModeOf(std::string_view field) {
    const std::string_view s = Trimmed(field);
    if (s == "angle" || s == "角度") return 1;
    if (s == "moment" || s == "荷重") return 0;
    throw CommandError(
        {TS_TEXT("入力の種類 '%1' は angle, moment のどちらでもありません"), {std::string(field)}});
}

Practice PracticeOf(std::string_view field) {
    std::string s(Trimmed(field));
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (s.empty()) return Practice::Jis;
    if (const auto p = PracticeFromKey(s)) return *p;
    throw CommandError({TS_TEXT("設計基準 '%1' は jis, en, us のどれでもありません"), {std::string(field)}});
}

double TemperatureOf(std::string_view field) {
    if (Trimmed(field).empty()) return kRoomTemperature;
    const double t = ParseNumber(field);
    if (!TemperatureAllowed(t))
        throw CommandError({TS_TEXT("使用温度 '%1' は範囲外です (%2℃)"),
                            {std::string(field), std::string(kTemperatureRangeText)}});
    return t;
}

// "N 行目 列 name: what" (the row's line when it is known).
CommandError ColumnError(long long line, std::string_view column, ComposedText what) {
    if (line <= 0) return CommandError({TS_TEXT("列 %1: %2"), {std::string(column), std::move(what)}});
    return CommandError(
        {TS_TEXT("%1 行目 列 %2: %3"), {std::to_string(line), std::string(column), std::move(what)}});
}

LegShape LegShapeOf(std::string_view field, long long line, std::string_view column) {
    std::string s(Trimmed(field));
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (s.empty()) return LegShape::Tangential;
    if (const auto shape = LegShapeFromKey(s)) return *shape;
    throw ColumnError(line, column,
                      {TS_TEXT("脚の形状 '%1' は tangential, radial, axial, clamped のどれでもありません"),
                       {std::string(field)}});
}

// A length of the legs or the coils: empty is nullopt, otherwise 0 up to kMaxLegLength.
std::optional<double> LengthOf(std::string_view field, long long line, std::string_view column) {
    if (Trimmed(field).empty()) return std::nullopt;
    double value = std::nan("");
    try {
        value = ParseNumber(field);
    } catch (const CommandError& e) {
        throw ColumnError(line, column, e.text());
    }
    if (!(value >= 0 && value <= kMaxLegLength))
        throw ColumnError(
            line, column,
            {TS_TEXT("'%1' は 0〜%2 mm ではありません"), {std::string(field), FormatShort(kMaxLegLength)}});
    return value;
}

bool FlagOf(std::string_view field) {
    const std::string_view s = Trimmed(field);
    if (s == "0" || s.empty()) return false;
    if (s == "1") return true;
    throw CommandError({TS_TEXT("'%1' は 0 か 1 ではありません"), {std::string(field)}});
}

// The columns after the input fields: the results of the case, all in the case's units.
constexpr std::string_view kResultColumns[] = {"inner_dia[mm]",
                                               "mean_dia[mm]",
                                               "outer_dia[mm]",
                                               "spring_index",
                                               "stress_factor",
                                               "spring_const[kgf*mm/deg]",
                                               "angle1[deg]",
                                               "angle2[deg]",
                                               "moment1[kgf*mm]",
                                               "moment2[kgf*mm]",
                                               "stress1[kgf/mm2]",
                                               "stress2[kgf/mm2]",
                                               "allow_stress[kgf/mm2]",
                                               "max_angle[deg]",
                                               "max_moment[kgf*mm]",
                                               "guide_rod_dia[mm]",
                                               "life_class",
                                               "life",
                                               "k_min[kgf*mm/deg]",
                                               "k_max[kgf*mm/deg]",
                                               "moment2_min[kgf*mm]",
                                               "moment2_max[kgf*mm]",
                                               "natural_freq[Hz]",
                                               "freq_ratio",
                                               "standard_wire",
                                               "checks",
                                               "error"};
constexpr std::size_t kResultCount = std::size(kResultColumns);

// The columns of --compare after the input fields.
constexpr std::string_view kCompareColumns[] = {"compared_standard",
                                                "chosen",
                                                "spring_const[kgf*mm/deg]",
                                                "moment1[kgf*mm]",
                                                "moment2[kgf*mm]",
                                                "stress2[kgf/mm2]",
                                                "stress_factor_applied",
                                                "allow_stress[kgf/mm2]",
                                                "max_angle[deg]",
                                                "max_moment[kgf*mm]",
                                                "safety_factor",
                                                "fatigue",
                                                "spring_const_diff[%]",
                                                "moment2_diff[%]",
                                                "stress2_diff[%]",
                                                "allow_stress_diff[%]",
                                                "max_angle_diff[%]",
                                                "max_moment_diff[%]",
                                                "bend_stress1[kgf/mm2]",
                                                "bend_stress2[kgf/mm2]",
                                                "bend_stress1_diff[%]",
                                                "bend_stress2_diff[%]",
                                                "checks",
                                                "error"};
constexpr std::size_t kCompareCount = std::size(kCompareColumns);

void AppendNumberField(std::string& out, double value) {
    if (std::isfinite(value)) AppendRoundTrip(out, value);
    out += ',';
}

std::string JoinedChecks(const CheckResult& checks) {
    return JoinedJapanese(checks.lines, " / ");
}

}  // namespace

BatchCalculator::BatchCalculator(const MaterialTable& table, const KindIndex& index,
                                 std::vector<std::string> symbols, BatchOptions options)
    : table_(table), index_(index), options_(options) {
    // Only records that the lists offer can be chosen; the first of equal symbols wins,
    // as it comes first in its list.
    for (int n = 0; n < kMaterialRecords && n < static_cast<int>(symbols.size()); ++n) {
        if (!FindMaterialSlot(index, n)) continue;
        recordBySymbol_.emplace(symbols[static_cast<std::size_t>(n)], n);
        diameterTexts_[static_cast<std::size_t>(n)] = DiameterListEntries(table, n);
    }
}

BatchDesign BatchCalculator::DesignOf(const std::vector<std::string_view>& fields) const {
    if (fields.size() < kBatchRequiredColumns)
        throw CommandError(
            {kTooFewColumns, {std::to_string(fields.size()), std::to_string(kBatchRequiredColumns)}});
    if (fields.size() > kBatchInputColumns.size())
        throw CommandError(
            {kTooManyColumns, {std::to_string(fields.size()), std::to_string(kBatchInputColumns.size())}});
    BatchDesign d;
    InitCurrentCase(d.start);

    const std::string symbol(Trimmed(fields[0]));
    const auto found = recordBySymbol_.find(symbol);
    if (found == recordBySymbol_.end()) throw CommandError({kUnknownSymbol, {symbol}});
    const int recordNo = found->second;
    const MaterialSlot slot = *FindMaterialSlot(index_, recordNo);
    d.inputs.kindPos = slot.kind;
    d.inputs.symbolPos = slot.slot;

    // The wire diameter is chosen from the material's list, as in the window.
    const double wireDia = ParseNumber(fields[1]);
    const MaterialRecord& record = table_[static_cast<std::size_t>(recordNo)];
    const int rows = UsableRowCount(record);
    int row = -1;
    for (int i = 0; i < rows && row < 0; ++i)
        if (record.diameter[static_cast<std::size_t>(i)] == wireDia) row = i;
    if (row < 0) throw CommandError({kUnknownWireDiameter, {std::string(Trimmed(fields[1])), symbol}});
    d.inputs.diameterPos = row;
    d.inputs.wireDiaText = diameterTexts_[static_cast<std::size_t>(recordNo)][static_cast<std::size_t>(row)];

    d.start.diaMode = DiameterModeOf(fields[2]);
    d.inputs.coilDiaText = fields[3];
    d.inputs.turnsText = fields[4];
    d.inputs.arm1Text = fields[5];
    d.inputs.arm2Text = fields[6];
    d.start.inputMode = LoadModeOf(fields[7]);
    // The boxes that only display hold 0 until the calculation has filled them.
    const bool anglesGiven = d.start.inputMode == 1;
    d.inputs.angle1Text = anglesGiven ? std::string(fields[8]) : "0";
    d.inputs.angle2Text = anglesGiven ? std::string(fields[9]) : "0";
    d.inputs.moment1Text = anglesGiven ? "0" : std::string(fields[8]);
    d.inputs.moment2Text = anglesGiven ? "0" : std::string(fields[9]);
    d.inputs.outward = FlagOf(fields[10]);
    d.inputs.leftHand = FlagOf(fields[11]);
    if (fields.size() > 12) d.options.practice = PracticeOf(fields[12]);
    if (fields.size() > 13) d.options.temperature = TemperatureOf(fields[13]);
    const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); };
    for (std::size_t leg = 0; leg < 2; ++leg) {
        LegEnd& end = d.options.legs[leg];
        end.shape = LegShapeOf(field(14 + leg), line_, kBatchInputColumns[14 + leg]);
        const std::string_view column = kBatchInputColumns[16 + leg];
        const std::optional<double> radius = LengthOf(field(16 + leg), line_, column);
        if (IsBent(end.shape) && !radius)
            throw ColumnError(line_, column, {kBendRadiusNeeded, {std::string(LegShapeKey(end.shape))}});
        if (!IsBent(end.shape) && radius)
            throw ColumnError(line_, column, {kBendRadiusRefused, {std::string(LegShapeKey(end.shape))}});
        end.bendRadius = radius.value_or(0);
    }
    d.options.pitchGap = LengthOf(field(18), line_, "pitch_gap").value_or(0);
    return d;
}

Evaluation BatchCalculator::Calculate(const BatchDesign& design) const {
    DesignCase c = design.start;
    ReadDiameters(c, table_, index_, design.inputs);
    ReadOperatingInputs(c, design.inputs);
    if (design.options.pitchGap != 0 && !PitchGapAllowed(design.options.pitchGap, c.meanDia))
        throw ColumnError(line_, "pitch_gap",
                          {kGapBeyondCoil, {FormatShort(design.options.pitchGap), FormatShort(c.meanDia)}});
    // The output has the check's numbers only: its row texts are not made.
    EvaluationOptions evaluation{options_.grade, options_.dynamics, design.options};
    evaluation.rowTexts = RowTexts::Skipped;
    return EvaluateDesign(c, table_, evaluation);
}

std::string BatchCalculator::OutputHeader() {
    std::string header;
    for (std::string_view column : kBatchInputColumns) {
        header += column;
        header += ',';
    }
    for (std::size_t i = 0; i < kResultCount; ++i) {
        header += kResultColumns[i];
        if (i + 1 < kResultCount) header += ',';
    }
    return header;
}

bool BatchCalculator::CalculateLine(std::string_view line, std::string& out) {
    SplitCsvLine(line, fields_, scratch_);
    for (std::size_t i = 0; i < kBatchInputColumns.size(); ++i) {
        if (i < fields_.size()) AppendCsvField(out, fields_[i]);
        out += ',';
    }
    try {
        const Evaluation r = Calculate(DesignOf(fields_));
        const DesignCase& c = r.design;
        for (double value : {c.innerDia, c.meanDia, c.outerDia, c.springIndex, c.stressFactor, c.springConst,
                             c.angle1, c.angle2, c.moment1, c.moment2, c.stress1, c.stress2, c.allowStress,
                             c.maxAngle, c.maxMoment, c.guideRodDia}) {
            AppendRoundTrip(out, value);
            out += ',';
        }
        out += std::to_string(c.lifeClass);
        out += ',';
        out += LifeLabel(c.lifeClass);
        out += ',';
        // A grade outside 1..3 has no check: its fields stay empty.
        static const ManufacturingCheck kNoCheck;
        const ManufacturingCheck& m = r.manufacturing ? *r.manufacturing : kNoCheck;
        const CharacteristicVariation& v = m.variation;
        for (double value :
             {v.rateWorst.low, v.rateWorst.high, v.moments[1].worst.low, v.moments[1].worst.high,
              m.dynamics.naturalFrequency, m.dynamics.frequencyRatio}) {
            if (std::isfinite(value)) AppendRoundTrip(out, value);
            out += ',';
        }
        if (m.wire.standard.state != StandardWireState::Unknown)
            out += m.wire.standard.state == StandardWireState::Standard ? '1' : '0';
        out += ',';
        AppendCsvField(out, JoinedChecks(r.checks));
        out += ",\n";
        return true;
    } catch (const CommandError& e) {
        out.append(kResultCount - 1, ',');
        AppendCsvField(out, e.message());
        out += '\n';
        return false;
    }
}

std::string BatchCalculator::CompareHeader() {
    std::string header;
    for (std::string_view column : kBatchInputColumns) {
        header += column;
        header += ',';
    }
    for (std::size_t i = 0; i < kCompareCount; ++i) {
        header += kCompareColumns[i];
        if (i + 1 < kCompareCount) header += ',';
    }
    return header;
}

std::size_t BatchCalculator::ColumnCount() const {
    return kBatchInputColumns.size() + (options_.compare ? kCompareCount : kResultCount);
}

bool BatchCalculator::CompareLine(std::string_view line, std::string& out) {
    SplitCsvLine(line, fields_, scratch_);
    std::string inputs;
    for (std::size_t i = 0; i < kBatchInputColumns.size(); ++i) {
        if (i < fields_.size()) AppendCsvField(inputs, fields_[i]);
        inputs += ',';
    }
    try {
        const BatchDesign design = DesignOf(fields_);
        const Evaluation r = Calculate(design);
        const PracticeComparison compared = ComparePractices(r.design, table_, design.options);
        const DesignCase& chosen = compared.of(compared.chosen).design;
        const PracticeOutcome& chosenOutcome = compared.of(compared.chosen).practice;
        std::string lines;
        for (const Practice p : kAllPractices) {
            const Evaluation& e = compared.of(p);
            const DesignCase& c = e.design;
            const bool limit = e.practice.limitPublished;
            const bool bothLimits = limit && chosenOutcome.limitPublished;
            const double nan = std::nan("");
            lines += inputs;
            lines += PracticeKey(p);
            lines += ',';
            lines += p == compared.chosen ? "1," : "0,";
            for (double value : {c.springConst, c.moment1, c.moment2, c.stress2, e.practice.appliedFactor})
                AppendNumberField(lines, value);
            for (double value : {c.allowStress, c.maxAngle, c.maxMoment, e.practice.safetyFactor})
                AppendNumberField(lines, limit ? value : nan);
            AppendCsvField(lines, FatigueVerdictText(e.practice.fatigue).Japanese());
            lines += ',';
            AppendNumberField(lines, PercentDifference(c.springConst, chosen.springConst));
            AppendNumberField(lines, PercentDifference(c.moment2, chosen.moment2));
            AppendNumberField(lines, PercentDifference(c.stress2, chosen.stress2));
            for (auto field : {&DesignCase::allowStress, &DesignCase::maxAngle, &DesignCase::maxMoment})
                AppendNumberField(lines, bothLimits ? PercentDifference(c.*field, chosen.*field) : nan);
            // The stress at each bent leg's bend (empty for a leg without a bend).
            for (int leg : {1, 2}) AppendNumberField(lines, BendStressAt(e.bends, leg));
            for (int leg : {1, 2})
                AppendNumberField(lines,
                                  PercentDifference(BendStressAt(e.bends, leg),
                                                    BendStressAt(compared.of(compared.chosen).bends, leg)));
            AppendCsvField(lines, JoinedChecks(e.checks));
            lines += ",\n";
        }
        out += lines;
        return true;
    } catch (const CommandError& e) {
        out += inputs;
        out.append(kCompareCount - 1, ',');
        AppendCsvField(out, e.message());
        out += '\n';
        return false;
    }
}

namespace {

// Lines of in without their "\n", at most kMaxBatchLineBytes of each: the rest of a
// longer line is skipped without being kept in memory and the line is reported too long.
enum class LineRead { Line, TooLong, End };
class LineReader {
  public:
    explicit LineReader(std::istream& in) : in_(in), buffer_(kMaxBatchLineBytes + 1) {}
    LineRead Next() {
        in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        const auto count = static_cast<std::size_t>(in_.gcount());
        if (in_.bad() || (count == 0 && in_.eof())) return LineRead::End;
        if (in_.fail() && !in_.eof()) {
            // The buffer filled before the line ended.
            in_.clear();
            in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            line_ = {};
            return LineRead::TooLong;
        }
        // count includes the "\n" that ended the line, if one did.
        line_ = std::string_view(buffer_.data(), in_.eof() ? count : count - 1);
        in_.clear(in_.rdstate() & std::ios::eofbit);
        return LineRead::Line;
    }
    std::string_view line() const { return line_; }

  private:
    std::istream& in_;
    std::vector<char> buffer_;
    std::string_view line_;
};

void AppendFailedRow(std::string& out, std::size_t columns, const std::string& message) {
    out.append(columns - 1, ',');
    AppendCsvField(out, message);
    out += '\n';
}

}  // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, BatchCalculator& calculator) {
    BatchSummary summary;
    std::string buffer = calculator.Header() + "\n";
    LineReader lines(in);
    bool first = true;
    long long lineNo = 0;
    for (LineRead read; (read = lines.Next()) != LineRead::End;) {
        calculator.AtLine(++lineNo);
        std::string_view view = lines.line();
        if (first && view.starts_with(kUtf8Bom)) view.remove_prefix(kUtf8Bom.size());
        first = false;
        if (read == LineRead::TooLong) {
            ++summary.rows;
            ++summary.failed;
            AppendFailedRow(buffer, calculator.ColumnCount(),
                            "行が長すぎます（" + std::to_string(kMaxBatchLineBytes) + " バイトまで）");
        } else {
            if (view.ends_with('\r')) view.remove_suffix(1);
            const std::string_view content = Trimmed(view);
            if (content.empty() || content.front() == '#') continue;
            if (content.starts_with("symbol,") || content == "symbol") continue;
            ++summary.rows;
            // Bytes that are not UTF-8 are not copied into the output.
            if (!IsUtf8(view)) {
                ++summary.failed;
                AppendFailedRow(buffer, calculator.ColumnCount(), "行に UTF-8 でない文字があります");
            } else if (!calculator.ProcessLine(view, buffer)) {
                ++summary.failed;
            }
        }
        if (buffer.size() >= 1 << 16) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    return summary;
}

}  // namespace torsion
