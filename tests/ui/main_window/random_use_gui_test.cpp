// Thousands of random user actions on the real windows from a fixed seed: hostile
// texts in every box and grid cell, mode switches, list choices, calculations, the
// history slots, case and material files read and written, and restarts on damaged
// data files. A crash or a sanitizer report ends the program; besides that the run
// fails on a message the program does not have, on a table whose bytes do not survive
// a decode and encode, on a read that does not copy the file over the table, and on a
// save that reports success with a file that differs from memory or that fails and
// still changes the file. What the main window shows is checked against the one
// evaluation of the inputs it shows after every action, and every report and data
// sheet made against the inputs it prints.
//
// TS_RANDOM_SEED and TS_RANDOM_ACTIONS change the run; TS_RANDOM_VERBOSE=1 prints
// every action as it starts, so the last line before a crash names it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/base/number_text.h"
#include "core/materials/coefficients.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/pdf_tools.h"
#include "tests/support/printed_results.h"
#include "tests/support/typing.h"
#include "tests/support/visible_state.h"
#include "ui/common/settings.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/exports.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/title_block_dialog.h"
#include "ui/main_window/tool_windows.h"
#include "ui/main_window/vek.h"
#include "ui/print/prin.h"
#include "ui/print/window_print.h"
#include "ui/search/design_search_window.h"

using namespace torsion;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kDefaultSeed = 0x7D5EED01u;
constexpr int kDefaultActions = 5000;
// The captions of the recommended values and the spring index are checked with the
// results; TS_CHECK_CAPTIONS=0 leaves them out, and the run says whether they were.
const bool kCheckCaptions = qEnvironmentVariable("TS_CHECK_CAPTIONS") != QStringLiteral("0");

int EnvInt(const char* name, long long fallback) {
    bool ok = false;
    const long long v = qEnvironmentVariable(name).toLongLong(&ok, 0);
    return static_cast<int>(ok ? v : fallback);
}

std::optional<Bytes> FileBytes(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray all = f.readAll();
    return Bytes(all.begin(), all.end());
}

void WriteBytes(const QString& path, const Bytes& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ADD_FAILURE() << "cannot prepare " << path.toStdString();
        return;
    }
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

Bytes CaseBytes(const CaseTable& t) {
    return EncodeCaseTable(t);
}
Bytes MaterialBytes(const MaterialTable& t) {
    return EncodeMaterialTable(t);
}

// ---- what the program may say -------------------------------------------------------

// The conversion errors name a text the user typed: it must be one the windows hold.
// File errors name a path: one the dialogs answered or a data file of the program.
struct MessageRules {
    QStringList texts;
    QStringList paths;
};

QString ThroughUtf8(const QString& s) {
    return QString::fromStdString(s.toStdString());
}

bool IsProgramMessage(const QString& m, const MessageRules& rules) {
    static const QStringList fixed = {
        QStringLiteral("0 による浮動小数点数除算"),
        QStringLiteral("不正な浮動小数点数演算命令"),
        QStringLiteral("浮動小数点数のオーバーフロー"),
        QStringLiteral("材料特性を変更した場合は、ソフトを一度終了して下さい！"),
        QStringLiteral("本当に現在のデーターNo.の内容を消去"),
        QStringLiteral("履歴が保存されていません。保存しますか？"),
        QString::fromUtf8(kNoPrinterQuestion),
        QString::fromUtf8(kExportRecalculatedNote),
        QStringLiteral("この寸法のばねは図にできません"),
        // The design search's refusals of its requirement.
        QStringLiteral("材料が選ばれていません"),
        QStringLiteral("必要トルク M2 は正の数にしてください"),
        QStringLiteral("ねじれ角 φ2 は正の数にしてください"),
        QStringLiteral("ねじれ角 φ1 が数ではありません"),
        QStringLiteral("ねじれ角 φ1 は φ2 以下にしてください"),
        QStringLiteral("M2 の許容差は 0 以上 100 未満の % で指定してください"),
        QStringLiteral("腕の長さは 0 以上にしてください"),
        QStringLiteral("巻数の範囲は 0 ≦ 最小 ≦ 最大 ≦ 10000 にしてください"),
        QStringLiteral("巻数の端数は 0 以上 1 未満にしてください"),
        QStringLiteral("巻数が 0 です"),
        QStringLiteral("外径の上限は 0（制限なし）以上にしてください"),
        QStringLiteral("案内棒径は 0 以上にしてください"),
        QStringLiteral("コイル径の刻みは 0.001 mm 以上 100 mm 以下にしてください"),
        QStringLiteral("探索範囲が広すぎます（コイル径の刻みを大きくしてください）"),
        QStringLiteral("材料表に探索できる材料がありません"),
        QStringLiteral("選んだ材料は材料表にありません"),
        QStringLiteral("選んだ材料には使える線径がありません"),
    };
    if (fixed.contains(m)) return true;
    const auto options = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression notFloat(QStringLiteral("^'(.*)' は浮動小数点数ではありません$"),
                                             options);
    static const QRegularExpression notInteger(QStringLiteral("^'(.*)' は整数ではありません$"), options);
    static const QRegularExpression cannotOpen(QStringLiteral("^ファイル (.*) は開けません$"), options);
    static const QRegularExpression cannotCreate(QStringLiteral("^ファイル (.*) を作成できません$"), options);
    static const QRegularExpression overwrite(
        QStringLiteral("^番号 ([0-9]+) には計算結果が記憶されています。上書きしますか？$"));
    if (overwrite.match(m).hasMatch()) return true;
    static const QRegularExpression missingRecent(
        QStringLiteral("^ファイル (.*) が見つかりません。最近使ったファイルから外します。$"), options);
    static const QRegularExpression foreignCases(
        QStringLiteral("^ファイル (.*) は履歴ファイルではない可能性があります。読み込みますか？$"), options);
    // The coefficient editor's question about values outside their hints.
    static const QRegularExpression outsideHint(
        QStringLiteral("^(「[^」\n]+」の [^ \n]+ は、目安（[^）\n]+）の外です。\n)+このまま保存しますか？$"));
    if (outsideHint.match(m).hasMatch()) return true;
    for (const QRegularExpression* typed : {&notFloat, &notInteger}) {
        const auto match = typed->match(m);
        if (!match.hasMatch()) continue;
        for (const QString& t : rules.texts)
            if (ThroughUtf8(t) == match.captured(1)) return true;
        return false;
    }
    for (const QRegularExpression* file : {&cannotOpen, &cannotCreate, &foreignCases, &missingRecent}) {
        const auto match = file->match(m);
        if (match.hasMatch()) return rules.paths.contains(match.captured(1));
    }
    return false;
}

// Answers like FakeDialogs and checks every message the moment it is shown, while the
// windows still hold the texts it names.
class CheckingDialogs : public FakeDialogs {
  public:
    std::function<MessageRules(QWidget*)> rules;
    QStringList strayMessages;
    QStringList answeredPaths;

    void showError(QWidget* w, const QString& m) override {
        FakeDialogs::showError(w, m);
        check(w, m);
    }
    void showInformation(QWidget* w, const QString& m) override {
        FakeDialogs::showInformation(w, m);
        check(w, m);
    }
    bool confirm(QWidget* w, const QString& m) override {
        check(w, m);
        return FakeDialogs::confirm(w, m);
    }
    Answer askYesNoCancel(QWidget* w, const QString& m) override {
        check(w, m);
        return FakeDialogs::askYesNoCancel(w, m);
    }
    QString openFileName(QWidget* w, const QString& f, const QString& i) override {
        const QString n = FakeDialogs::openFileName(w, f, i);
        if (!n.isEmpty()) answeredPaths << n;
        return n;
    }
    QString saveFileName(QWidget* w, const QString& f, const QString& i) override {
        const QString n = FakeDialogs::saveFileName(w, f, i);
        if (!n.isEmpty()) answeredPaths << n;
        return n;
    }
    // Answers not taken by a command that ended early must not reach the next one.
    void forgetAnswers() {
        openNames.clear();
        saveNames.clear();
        confirmAnswers.clear();
        yesNoCancelAnswers.clear();
    }

  private:
    void check(QWidget* parent, const QString& m) {
        MessageRules r = rules ? rules(parent) : MessageRules{};
        r.paths << answeredPaths;
        if (!IsProgramMessage(m, r)) strayMessages << m;
    }
};

// ---- hostile values -------------------------------------------------------------------

const int kInts[] = {std::numeric_limits<std::int32_t>::min(),
                     -1,
                     0,
                     1,
                     2,
                     3,
                     7,
                     8,
                     9,
                     10,
                     11,
                     29,
                     30,
                     31,
                     49,
                     50,
                     51,
                     255,
                     1 << 20,
                     std::numeric_limits<std::int32_t>::max()};

double HostileDouble(std::mt19937& rng) {
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             0.0,
                             -0.0,
                             1e308,
                             -1e308,
                             std::numeric_limits<double>::denorm_min(),
                             1e-300,
                             1.0,
                             -1.0,
                             0.5,
                             10.0,
                             2147483648.0,
                             1e15};
    if (rng() % 3 == 0) {
        std::uniform_real_distribution<double> mantissa(-10, 10);
        std::uniform_int_distribution<int> exponent(-12, 12);
        return mantissa(rng) * std::pow(10.0, exponent(rng));
    }
    return values[rng() % std::size(values)];
}

int HostileInt(std::mt19937& rng) {
    if (rng() % 4 == 0) return static_cast<int>(rng());
    return kInts[rng() % std::size(kInts)];
}

QString RandomNumberText(std::mt19937& rng) {
    std::uniform_real_distribution<double> mantissa(-1000, 1000);
    std::uniform_int_distribution<int> exponent(-330, 330);
    double v = mantissa(rng);
    if (rng() % 3 == 0) v *= std::pow(10.0, exponent(rng));
    const char formats[] = {'g', 'e', 'f', 'G', 'E'};
    const char format = formats[rng() % std::size(formats)];
    const int precision = static_cast<int>(rng() % 20);
    return QString::number(v, format, format == 'f' ? precision % 8 : precision);
}

QString RandomSoup(std::mt19937& rng, int length) {
    // Control characters, ASCII, Japanese, half-width katakana, symbols, surrogates.
    static const char16_t ranges[][2] = {
        {0x01, 0x1F},     {0x20, 0x7E},     {0x7F, 0x9F},     {0x3041, 0x3096}, {0x4E00, 0x4F00},
        {0xFF61, 0xFF9F}, {0xFF01, 0xFF5E}, {0x2000, 0x206F}, {0xD800, 0xDFFF}, {0xFFFD, 0xFFFF}};
    QString s;
    for (int i = 0; i < length; ++i) {
        const auto& r = ranges[rng() % std::size(ranges)];
        s += QChar(static_cast<char16_t>(r[0] + rng() % (r[1] - r[0] + 1)));
    }
    return s;
}

QString HostileText(std::mt19937& rng) {
    static const QStringList fixed = {
        QString(),
        QStringLiteral("abc"),
        QStringLiteral("1e999"),
        QStringLiteral("-1e999"),
        QStringLiteral("-0"),
        QStringLiteral("nan"),
        QStringLiteral("NaN"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("0"),
        QStringLiteral("0.0"),
        QStringLiteral(" 0"),
        QStringLiteral("1"),
        QStringLiteral("1.0"),
        QStringLiteral("-5"),
        QStringLiteral("10"),
        QStringLiteral("12"),
        QStringLiteral("35"),
        QStringLiteral("1.3"),
        QStringLiteral("50"),
        QStringLiteral("100"),
        QStringLiteral("1e308"),
        QStringLiteral("1.7976931348623157e308"),
        QStringLiteral("1.8e308"),
        QStringLiteral("4.9e-324"),
        QStringLiteral("1e-320"),
        QStringLiteral("1e-400"),
        QStringLiteral("2.2250738585072014e-308"),
        QStringLiteral("+"),
        QStringLiteral("-"),
        QStringLiteral("."),
        QStringLiteral("e"),
        QStringLiteral("1e"),
        QStringLiteral("1e+"),
        QStringLiteral(".5"),
        QStringLiteral("5."),
        QStringLiteral("1,5"),
        QStringLiteral("１２"),
        QStringLiteral("0x1A"),
        QStringLiteral("  12.5  "),
        QStringLiteral("\t3"),
        QStringLiteral("2147483647"),
        QStringLiteral("2147483648"),
        QStringLiteral("-2147483648"),
        QStringLiteral("-2147483649"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("0.000000000000000000000000000001"),
        QStringLiteral("ばね"),
        QStringLiteral("ピアノ線SWP-A"),
        QStringLiteral("ｺｲﾙ"),
        QStringLiteral("😀"),
        QString(QChar(0xD800)),
        QStringLiteral("\x01\x02\x7f"),
        QStringLiteral("a\nb\r\n"),
        QStringLiteral("%s"),
        QStringLiteral("%n%s%x%d"),
        QStringLiteral("'"),
        QStringLiteral("\"\\"),
        QStringLiteral("1e-5"),
        QStringLiteral("123456789012345678901234567890"),
    };
    switch (rng() % 8) {
        case 0:
        case 1:
        case 2:
            return fixed[static_cast<int>(rng() % fixed.size())];
        case 3:
        case 4:
            return RandomNumberText(rng);
        case 5: {
            // Very long: digits (a number with hundreds of places) or a repeated pattern.
            const int length = 100 + static_cast<int>(rng() % 4000);
            if (rng() % 2 == 0) return QStringLiteral("1") + QString(length, QChar(u'0'));
            if (rng() % 2 == 0)
                return QStringLiteral("0.") + QString(length, QChar(u'0')) + QStringLiteral("1");
            return QStringLiteral("ばね12.5").repeated(length / 6);
        }
        case 6:
            return QString::number(static_cast<int>(rng() % 200) - 20);
        default:
            return RandomSoup(rng, 1 + static_cast<int>(rng() % 30));
    }
}

// ---- damaged files ---------------------------------------------------------------------

Bytes RandomBytes(std::mt19937& rng, std::size_t size) {
    Bytes b(size);
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    return b;
}

Bytes DamagedCaseFile(std::mt19937& rng, const CaseTable& current) {
    Bytes whole = CaseBytes(current);
    switch (rng() % 7) {
        case 0:
            return RandomBytes(rng, rng() % 8000);
        case 1:
            whole.resize(rng() % (whole.size() + 1));
            return whole;
        case 2:
            return Bytes(rng() % 2 == 0 ? kCaseTableSize : kDesignCaseSize, 0);
        case 3: {
            Bytes longer = whole;
            const Bytes tail = RandomBytes(rng, 56);
            longer.insert(longer.end(), tail.begin(), tail.end());
            return longer;
        }
        case 4:
            for (int i = 0; i < 20; ++i) whole[rng() % whole.size()] = static_cast<std::uint8_t>(rng());
            return whole;
        default: {
            // Fields out of every range a window uses as an index or a switch.
            CaseTable t = current;
            const int changes = 1 + static_cast<int>(rng() % 8);
            for (int i = 0; i < changes; ++i) {
                DesignCase& c = t[rng() % kCaseSlots];
                c.used = rng() % 3 == 0 ? HostileInt(rng) : 1;
                switch (rng() % 12) {
                    case 0:
                        c.materialNo = HostileInt(rng);
                        break;
                    case 1:
                        c.wireDiaIndex = HostileInt(rng);
                        break;
                    case 2:
                        c.diaMode = HostileInt(rng);
                        break;
                    case 3:
                        c.lifeClass = HostileInt(rng);
                        break;
                    case 4:
                        c.inputMode = HostileInt(rng);
                        break;
                    case 5:
                        c.wireDia = HostileDouble(rng);
                        break;
                    case 6:
                        c.meanDia = c.innerDia = c.outerDia = HostileDouble(rng);
                        break;
                    case 7:
                        c.turns = HostileDouble(rng);
                        break;
                    case 8:
                        c.angle1 = HostileDouble(rng);
                        c.angle2 = HostileDouble(rng);
                        break;
                    case 9:
                        c.moment1 = HostileDouble(rng);
                        c.moment2 = HostileDouble(rng);
                        break;
                    case 10:
                        c.stress1 = HostileDouble(rng);
                        c.stress2 = HostileDouble(rng);
                        break;
                    default:
                        c.allowStress = HostileDouble(rng);
                        c.springConst = HostileDouble(rng);
                        c.arm1 = HostileDouble(rng);
                        c.arm2 = HostileDouble(rng);
                        c.outward = static_cast<std::uint8_t>(rng());
                        c.leftHand = static_cast<std::uint8_t>(rng());
                        break;
                }
            }
            return CaseBytes(t);
        }
    }
}

Bytes DamagedMaterialFile(std::mt19937& rng, const MaterialTable& current) {
    Bytes whole = MaterialBytes(current);
    switch (rng() % 6) {
        case 0:
            return RandomBytes(rng, rng() % 60000);
        case 1:
            whole.resize(rng() % (whole.size() + 1));
            return whole;
        case 2:
            for (int i = 0; i < 50; ++i) whole[rng() % whole.size()] = static_cast<std::uint8_t>(rng());
            return whole;
        default: {
            MaterialTable t = current;
            const int changes = 1 + static_cast<int>(rng() % 10);
            for (int i = 0; i < changes; ++i) {
                MaterialRecord& r = t[rng() % kMaterialRecords];
                switch (rng() % 8) {
                    case 0:
                        r.kindNo = HostileInt(rng);
                        break;
                    case 1:
                        r.rowCount = HostileInt(rng);
                        break;
                    case 2:
                        r.torsionRatio = HostileInt(rng);
                        r.bendingRatio = HostileInt(rng);
                        break;
                    case 3:
                        r.kindName[0] = static_cast<std::uint8_t>(rng());
                        r.symbol[0] = static_cast<std::uint8_t>(rng());
                        for (std::size_t k = 1; k < r.symbol.size(); ++k)
                            r.symbol[k] = static_cast<std::uint8_t>(rng());
                        break;
                    case 4:
                        r.youngModulus = HostileDouble(rng);
                        r.shearModulus = HostileDouble(rng);
                        break;
                    case 5:
                        for (double& d : r.diameter) d = rng() % 2 == 0 ? HostileDouble(rng) : d;
                        break;
                    case 6:
                        for (double& d : r.tensileStrength) d = rng() % 2 == 0 ? HostileDouble(rng) : d;
                        for (double& d : r.allowBending) d = rng() % 2 == 0 ? HostileDouble(rng) : d;
                        break;
                    default:
                        r = MaterialRecord{};
                        r.kindNo = rng() % 2 == 0 ? kEmptyKindNo : HostileInt(rng);
                        break;
                }
            }
            return MaterialBytes(t);
        }
    }
}

// A cell editor that a move of the current cell closed is deleted as soon as the event
// loop runs, which it does between any two user actions.
void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- the session -----------------------------------------------------------------------

class RandomSession {
  public:
    RandomSession(std::uint32_t seed, bool verbose) : rng_(seed), verbose_(verbose) {
        dataDir_ = QStringLiteral(TS_DATA_DIR);
        defaultTable_ = FileBytes(QDir(dataDir_).filePath(QStringLiteral("zaidat.dst"))).value_or(Bytes{});
        defaultCoefficients_ =
            FileBytes(QDir(dataDir_).filePath(QStringLiteral("keisuu.dat"))).value_or(Bytes{});
        QDir(folder_.path()).mkpath(QStringLiteral("adir"));
        WriteBytes(path(QStringLiteral("plainfile")), Bytes{1, 2, 3});
        dialogs_.rules = [this](QWidget* parent) { return rules(parent); };
        start(true);
    }

    ~RandomSession() { stop(); }

    bool ready() const { return !defaultTable_.empty() && folder_.isValid(); }
    const std::map<std::string, int>& counts() const { return counts_; }
    // How the program answered: each message kind with its number, so that a run shows
    // how far the actions got past the input checks.
    std::map<std::string, int> messageKinds() const {
        std::map<std::string, int> kinds;
        static const QRegularExpression typedText(QStringLiteral("^'.*' "),
                                                  QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression fileName(QStringLiteral("^ファイル .* "));
        for (QString m :
             dialogs_.errors + dialogs_.informations + dialogs_.confirmations + dialogs_.questions) {
            m.replace(typedText, QStringLiteral("'…' ")).replace(fileName, QStringLiteral("ファイル … "));
            ++kinds[m.toStdString()];
        }
        kinds["(calculations that reached the checks: " + std::to_string(calculationsChecked_) + ")"] = 0;
        kinds["(reports and data sheets checked: " + std::to_string(printoutsChecked_) + ")"] = 0;
        kinds["(calculations after which the wire list showed another diameter: " +
              std::to_string(wireListMoved_) + ")"] = 0;
        kinds[active_ ? "(focus moves between controls)" : "(window never active: no focus moves)"] = 0;
        return kinds;
    }
    int failures() const { return failures_; }

    void step(int index) {
        index_ = index;
        const int pick = static_cast<int>(rng_() % totalWeight());
        int sum = 0;
        for (const Action& a : actions()) {
            sum += a.weight;
            if (pick < sum) {
                run(a);
                break;
            }
        }
    }

    // Checks at the end: nothing left behind by the replacing writes.
    void finish() {
        const QStringList leftovers =
            QDir(folder_.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
        if (!leftovers.isEmpty()) fail("temporary files left: " + leftovers.join(u' ').toStdString());
    }

  private:
    struct Action {
        const char* name;
        int weight;
        void (RandomSession::*run)();
    };

    static const std::vector<Action>& actions() {
        static const std::vector<Action> list = {
            {"type into a main box", 44, &RandomSession::typeMainBox},
            {"leave a diameter or turns box", 6, &RandomSession::leaveBox},
            {"calculate", 18, &RandomSession::calculate},
            {"diameter switch", 8, &RandomSession::diameterSwitch},
            {"angle/load switch", 6, &RandomSession::angleLoadSwitch},
            {"switch the unit", 4, &RandomSession::switchUnit},
            {"check box", 8, &RandomSession::toggleCheckBox},
            {"choose a list entry", 14, &RandomSession::chooseListEntry},
            {"apply a recommended value", 6, &RandomSession::applyRecommended},
            {"type a slot number", 8, &RandomSession::typeSlotNumber},
            {"store into a slot", 10, &RandomSession::store},
            {"recall a slot", 10, &RandomSession::recall},
            {"click the history grid", 10, &RandomSession::clickGrid},
            {"switch page", 2, &RandomSession::switchPage},
            {"read a case file", 8, &RandomSession::readCaseFile},
            {"save a case file", 8, &RandomSession::saveCaseFile},
            {"copy to the clipboard", 4, &RandomSession::copy},
            {"fill the print page", 2, &RandomSession::fillPrintPage},
            {"paint the windows", 2, &RandomSession::paint},
            {"try to close", 2, &RandomSession::tryClose},
            {"type into an editor box", 16, &RandomSession::typeEditorBox},
            {"type into an editor cell", 24, &RandomSession::typeEditorCell},
            {"next or previous record", 8, &RandomSession::moveRecord},
            {"insert or delete a row", 10, &RandomSession::insertOrDeleteRow},
            {"erase a record", 4, &RandomSession::eraseRecord},
            {"kind number", 6, &RandomSession::kindNumber},
            {"clear the comments", 2, &RandomSession::clearComments},
            {"load a material table", 6, &RandomSession::loadMaterialTable},
            {"save the material table", 6, &RandomSession::saveMaterialTable},
            {"type a coefficient", 8, &RandomSession::typeCoefficient},
            {"set the coefficients", 6, &RandomSession::setCoefficients},
            {"restart on damaged data files", 2, &RandomSession::restart},
            // Printouts, exports, the design search and the sequences: slower, so rarer.
            {"report as PDF", 1, &RandomSession::reportPdf},
            {"data sheet", 1, &RandomSession::dataSheet},
            {"export CSV or DXF", 1, &RandomSession::exportFile},
            {"design search", 1, &RandomSession::designSearch},
            {"tolerance grade", 1, &RandomSession::toleranceGrade},
            {"recent file", 1, &RandomSession::recentFile},
            {"title block", 1, &RandomSession::titleBlock},
            {"turns, Tab, Ctrl+S, report", 1, &RandomSession::turnsTabSaveReport},
            {"store, change, recall", 1, &RandomSession::storeChangeRecall},
            {"full-width digits then calculate", 1, &RandomSession::fullWidthDigits},
        };
        return list;
    }
    static int totalWeight() {
        int sum = 0;
        for (const Action& a : actions()) sum += a.weight;
        return sum;
    }

    void run(const Action& a) {
        ++counts_[a.name];
        current_ = a.name;
        if (verbose_) std::cerr << "[" << index_ << "] " << a.name << std::endl;
        const int strayBefore = static_cast<int>(dialogs_.strayMessages.size());
        (this->*a.run)();
        dialogs_.forgetAnswers();
        QCoreApplication::processEvents();
        FlushDeletes();
        for (int i = strayBefore; i < dialogs_.strayMessages.size(); ++i)
            fail("message the program does not have: " + dialogs_.strayMessages[i].toStdString());
        checkRoundTrips();
        checkVisible();
        recent_.push_back(std::to_string(index_) + " " + a.name + detail_);
        detail_.clear();
        if (recent_.size() > 12) recent_.pop_front();
    }

    void fail(const std::string& what) {
        ++failures_;
        std::string trail;
        for (const std::string& r : recent_) trail += "\n  " + r;
        ADD_FAILURE() << "action " << index_ << " (" << current_ << detail_ << "): " << what
                      << "\nearlier actions:" << trail;
    }

    // Every table the windows hold must give back its bytes through decode and encode.
    void checkRoundTrips() {
        const Bytes cases = CaseBytes(main_->cases());
        CaseTable decoded{};
        OverlayCaseTable(decoded, cases);
        if (CaseBytes(decoded) != cases) fail("case table does not round-trip");

        const Bytes table = MaterialBytes(materials_);
        MaterialTable decodedTable{};
        OverlayMaterialTable(decodedTable, table);
        if (MaterialBytes(decodedTable) != table) fail("material table does not round-trip");

        const Bytes coefficients = EncodeCoefficients(coefficients_);
        CoefficientRecord decodedCoefficients{};
        OverlayCoefficients(decodedCoefficients, coefficients);
        if (EncodeCoefficients(decodedCoefficients) != coefficients) fail("coefficients do not round-trip");

        if (dataMake_->editRecordNo() < 0 || dataMake_->editRecordNo() >= kMaterialRecords)
            fail("editor record number out of range");
    }

    // ---- what the main window shows --------------------------------------------------

    // While the inputs shown are those of the last calculation that ended without an
    // error, every result, caption and message shown is what they give through the one
    // evaluation.
    void checkVisible() {
        if (!calculated_) return;
        const VisibleState now = SnapshotOf(*main_);
        if (!SameInputs(*calculated_, now) || MaterialBytes(materials_) != calculatedTable_) {
            calculated_.reset();
            return;
        }
        const std::optional<QStringList> wrong = ResultsDisagreeing(*main_, kCheckCaptions);
        // A derived angle or moment that is no number shows as an empty box, which no
        // calculation reads back.
        const bool emptyResult =
            std::any_of(InputControls().begin(), InputControls().end(),
                        [&now](const QString& name) { return now.shown.at(name).isEmpty(); });
        if (!wrong && emptyResult) {
            calculated_.reset();
        } else if (!wrong) {
            fail("the inputs of a calculation without error do not read as a case");
        } else {
            for (const QString& line : *wrong) fail("shown: " + line.toStdString());
        }
        if (!wrong || !wrong->isEmpty()) calculated_.reset();  // named once
    }

    // The slot number the main window reads, when it is one of the history.
    std::optional<int> shownSlot() {
        bool ok = false;
        const int slot = mainChild<QSpinBox>(QStringLiteral("SpinEdit1"))->cleanText().trimmed().toInt(&ok);
        if (!ok || slot < 1 || slot >= kCaseSlots) return std::nullopt;
        return slot;
    }
    Bytes slotBytes(int slot) const {
        const Bytes all = CaseBytes(main_->cases());
        const auto from =
            all.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(slot) * kDesignCaseSize);
        return Bytes(from, from + kDesignCaseSize);
    }

    // A recalled case shows what the window showed when it was stored.
    void checkRecalled(int slot) {
        const auto found = stored_.find(slot);
        if (found == stored_.end()) return;
        const Stored& was = found->second;
        if (slotBytes(slot) != was.bytes || MaterialBytes(materials_) != was.table) {
            stored_.erase(found);  // replaced since: by a file, a grid edit or a new table
            return;
        }
        if (slotBytes(0) != was.bytes) return;  // nothing recalled
        const VisibleState now = SnapshotOf(*main_);
        if (now.unit != was.view.unit) return;
        QStringList controls = CaseControls();
        if (!kCheckCaptions)
            for (const QString& caption : CaptionControls()) controls.removeAll(caption);
        const QStringList differences = Differences(was.view, now, controls);
        for (const QString& line : differences)
            fail("recalled slot " + std::to_string(slot) + " shows " + line.toStdString());
        if (differences.isEmpty()) {
            calculated_ = now;
            calculatedTable_ = was.table;
        }
    }

    // The window showing the message counts too: at start-up it is not yet the session's.
    MessageRules rules(QWidget* parent) const {
        MessageRules r;
        r.paths << path(QStringLiteral("zaidat.dst")) << path(QStringLiteral("keisuu.dat"));
        std::vector<QWidget*> windows = {main_.get(), dataMake_, keisuu_};
        if (parent != nullptr) windows.push_back(parent->window());
        for (QWidget* w : windows) {
            if (w == nullptr) continue;
            for (QLineEdit* e : w->findChildren<QLineEdit*>()) r.texts << e->text();
            for (QComboBox* c : w->findChildren<QComboBox*>()) r.texts << c->currentText();
            for (QTableWidget* g : w->findChildren<QTableWidget*>())
                for (int row = 0; row < g->rowCount(); ++row)
                    for (int col = 0; col < g->columnCount(); ++col)
                        if (const QTableWidgetItem* item = g->item(row, col)) r.texts << item->text();
        }
        return r;
    }

    // ---- start and stop --------------------------------------------------------------

    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    void start(bool cleanFiles) {
        if (cleanFiles) {
            WriteBytes(path(QStringLiteral("zaidat.dst")), defaultTable_);
            WriteBytes(path(QStringLiteral("keisuu.dat")), defaultCoefficients_);
        }
        materials_ = MaterialTable{};
        kinds_ = KindIndex{};
        coefficients_ = CoefficientRecord{};
        main_ = std::make_unique<Tf_vek>(materials_, kinds_, coefficients_, dialogs_, folder_.path());
        main_->setSettings(settings_);
        dataMake_ = new Tdata_make(materials_, dialogs_, main_.get());
        keisuu_ = new Tkeisuu_make(coefficients_, dialogs_, folder_.path(), main_.get());
        printPage_ = new Tprinform(materials_, dialogs_, main_.get());
        main_->setToolWindows(dataMake_, keisuu_, printPage_);
        // The tool windows are shown without modality, so that nothing waits for them
        // and a cell editor opens as it does on screen; the main window then takes the
        // focus back.
        for (QDialog* tool : {static_cast<QDialog*>(dataMake_), static_cast<QDialog*>(keisuu_)}) {
            tool->setModal(false);
            tool->show();
        }
        listedTable_ = MaterialBytes(materials_);
        activate();
    }

    void stop() {
        if (!main_) return;
        main_->hide();
        main_.reset();
        dataMake_ = nullptr;
        keisuu_ = nullptr;
        printPage_ = nullptr;
    }

    void activate() {
        main_->show();
        main_->activateWindow();
        active_ = QTest::qWaitForWindowActive(main_.get(), 2000);
    }

    // Searched below the client area and the menu only: the tool windows, children of
    // the main window, reuse some of its control names.
    template <typename T = QLineEdit>
    T* mainChild(const QString& name) const {
        T* w = main_->centralWidget()->findChild<T*>(name);
        if (w == nullptr) ADD_FAILURE() << "no control " << name.toStdString();
        return w;
    }
    template <typename T>
    T pick(std::initializer_list<T> items) {
        return *(items.begin() + rng_() % items.size());
    }
    QAction* menuItem(const char* name) const {
        auto* item = main_->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
        if (item == nullptr) ADD_FAILURE() << "no menu item " << name;
        return item;
    }
    bool chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }

    // Types as the user would: one key or input-method commit per character; a text of
    // hundreds of characters is pasted.
    void typeInto(QLineEdit* box, const QString& text) {
        detail_ += " '" + text.left(40).toStdString() + (text.size() > 40 ? "...'" : "'");
        if (text.size() <= 100) {
            TypeOver(box, text);
        } else {
            box->selectAll();
            box->insert(text);
        }
    }

    // ---- main window -----------------------------------------------------------------

    void typeMainBox() {
        const char* names[] = {"Edit4",  "Edit5",  "Edit6",  "Edit7", "Edit12", "Edit13", "Edit18",
                               "Edit19", "Edit18", "Edit19", "Edit8", "Edit9",  "Edit10", "Edit11"};
        const QString name = QString::fromLatin1(names[rng_() % std::size(names)]);
        QLineEdit* box = mainChild(name);
        detail_ = " " + name.toStdString();
        if (box == nullptr || !box->isEnabled()) return;  // a disabled box takes no typing
        if (active_) box->setFocus(Qt::MouseFocusReason);
        typeInto(box, HostileText(rng_));
        // A result box typed over no longer shows the calculation.
        if (QStringList{QStringLiteral("Edit8"), QStringLiteral("Edit9"), QStringLiteral("Edit10"),
                        QStringLiteral("Edit11")}
                .contains(name))
            calculated_.reset();
        const int after = static_cast<int>(rng_() % 10);
        if (after < 4) {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (after < 7 && active_) {
            QWidget* other = mainChild<QWidget>(pick({QStringLiteral("Edit12"), QStringLiteral("Edit13"),
                                                      QStringLiteral("BitBtn2"), QStringLiteral("Edit8")}));
            other->setFocus(Qt::TabFocusReason);
        }
    }

    void leaveBox() {
        if (chance(50))
            main_->Edit18Exit();
        else
            main_->Edit19Exit();
    }

    void calculate() {
        const auto errors = dialogs_.errors.size();
        QTest::mouseClick(mainChild<QPushButton>(QStringLiteral("BitBtn2")), Qt::LeftButton);
        auto* list = mainChild<QListWidget>(QStringLiteral("ListBox1"));
        if (list->count() > 0 && main_->cases()[0].springConst != 0) ++calculationsChecked_;
        noteCalculation(errors);
    }
    // After a calculation without error the window shows it. Its lists are those of the
    // table at start-up: after the editor changed the table (a restart is asked for),
    // the lists and the table differ and nothing is checked.
    void noteCalculation(qsizetype errorsBefore) {
        calculated_.reset();
        const Bytes table = MaterialBytes(materials_);
        if (dialogs_.errors.size() != errorsBefore || table != listedTable_) return;
        // On a damaged table the wire list, refilled after the calculation, may show
        // another diameter than the one calculated (an open fault, counted in the
        // summary): nothing on screen is then checked against it.
        try {
            if (ParseNumber(mainChild<QComboBox>(QStringLiteral("ComboBox6"))->currentText().toStdString()) !=
                main_->cases()[0].wireDia) {
                ++wireListMoved_;
                return;
            }
        } catch (const CommandError&) {
            ++wireListMoved_;
            return;
        }
        calculated_ = SnapshotOf(*main_);
        calculatedTable_ = table;
    }
    void diameterSwitch() {
        QTest::mouseClick(mainChild<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    }
    void angleLoadSwitch() {
        menuItem("dlcheng")->trigger();
        calculated_.reset();  // the shown numbers are now read the other way round
    }
    void switchUnit() { menuItem(main_->unitSystem() == UnitSystem::SI ? "UnitKgf" : "UnitSI")->trigger(); }

    void toggleCheckBox() {
        QCheckBox* box = mainChild<QCheckBox>(chance(50) ? QStringLiteral("soto") : QStringLiteral("hidari"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }

    void chooseListEntry() {
        QComboBox* list = mainChild<QComboBox>(
            pick({QStringLiteral("ComboBox5"), QStringLiteral("ComboBox7"), QStringLiteral("ComboBox6")}));
        detail_ = " " + list->objectName().toStdString();
        if (chance(50) && list->count() > 0) {
            list->setCurrentIndex(static_cast<int>(rng_() % list->count()));
        } else {
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
            QTest::keyClick(list, keys[rng_() % std::size(keys)]);
        }
    }

    void applyRecommended() {
        QTest::mouseClick(mainChild<QToolButton>(chance(50) ? QStringLiteral("SpeedButton7")
                                                            : QStringLiteral("SpeedButton1")),
                          Qt::LeftButton);
    }

    void typeSlotNumber() {
        auto* spin = mainChild<QSpinBox>(QStringLiteral("SpinEdit1"));
        QLineEdit* text = spin->findChild<QLineEdit*>();
        const QString typed =
            pick({QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("31"),
                  QStringLiteral("-5"), QStringLiteral("x"), QString(), QStringLiteral("2147483648"),
                  QStringLiteral(" 7 "), QString::number(1 + rng_() % 30), QString::number(1 + rng_() % 30)});
        detail_ = " '" + typed.toStdString() + "'";
        if (chance(50)) {
            text->setText(typed);  // as typed, before the spin box corrects it
        } else {
            text->selectAll();
            if (!typed.isEmpty()) QTest::keyClicks(text, typed);
        }
        if (chance(30)) QTest::keyClick(spin, chance(50) ? Qt::Key_Up : Qt::Key_Down);
        if (chance(30) && active_) {
            spin->setFocus(Qt::MouseFocusReason);
            mainChild<QWidget>(QStringLiteral("Edit12"))->setFocus(Qt::TabFocusReason);
        }
    }

    void store() {
        // What the window shows of a case calculated without error is kept to compare
        // with its recall.
        checkVisible();
        const std::optional<int> slot = shownSlot();
        QTest::mouseClick(mainChild<QToolButton>(QStringLiteral("SpeedButton5")), Qt::LeftButton);
        if (!slot) return;
        stored_.erase(*slot);
        if (calculated_ && slotBytes(*slot) == slotBytes(0))
            stored_[*slot] = {SnapshotOf(*main_), slotBytes(*slot), MaterialBytes(materials_)};
    }
    void recall() {
        const std::optional<int> slot = shownSlot();
        QTest::mouseClick(mainChild<QToolButton>(QStringLiteral("SpeedButton6")), Qt::LeftButton);
        if (slot) checkRecalled(*slot);
    }

    void clickGrid() {
        auto* grid = mainChild<HistoryGrid>(QStringLiteral("sg1"));
        if (chance(70)) {
            const int row = static_cast<int>(rng_() % grid->rowCount());
            const int col = static_cast<int>(rng_() % grid->columnCount());
            detail_ = " row " + std::to_string(row) + " col " + std::to_string(col);
            const QModelIndex index = grid->model()->index(row, col);
            grid->scrollTo(index);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
            // Only a click on the slot's row recalls it (not one on the fixed column).
            if (row >= 2 && grid->currentRow() == row && grid->currentColumn() == col) checkRecalled(row - 1);
        } else {
            if (active_) grid->setFocus(Qt::TabFocusReason);
            const Qt::Key keys[] = {Qt::Key_Down,     Qt::Key_Up,     Qt::Key_Left, Qt::Key_Right,
                                    Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
            QTest::keyClick(grid, keys[rng_() % std::size(keys)]);
        }
    }

    void switchPage() {
        auto* pages = mainChild<QTabWidget>(QStringLiteral("PageControl1"));
        pages->setCurrentIndex(static_cast<int>(rng_() % 2));
    }

    QString caseFileName() {
        switch (rng_() % 8) {
            case 0:
                return QString();  // cancelled
            case 1:
                return path(QStringLiteral("no-such-folder/x.nbd"));
            case 2:
                return path(QStringLiteral("plainfile/x.nbd"));
            case 3:
                return path(QStringLiteral("adir"));
            case 4:
                return path(QStringLiteral("ケース 1.nbd"));
            case 5:
                return path(QStringLiteral("case1"));
            default:
                return path(QStringLiteral("case%1.nbd").arg(rng_() % 3));
        }
    }

    void readCaseFile() {
        QString name;
        if (chance(60)) {
            name = path(QStringLiteral("damaged%1.nbd").arg(rng_() % 4));
            WriteBytes(name, DamagedCaseFile(rng_, main_->cases()));
        } else {
            name = caseFileName();
        }
        readCaseFileNamed(name);
    }

    // The first min(size, 6944) bytes of a readable file replace the table's; a file
    // that cannot be read changes nothing and is reported.
    void readCaseFileNamed(const QString& name, QAction* command = nullptr) {
        detail_ += " " + QFileInfo(name).fileName().toStdString();
        const Bytes before = CaseBytes(main_->cases());
        const std::optional<Bytes> file = name.isEmpty() ? std::nullopt : FileBytes(name);
        const int errors = static_cast<int>(dialogs_.errors.size());
        if (command != nullptr) {
            command->trigger();  // a recent file: no dialog
        } else {
            if (!name.isEmpty()) dialogs_.openNames.push_back(name);
            menuItem("Edit2")->trigger();
        }
        calculated_.reset();  // the window shows the case read, with the results it holds
        const Bytes after = CaseBytes(main_->cases());
        if (file) {
            Bytes expected = before;
            std::copy_n(file->begin(), std::min(file->size(), expected.size()), expected.begin());
            // A file without a current case (slot 0 unused) keeps the one shown.
            if (DecodeDesignCase(expected.data()).used == 0)
                std::copy_n(before.begin(), kDesignCaseSize, expected.begin());
            if (after != expected) fail("reading a case file did not copy it over the table");
            if (dialogs_.errors.size() != errors) fail("reading a readable case file reported an error");
            // What was just read is in its file.
            if (file->size() >= kCaseTableSize && main_->historyUnsaved())
                fail("a history just read from a whole file counts as unsaved");
        } else {
            if (after != before) fail("a case file that could not be read changed the table");
            if (!name.isEmpty() && dialogs_.errors.size() != errors + 1)
                fail("an unreadable case file was not reported");
        }
    }

    void saveCaseFile() {
        const QString name = caseFileName();
        detail_ = " " + QFileInfo(name).fileName().toStdString();
        const std::optional<Bytes> before = name.isEmpty() ? std::nullopt : FileBytes(name);
        const int errors = static_cast<int>(dialogs_.errors.size());
        if (!name.isEmpty()) dialogs_.saveNames.push_back(name);
        menuItem("N3")->trigger();
        if (name.isEmpty()) return;
        const std::optional<Bytes> after = FileBytes(name);
        if (dialogs_.errors.size() == errors) {
            if (after != CaseBytes(main_->cases())) fail("a save reported no error but the file differs");
            // Reading the file back gives the same table, byte for byte.
            const Bytes saved = CaseBytes(main_->cases());
            readCaseFileNamed(name);
            if (CaseBytes(main_->cases()) != saved) fail("save then read changed the table");
        } else if (after != before) {
            fail("a failed save changed the file");
        }
    }

    void copy() {
        if (chance(50)) {
            menuItem("N2")->trigger();
            const QString text = QGuiApplication::clipboard()->text();
            auto* grid = mainChild<HistoryGrid>(QStringLiteral("sg1"));
            QStringList lines = text.split(QStringLiteral("\r\n"));
            if (lines.size() != grid->rowCount() + 1 || !lines.takeLast().isEmpty())
                fail("the copied history does not have one line per grid row");
            else if (std::any_of(lines.begin(), lines.end(), [grid](const QString& line) {
                         return line.count(u'\t') != grid->columnCount() - 1;
                     }))
                fail("a line of the copied history does not have one field per grid column");
        } else {
            menuItem("N4")->trigger();
        }
    }

    void fillPrintPage() {
        printPage_->fillFrom(main_->cases()[0]);
        if (chance(30)) printPage_->grab();
    }

    void paint() { main_->grab(); }

    void tryClose() {
        // Cancelled or answered with a save that is cancelled: the window stays. A
        // completed save or "no" closes it; it is then shown again.
        const int answer = static_cast<int>(rng_() % 4);
        if (answer == 0) dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::Cancel);
        if (answer == 1) dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::Yes);  // save cancelled
        if (answer == 2) {
            dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::Yes);
            dialogs_.saveNames.push_back(path(QStringLiteral("closing.nbd")));
        }
        if (answer == 3) dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::No);
        const bool unsaved = main_->historyUnsaved();
        const bool closed = main_->close();
        if (closed && unsaved && answer < 2) fail("the window closed although the question was not answered");
        if (!closed && !unsaved) fail("the window stayed open with nothing unsaved");
        if (closed) activate();
    }

    // ---- printouts and exports ---------------------------------------------------------

    // The next modal dialog is handled by `handle` once it is up; nothing is done when
    // the command ends without one.
    void onModal(std::function<void(QWidget*)> handle) {
        auto pending = std::make_shared<bool>(true);
        pendingModal_ = pending;
        QTimer::singleShot(0, [pending, handle] {
            if (!*pending) return;
            *pending = false;
            if (QWidget* modal = QApplication::activeModalWidget()) handle(modal);
        });
    }
    void endModal() {
        if (pendingModal_) *pendingModal_ = false;
        if (QApplication::activeWindow() != main_.get()) activate();
    }

    // The title block: typed key by key, then confirmed or cancelled.
    void fillTitleBlock(QWidget* modal) {
        auto* dialog = qobject_cast<TitleBlockDialog*>(modal);
        if (dialog == nullptr) {
            fail("the title block was not asked for with its dialog");
            modal->close();
            return;
        }
        for (const char* name : {"productEdit", "drawingNoEdit", "designerEdit", "dateEdit"})
            if (chance(50))
                TypeOver(dialog->findChild<QLineEdit*>(QString::fromLatin1(name)),
                         pick({QStringLiteral("試作ばね"), QStringLiteral("ＴＳ－００４２"), QString(),
                               QStringLiteral("山田　太郎"), QStringLiteral("2026-12-08"),
                               QStringLiteral("ｺｲﾙ 12.5"), QStringLiteral("😀 ばね")}));
        if (chance(85))
            dialog->accept();
        else
            dialog->reject();
    }

    void titleBlock() {
        onModal([this](QWidget* modal) { fillTitleBlock(modal); });
        menuItem("ReportTitle")->trigger();
        endModal();
    }

    // "計算書 PDF 出力" into the scratch folder: every result it prints follows from the
    // inputs it prints.
    void reportPdf() {
        const QString name = path(QStringLiteral("report.pdf"));
        QFile::remove(name);
        const auto errors = dialogs_.errors.size();
        dialogs_.saveNames.push_back(name);
        onModal([this](QWidget* modal) { fillTitleBlock(modal); });
        menuItem("ReportPdf")->trigger();
        endModal();
        if (dialogs_.errors.size() != errors || !QFileInfo::exists(name)) return;
        ++printoutsChecked_;
        for (const QString& line : printed::ReportDisagreeing(pdf_tools::PdfText(name), materials_))
            fail("report: " + line.toStdString());
    }

    // "要目表印刷": the page's table and labels follow from the inputs they print. The
    // sheet says neither the input mode nor the load direction: the window does.
    void dataSheet() {
        const bool momentsGiven = !mainChild(QStringLiteral("Edit4"))->isEnabled();
        const bool outward = mainChild<QCheckBox>(QStringLiteral("soto"))->isChecked();
        onModal([=, this](QWidget* modal) {
            if (modal != printPage_) {
                fail("the data sheet did not come up");
            } else if (MaterialBytes(materials_) == listedTable_) {
                ++printoutsChecked_;
                for (const QString& line :
                     printed::DataSheetDisagreeing(*modal, materials_, momentsGiven, outward))
                    fail("data sheet: " + line.toStdString());
            }
            static_cast<QDialog*>(modal)->reject();
        });
        menuItem("N5")->trigger();
        endModal();
    }

    void exportFile() {
        const bool csv = chance(50);
        const QString name = chance(15) ? path(QStringLiteral("plainfile/x.out"))
                                        : path(csv ? QStringLiteral("履歴.csv") : QStringLiteral("ばね.dxf"));
        detail_ = csv ? " CSV" : " DXF";
        QFile::remove(name);
        const auto errors = dialogs_.errors.size();
        dialogs_.saveNames.push_back(name);
        menuItem(csv ? "CsvExport" : "DxfExport")->trigger();
        const std::optional<Bytes> written = FileBytes(name);
        if ((dialogs_.errors.size() == errors) != written.has_value())
            fail("an export reported no error without a file, or an error with one");
        if (!csv || !written) return;
        // A line for each stored case, and none for the others.
        const QByteArray text(reinterpret_cast<const char*>(written->data()),
                              static_cast<qsizetype>(written->size()));
        for (int slot = 1; slot <= kHistorySlots; ++slot)
            if (text.contains("\r\n" + QByteArray::number(slot) + ',') != (main_->cases()[slot].used == 1))
                fail("the CSV's line of slot " + std::to_string(slot) + " does not follow the slot");
    }

    // "設計探索": search (or cancel it), sort, apply a row or close.
    void designSearch() {
        menuItem("designSearchItem")->trigger();
        DesignSearchWindow* search = main_->toolWindows().designSearch();
        if (search == nullptr) return fail("no design search window");
        const auto button = [search](const char* name) {
            return search->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        if (chance(40)) QTest::mouseClick(button("fromCaseButton"), Qt::LeftButton);
        if (chance(40)) {
            const QString box = pick({QStringLiteral("moment2Edit"), QStringLiteral("angle2Edit"),
                                      QStringLiteral("toleranceEdit"), QStringLiteral("arm1Edit"),
                                      QStringLiteral("stepEdit")});
            detail_ += " " + box.toStdString();
            typeInto(search->findChild<QLineEdit*>(box),
                     chance(70) ? QString::number(1 + rng_() % 60) : HostileText(rng_));
        }
        QTest::mouseClick(button("searchButton"), Qt::LeftButton);
        if (chance(20)) QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
        if (!QTest::qWaitFor([search] { return !search->searchRunning(); }, 120000))
            return fail("the search did not end");
        auto* table = search->findChild<QTableWidget*>(QStringLiteral("resultTable"));
        detail_ += " " + std::to_string(table->rowCount()) + " rows";
        if (table->rowCount() > 0 && chance(50)) {
            const int column = static_cast<int>(rng_() % table->columnCount());
            QTest::mouseClick(table->horizontalHeader()->viewport(), Qt::LeftButton, {},
                              QPoint(table->horizontalHeader()->sectionViewportPosition(column) + 4, 4));
        }
        if (table->rowCount() > 0 && chance(70)) {
            table->setCurrentCell(static_cast<int>(rng_() % table->rowCount()), 1);
            const auto errors = dialogs_.errors.size();
            QTest::mouseClick(button("applyButton"), Qt::LeftButton);
            // The applied spring is calculated: the window shows its results.
            noteCalculation(errors);
        } else if (chance(50)) {
            search->close();
        }
        activate();
    }

    void toleranceGrade() {
        auto* grade = main_->characteristicPage()->findChild<QComboBox*>(QStringLiteral("GradeBox"));
        grade->setCurrentIndex(static_cast<int>(rng_() % grade->count()));
    }

    // ファイル → 最近使ったファイル: a file read or saved before, which may be gone.
    void recentFile() {
        const QList<QAction*> recent =
            main_->menuBar()->findChildren<QAction*>(QRegularExpression(QStringLiteral("^RecentFile\\d+$")));
        if (recent.isEmpty()) return;
        QAction* item = recent[static_cast<int>(rng_() % recent.size())];
        const QString name = item->data().toString();
        if (chance(20)) QFile::remove(name);
        dialogs_.answeredPaths << name;
        if (!QFileInfo(name).isFile()) {
            const auto informations = dialogs_.informations.size();
            const Bytes before = CaseBytes(main_->cases());
            item->trigger();
            if (dialogs_.informations.size() != informations + 1 || CaseBytes(main_->cases()) != before)
                fail("a recent file that is gone was read or not reported");
            return;
        }
        readCaseFileNamed(name, item);
    }

    // Issue sequences: a changed turns left with Tab, saved with Ctrl+S and reported;
    // the saved current case holds the results of its own inputs.
    void turnsTabSaveReport() {
        activate();
        const bool keys = active_ && QApplication::activeWindow() == main_.get();
        if (chance(60)) typeSpring();
        QLineEdit* turns = mainChild(QStringLiteral("Edit19"));
        if (keys) turns->setFocus(Qt::MouseFocusReason);
        typeInto(turns, QString::number(1 + rng_() % 80 / 8.0));
        if (keys) QTest::keyClick(turns, Qt::Key_Tab);
        const QString name = path(QStringLiteral("sequence.nbd"));
        const auto errors = dialogs_.errors.size();
        dialogs_.saveNames.push_back(name);
        if (keys) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : main_.get(), Qt::Key_S, Qt::ControlModifier);
            if (dialogs_.errors.size() == errors && !dialogs_.saveNames.empty())
                return fail("Ctrl+S did not ask for a file name");
        } else {
            menuItem("N3")->trigger();
        }
        if (dialogs_.errors.size() == errors) {
            const std::optional<Bytes> file = FileBytes(name);
            if (!file || file->size() != kCaseTableSize) return fail("Ctrl+S wrote no case file");
            const DesignCase saved = DecodeDesignCase(file->data());
            try {
                const DesignCase fresh = EvaluateDesign(saved, materials_).design;
                if (std::memcmp(&fresh.springConst, &saved.springConst, sizeof(double)) != 0 ||
                    std::memcmp(&fresh.stress2, &saved.stress2, sizeof(double)) != 0 ||
                    fresh.lifeClass != saved.lifeClass)
                    fail("the saved current case holds results of other inputs");
            } catch (const CommandError&) {
            }
        }
        reportPdf();
    }

    // A spring typed as a designer would, key by key, and calculated.
    void typeSpring() {
        const auto number = [this](int from, int to) {
            return QString::number(from + rng_() % (to - from + 1));
        };
        const bool anglesGiven = mainChild(QStringLiteral("Edit4"))->isEnabled();
        const std::pair<const char*, QString> boxes[] = {
            {"Edit18", number(4, 30)},
            {"Edit12", number(5, 40)},
            {"Edit13", number(5, 40)},
            {anglesGiven ? "Edit4" : "Edit6", number(1, 20)},
            {anglesGiven ? "Edit5" : "Edit7", number(21, 60)},
        };
        for (const auto& [name, text] : boxes) TypeOver(mainChild(QString::fromLatin1(name)), text);
        calculate();
    }

    // A case stored, another calculated, the first recalled: the window shows the first
    // again, captions included.
    void storeChangeRecall() {
        calculate();
        store();
        if (chance(50))
            chooseListEntry();
        else
            typeMainBox();
        calculate();
        recall();
    }

    // A number typed in full-width digits, key by key (one input-method commit per
    // character), then "計算": the box holds its half-width digits and the results follow.
    void fullWidthDigits() {
        const QString name =
            pick({QStringLiteral("Edit18"), QStringLiteral("Edit19"), QStringLiteral("Edit4"),
                  QStringLiteral("Edit5"), QStringLiteral("Edit12")});
        QLineEdit* box = mainChild(name);
        if (!box->isEnabled()) return;
        const QString half = QString::number(1 + rng_() % 400 / 8.0);
        QString full;
        for (const QChar ch : half) full += ch == u'.' ? QChar(u'．') : QChar(ch.unicode() - u'0' + u'０');
        detail_ = " " + name.toStdString();
        if (active_) box->setFocus(Qt::MouseFocusReason);
        typeInto(box, full);
        if (box->text() != half)
            fail("'" + full.toStdString() + "' typed shows '" + box->text().toStdString() + "'");
        calculate();
    }

    // ---- material editor ---------------------------------------------------------------

    void typeEditorBox() {
        const QString name =
            pick({QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3"),
                  QStringLiteral("Edit5"), QStringLiteral("Edit10"), QStringLiteral("Edit11")});
        detail_ = " " + name.toStdString();
        QLineEdit* box = dataMake_->findChild<QLineEdit*>(name);
        typeInto(box, HostileText(rng_));
    }

    void typeEditorCell() {
        auto* grid = dataMake_->findChild<QTableWidget*>(QStringLiteral("SG1"));
        const int row = Tdata_make::kFixedRows + static_cast<int>(rng_() % kMaterialRows);
        const int col = 1 + static_cast<int>(rng_() % 4);
        grid->setCurrentCell(row, col);
        FlushDeletes();
        QString text = HostileText(rng_);
        // Mostly numbers, so that the list grows and ends in many places.
        if (chance(50)) text = chance(20) ? QStringLiteral("0") : QString::number((rng_() % 5000) / 100.0);
        detail_ = " row " + std::to_string(row) + " col " + std::to_string(col);
        if (chance(30)) {
            // Through the cell editor, which may be left open for the next command.
            grid->editItem(grid->item(row, col));
            if (auto* editor = grid->viewport()->findChild<QLineEdit*>();
                editor != nullptr && editor->isVisible()) {
                typeInto(editor, text);
                if (chance(40)) QTest::keyClick(editor, chance(50) ? Qt::Key_Return : Qt::Key_Tab);
                return;
            }
        }
        detail_ += " '" + text.left(40).toStdString() + "'";
        grid->item(row, col)->setText(text);
    }

    void moveRecord() {
        if (chance(50))
            dataMake_->BitBtn3Click();
        else
            dataMake_->BitBtn4Click();
    }

    void insertOrDeleteRow() {
        auto* grid = dataMake_->findChild<QTableWidget*>(QStringLiteral("SG1"));
        const int row = static_cast<int>(rng_() % Tdata_make::kGridRows);
        grid->setCurrentCell(row, 1 + static_cast<int>(rng_() % 4));
        FlushDeletes();
        detail_ = " row " + std::to_string(grid->currentRow());
        if (chance(50))
            dataMake_->BitBtn6Click();
        else
            dataMake_->BitBtn7Click();
    }

    void eraseRecord() {
        dialogs_.confirmAnswers.push_back(chance(50));
        dataMake_->BitBtn8Click();
    }

    void kindNumber() {
        auto* spin = dataMake_->findChild<QSpinBox*>(QStringLiteral("SE1"));
        if (chance(50))
            spin->stepBy(chance(50) ? 1 : -1);
        else
            spin->setValue(static_cast<int>(rng_() % 13) - 1);
    }

    void clearComments() { dataMake_->ListBox1DblClick(); }

    QString tableFileName() {
        switch (rng_() % 6) {
            case 0:
                return QString();
            case 1:
                return path(QStringLiteral("plainfile/t.dst"));
            case 2:
                return path(QStringLiteral("adir"));
            case 3:
                return path(QStringLiteral("材料.dst"));
            default:
                return path(QStringLiteral("table%1.dst").arg(rng_() % 2));
        }
    }

    void loadMaterialTable() {
        QString name;
        if (chance(60)) {
            name = path(QStringLiteral("damaged%1.dst").arg(rng_() % 3));
            WriteBytes(name, DamagedMaterialFile(rng_, materials_));
        } else {
            name = chance(20) ? path(QStringLiteral("missing.dst")) : tableFileName();
        }
        detail_ = " " + QFileInfo(name).fileName().toStdString();
        const MaterialTable before = materials_;
        const std::optional<Bytes> file = name.isEmpty() ? std::nullopt : FileBytes(name);
        const int errors = static_cast<int>(dialogs_.errors.size());
        if (!name.isEmpty()) dialogs_.openNames.push_back(name);
        dataMake_->BitBtn1Click();
        if (!name.isEmpty() && !file) {
            if (MaterialBytes(materials_) != MaterialBytes(before))
                fail("an unreadable table file changed the table");
            if (dialogs_.errors.size() != errors + 1) fail("an unreadable table file was not reported");
            return;
        }
        MaterialTable expected = before;
        if (file) OverlayMaterialTable(expected, *file);
        NormaliseEmptyRecords(expected);
        if (MaterialBytes(materials_) != MaterialBytes(expected))
            fail("loading a table file gave another table");
        if (dataMake_->editRecordNo() != 0) fail("loading did not show record 0");
    }

    void saveMaterialTable() {
        const QString name = tableFileName();
        detail_ = " " + QFileInfo(name).fileName().toStdString();
        const std::optional<Bytes> before = name.isEmpty() ? std::nullopt : FileBytes(name);
        const int errors = static_cast<int>(dialogs_.errors.size());
        const int infos = static_cast<int>(dialogs_.informations.size());
        if (!name.isEmpty()) dialogs_.saveNames.push_back(name);
        dataMake_->BitBtn2Click();
        const bool failed = dialogs_.errors.size() != errors;
        if (failed == (dialogs_.informations.size() != infos))
            fail("the restart notice must follow exactly the saves that did not fail");
        if (name.isEmpty()) return;
        const std::optional<Bytes> after = FileBytes(name);
        if (!failed && after != MaterialBytes(materials_))
            fail("a table save reported no error but the file differs");
        if (failed && after != before) fail("a failed table save changed the file");
    }

    // ---- coefficient window ------------------------------------------------------------

    void typeCoefficient() {
        const QString name = QStringLiteral("Edit%1").arg(1 + rng_() % kCoefficientCount);
        detail_ = " " + name.toStdString();
        QString text = HostileText(rng_);
        if (chance(40)) text = RandomNumberText(rng_);
        typeInto(keisuu_->findChild<QLineEdit*>(name), text);
    }

    void setCoefficients() {
        const QString file = path(QStringLiteral("keisuu.dat"));
        const std::optional<Bytes> before = FileBytes(file);
        const int errors = static_cast<int>(dialogs_.errors.size());
        const Bytes memory = EncodeCoefficients(coefficients_);
        const auto asked = dialogs_.confirmations.size();
        // Yes and no by turns (not from the random sequence, which the other actions share).
        const bool yes = ++coefficientSaves_ % 2 == 0;
        dialogs_.confirmAnswers.push_back(yes);
        keisuu_->BitBtn1Click();
        dialogs_.confirmAnswers.clear();
        const std::optional<Bytes> after = FileBytes(file);
        if (dialogs_.confirmations.size() != asked && !yes) {
            // A value outside its hint, declined: nothing changes.
            if (after != before || EncodeCoefficients(coefficients_) != memory)
                fail("a declined coefficient save changed the file or the values");
            return;
        }
        if (dialogs_.errors.size() == errors && after != EncodeCoefficients(coefficients_))
            fail("coefficients saved without error but the file differs");
        if (dialogs_.errors.size() != errors && after != before)
            fail("a failed coefficient save changed the file");
    }

    // ---- restart -----------------------------------------------------------------------

    void restart() {
        stop();
        const int variant = static_cast<int>(rng_() % 6);
        detail_ = " variant " + std::to_string(variant);
        MaterialTable base{};
        OverlayMaterialTable(base, defaultTable_);
        switch (variant) {
            case 0:
                WriteBytes(path(QStringLiteral("zaidat.dst")), defaultTable_);
                break;
            case 1:
                QFile::remove(path(QStringLiteral("zaidat.dst")));
                break;
            default:
                WriteBytes(path(QStringLiteral("zaidat.dst")), DamagedMaterialFile(rng_, base));
                break;
        }
        if (chance(30)) {
            Bytes coefficients = defaultCoefficients_;
            coefficients.resize(rng_() % (coefficients.size() + 1));
            if (chance(50)) coefficients = RandomBytes(rng_, rng_() % 1000);
            WriteBytes(path(QStringLiteral("keisuu.dat")), coefficients);
        }
        start(false);
    }

    std::mt19937 rng_;
    int coefficientSaves_ = 0;
    bool verbose_;
    QTemporaryDir folder_;
    QString dataDir_;
    Bytes defaultTable_;
    Bytes defaultCoefficients_;
    MaterialTable materials_{};
    KindIndex kinds_{};
    CoefficientRecord coefficients_{};
    CheckingDialogs dialogs_;
    Settings settings_{QDir(folder_.path()).filePath(QStringLiteral("settings.ini"))};
    std::unique_ptr<Tf_vek> main_;
    Tdata_make* dataMake_ = nullptr;
    Tkeisuu_make* keisuu_ = nullptr;
    Tprinform* printPage_ = nullptr;
    bool active_ = false;

    // The last calculation without error, while its inputs are shown, and the table it used.
    std::optional<VisibleState> calculated_;
    Bytes calculatedTable_;
    Bytes listedTable_;  // the table the window's lists were filled from
    struct Stored {
        VisibleState view;  // the window when the slot was stored
        Bytes bytes;        // the slot's record then
        Bytes table;
    };
    std::map<int, Stored> stored_;
    std::shared_ptr<bool> pendingModal_;

    int index_ = 0;
    int failures_ = 0;
    int calculationsChecked_ = 0;
    int printoutsChecked_ = 0;
    int wireListMoved_ = 0;
    std::string current_;
    std::string detail_;
    std::deque<std::string> recent_;
    std::map<std::string, int> counts_;
};

TEST(RandomUse, ThousandsOfActionsKeepEveryTableAndMessageSound) {
    const auto seed = static_cast<std::uint32_t>(EnvInt("TS_RANDOM_SEED", kDefaultSeed));
    const int count = EnvInt("TS_RANDOM_ACTIONS", kDefaultActions);
    const bool verbose = qEnvironmentVariableIntValue("TS_RANDOM_VERBOSE") != 0;
    std::cout << "random use: seed " << seed << ", " << count << " actions, recommended-value captions "
              << (kCheckCaptions ? "checked" : "NOT checked (TS_CHECK_CAPTIONS=0)") << std::endl;
    RecordProperty("seed", std::to_string(seed));
    QApplication::setQuitOnLastWindowClosed(false);

    RandomSession session(seed, verbose);
    ASSERT_TRUE(session.ready()) << "the default data files are missing from " TS_DATA_DIR;
    int done = 0;
    for (; done < count && session.failures() == 0; ++done) session.step(done);
    session.finish();

    std::cout << "random use: " << done << " actions ran" << std::endl;
    for (const auto& [name, n] : session.counts()) std::cout << "  " << n << "  " << name << std::endl;
    std::cout << "random use: messages" << std::endl;
    for (const auto& [text, n] : session.messageKinds()) std::cout << "  " << n << "  " << text << std::endl;
    EXPECT_EQ(done, count);
}

}  // namespace
