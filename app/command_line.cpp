// The program without a window: the batch calculation, the exports of the export table
// and the design search. None needs a display; the exports run on Qt's offscreen
// platform, since the report paints with Qt's drawing.
#include "app/command_line.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTranslator>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/command_line_texts.h"
#include "core/base/command_error.h"
#include "core/base/file_io.h"
#include "core/base/number_text.h"
#include "core/calc/calculation.h"
#include "core/design/batch_calculation.h"
#include "core/design/design_search.h"
#include "core/design/search_export.h"
#include "core/files/case_file.h"
#include "core/files/design_file.h"
#include "core/geometry/spring_3d.h"
#include "core/materials/fatigue_life.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "drawing/report_words.h"
#include "ui/common/data_files.h"
#include "ui/common/language.h"
#include "ui/common/sjis.h"
#include "ui/main_window/export_table.h"

using namespace torsion;
using namespace command_line_text;

namespace {

constexpr const char* kProgram = "torsion-spring";

// The catalogue of the locale's language (as the window follows the locale when no language
// was chosen in its menu), read once from beside the program; null for Japanese, whose
// texts are the ones written here.
const QTranslator* Catalogue() {
    static const std::unique_ptr<QTranslator> catalogue = [] {
        std::error_code error;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
        return LoadCatalogue(LanguageOfEnvironment(), QString::fromStdString(program.parent_path().string()));
    }();
    return catalogue.get();
}

// A text in the reader's language: the command line's own words, then the core's.
std::string Said(const ComposedText& text) {
    const QTranslator* catalogue = Catalogue();
    if (catalogue == nullptr) return text.Japanese();
    return FilledText(text,
                      [catalogue](const char* pattern, const char* note) {
                          for (const char* context : {"command_line", "torsion"}) {
                              const QString found = catalogue->translate(context, pattern, note);
                              if (!found.isEmpty()) return found;
                          }
                          return QString::fromUtf8(pattern);
                      })
        .toStdString();
}

std::string Usage() {
    std::string usage = Said(kUsageStart);
    for (const ExportFormat& format : ExportFormats())
        if (*format.command != '\0')
            usage += std::string("  torsion-spring ") + format.command + " " + Said(format.usage) + "\n";
    return usage + Said(kUsageEnd);
}

// The cycles of each life class, longest first, as its label says.
constexpr double kLifeCycles[] = {1e7, 1e6, 1e5, 6e4, 4e4, 3e4, 2e4, 1e4};
static_assert(std::size(kLifeCycles) == kLifeClasses);

// The commands that take a file: the batch calculation and the exports of the export table.
const std::vector<std::string> kFileCommands = [] {
    std::vector<std::string> commands = {"--calc", "--compare"};
    for (const ExportFormat& format : ExportFormats())
        if (*format.command != '\0') commands.emplace_back(format.command);
    return commands;
}();
const std::vector<std::string> kCommands = [] {
    std::vector<std::string> commands = kFileCommands;
    commands.insert(commands.end(), {"--search", "--help", "--version"});
    return commands;
}();
// The words that take a value.
const std::vector<std::string> kValueOptions = [] {
    std::vector<std::string> options = kFileCommands;
    options.insert(
        options.end(),
        {"--materials", "-o", "--slot", "--units", "--lang", "--product", "--drawing-no", "--designer",
         "--date", "--grade", "--state", "--inertia", "--frequency",
         // design search
         "--moment2", "--angle2", "--angle1", "--tolerance", "--arm1", "--arm2", "--outward", "--left-hand",
         "--turns-min", "--turns-max", "--turns-fraction", "--any-turns", "--outer-max", "--guide-rod-min",
         "--coil-step", "--dia-mode", "--symbols", "--life-min", "--keep", "--rank", "--format"});
    return options;
}();

// A wrong command line: the message is followed by the pointer to --help.
class UsageError : public CommandError {
  public:
    using CommandError::CommandError;
};

struct Options {
    std::string command;  // "--calc", ...
    std::string input;    // the command's argument
    std::map<std::string, std::string> values;

    std::optional<std::string> value(const std::string& name) const {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
};

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The argument as the command line reads it: -h is --help.
std::string Argument(const char* arg) {
    const std::string text = arg;
    return text == "-h" ? "--help" : text;
}

bool IsCaseFileArgument(const std::string& arg) {
    if (arg.empty() || arg[0] == '-') return false;
    if (arg.size() > 4) {
        std::string suffix = arg.substr(arg.size() - 4);
        for (char& ch : suffix) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (suffix == ".nbd") return true;
    }
    if (IsDesignFileName(arg)) return true;
    std::error_code ignored;
    return std::filesystem::is_regular_file(arg, ignored);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = Argument(argv[i]);
        const bool isCommand = Contains(kCommands, arg);
        if (!isCommand && !Contains(kValueOptions, arg)) throw UsageError({kUnknownOption, {arg}});
        if (isCommand) {
            if (!options.command.empty()) throw UsageError({kOneCommandOnly, {arg}});
            options.command = arg;
        }
        if (Contains(kValueOptions, arg)) {
            if (i + 1 >= argc) throw UsageError({kValueNeeded, {arg}});
            const std::string value = argv[++i];
            if (isCommand)
                options.input = value;
            else
                options.values[arg] = value;
        }
    }
    if (options.command.empty()) throw UsageError(kNoCommand);
    return options;
}

// The material table and the lists built from it, as the window builds them at start.
struct MaterialData {
    std::unique_ptr<MaterialTable> table = std::make_unique<MaterialTable>();
    KindIndex kinds{};
    std::vector<std::string> symbols;  // UTF-8, by record number
};

MaterialData LoadMaterials(const Options& options) {
    MaterialData data;
    const std::string path =
        options.value("--materials")
            .value_or(DataFileToRead(QCoreApplication::applicationDirPath(), QStringLiteral("zaidat.dst"))
                          .toStdString());
    const std::size_t size = LoadMaterialTable(*data.table, path);
    // A damaged table is named, as the window names it; the command goes on with what
    // was read.
    const ComposedText warning = MaterialTableWarning(path, *data.table, size);
    if (!warning.empty()) std::cerr << kProgram << ": " << Said({kWarning, {warning}}) << "\n";
    data.kinds = BuildKindIndex(*data.table);
    data.symbols = MaterialSymbolsUtf8(*data.table);
    return data;
}

// The output of a command: the standard output, a device or a pipe written directly
// (/dev/null, a FIFO), or a file replaced once the new one is complete.
class Output {
  public:
    explicit Output(std::optional<std::string> path) {
        if (!path || *path == "-") return;
        path_ = *path;
        std::error_code ignored;
        const auto type = std::filesystem::status(path_, ignored).type();
        if (type == std::filesystem::file_type::not_found || type == std::filesystem::file_type::regular) {
            file_.emplace(path_);
            return;
        }
        device_.open(path_, std::ios::binary);
        if (!device_) ThrowCannotCreate(path_);
    }
    std::ostream& stream() { return path_.empty() ? std::cout : file_ ? file_->stream() : device_; }
    void Commit() {
        if (file_) return file_->Commit();
        std::ostream& out = stream();
        out.flush();
        if (!out) ThrowCannotCreate(path_.empty() ? "-" : path_);
    }

  private:
    std::string path_;
    std::optional<ReplacingFile> file_;
    std::ofstream device_;
};

// The tolerance grade of --grade (2 when not given).
int GradeOption(const Options& options) {
    const std::string gradeText = options.value("--grade").value_or(std::to_string(kDefaultToleranceGrade));
    int grade = 0;
    try {
        grade = ParseInteger(gradeText);
    } catch (const CommandError&) {
    }
    if (grade < 1 || grade > kToleranceGrades) throw UsageError({kGradeRange, {gradeText}});
    return grade;
}

// J of --inertia (kg·mm², 0 or more) and the operating frequency of --frequency (Hz, above 0).
DynamicsInputs DynamicsOption(const Options& options) {
    DynamicsInputs in;
    if (const std::optional<std::string> text = options.value("--inertia")) {
        in.inertia = ParseNumber(*text);
        if (!(in.inertia >= 0)) throw UsageError({kInertiaRange, {*text}});
    }
    if (const std::optional<std::string> text = options.value("--frequency")) {
        in.frequency = ParseNumber(*text);
        if (!(in.frequency > 0)) throw UsageError({kFrequencyRange, {*text}});
    }
    return in;
}

int RunCalc(const Options& options) {
    const BatchOptions batch{GradeOption(options), DynamicsOption(options), options.command == "--compare"};
    const MaterialData materials = LoadMaterials(options);
    BatchCalculator calculator(*materials.table, materials.kinds, materials.symbols, batch);
    std::ifstream file;
    if (options.input != "-") {
        file.open(options.input, std::ios::binary);
        if (!file) ThrowCannotOpen(options.input);
    }
    std::istream& in = options.input == "-" ? std::cin : file;
    Output out(options.value("-o"));
    const BatchSummary summary = RunBatch(in, out.stream(), calculator);
    if (in.bad()) ThrowCannotOpen(options.input);
    out.Commit();
    if (summary.failed > 0) {
        std::cerr << kProgram << ": "
                  << Said({kRowsFailed, {std::to_string(summary.failed), std::to_string(summary.rows)}})
                  << "\n";
        return 1;
    }
    return 0;
}

UnitSystem UnitOption(const Options& options) {
    const std::string unit = options.value("--units").value_or("kgf");
    if (unit == "kgf") return UnitSystem::Kgf;
    if (unit == "si") return UnitSystem::SI;
    throw UsageError({kUnitsChoice, {unit}});
}

// The slot of --slot (0: the current case, 1..30: the history), used or not.
int SlotOption(const Options& options) {
    const std::string text = options.value("--slot").value_or("0");
    int slot = -1;
    try {
        slot = ParseInteger(text);
    } catch (const CommandError&) {
    }
    if (slot < 0 || slot > kHistorySlots) throw UsageError({kSlotRange, {text}});
    return slot;
}

// The case file of a command, read by one reader for every command that takes one:
// the whole table, and for a command about one case the slot of --slot, which must be
// in use. The window reads a file of another size after asking; the command line
// cannot ask and refuses it.
struct CaseFileInput {
    std::unique_ptr<CaseTable> cases = std::make_unique<CaseTable>();
    DesignOptionsTable options{};
    int slot = 0;
    const DesignCase& slotCase() const { return (*cases)[static_cast<std::size_t>(slot)]; }
    const DesignOptions& slotOptions() const { return options[static_cast<std::size_t>(slot)]; }
};

CaseFileInput ReadCaseFileInput(const Options& options, bool oneCase) {
    CaseFileInput in;
    if (oneCase) in.slot = SlotOption(options);
    const std::vector<std::uint8_t> bytes = ReadWholeFile(options.input);
    // A design file by its name, or by its content under another name.
    if (IsDesignFileName(options.input) ||
        (bytes.size() != kCaseTableSize && !bytes.empty() && bytes[0] == '{')) {
        DecodeDesignFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                         options.input, *in.cases, in.options);
    } else if (bytes.size() != kCaseTableSize) {
        throw CommandError(
            {kNotCaseFile, {options.input, std::to_string(bytes.size()), std::to_string(kCaseTableSize)}});
    } else {
        OverlayCaseTable(*in.cases, bytes);
    }
    if (oneCase && in.slotCase().used != 1) throw CommandError({kEmptyCase, {std::to_string(in.slot)}});
    return in;
}

SpringState StateOption(const Options& options) {
    const std::string text = options.value("--state").value_or("free");
    if (text == "free") return SpringState::Free;
    if (text == "1") return SpringState::Angle1;
    if (text == "2") return SpringState::Angle2;
    if (text == "max") return SpringState::MaxAngle;
    throw UsageError({kStateChoice, {text}});
}

TitleBlock TitleOption(const Options& options) {
    TitleBlock title;
    title.productName = options.value("--product").value_or("");
    title.drawingNo = options.value("--drawing-no").value_or("");
    title.designer = options.value("--designer").value_or("");
    title.date = options.value("--date").value_or(QDate::currentDate().toString(Qt::ISODate).toStdString());
    return title;
}

// The language of the report: --lang ja (the default) or en.
Language LanguageOption(const Options& options) {
    const std::string code = options.value("--lang").value_or("ja");
    if (const auto language = LanguageOfCode(QString::fromStdString(code))) return *language;
    throw UsageError({kLangChoice, {code}});
}

// An export of the export table: the history of the case file, or the case of --slot
// (at --state), written to -o by the row's writer.
int RunExport(const ExportFormat& format, const Options& options) {
    const std::string out = options.value("-o").value_or("-");
    if (out == "-" && !format.standardOutput) throw UsageError({kOutputNeeded, {options.command}});
    ExportSource source;
    source.unit = UnitOption(options);
    source.state = StateOption(options);
    source.title = TitleOption(options);
    source.reportLanguage = LanguageOption(options);
    const MaterialData materials = LoadMaterials(options);
    const CaseFileInput in = ReadCaseFileInput(options, NeedsCalculatedCase(format));
    // The slot's practice and working temperature come with it from a design file.
    const EvaluationOptions evaluation{GradeOption(options), DynamicsOption(options), in.slotOptions()};
    source.cases = in.cases.get();
    source.materials = materials.table.get();
    source.design = in.slotCase();
    source.options = in.slotOptions();
    // The slot's inputs evaluated afresh: a file written by an older version may pair
    // them with results of other inputs. The coil diameters are read back as the window
    // reads them: the one of the slot's diameter mode, the other two from it and d (a
    // slot stored before its first calculation holds others).
    source.evaluation = [&] {
        DesignCase inputs = in.slotCase();
        const DesignCase& c = in.slotCase();
        DeriveCoilDiameters(inputs, c.diaMode == 0 ? c.innerDia : c.diaMode == 2 ? c.outerDia : c.meanDia);
        return EvaluateDesign(inputs, *materials.table, evaluation);
    };
    format.prepare(source)({out});
    return 0;
}

// A number option, or fallback when it is not given; a text that is no number ends the
// command with the usual message.
double NumberOption(const Options& options, const std::string& name, double fallback) {
    const std::optional<std::string> text = options.value(name);
    return text ? ParseNumber(*text) : fallback;
}
int IntegerOption(const Options& options, const std::string& name, int fallback) {
    const std::optional<std::string> text = options.value(name);
    return text ? ParseInteger(*text) : fallback;
}
bool FlagOption(const Options& options, const std::string& name) {
    const std::string text = options.value(name).value_or("0");
    if (text != "0" && text != "1") throw UsageError({kFlagChoice, {name, text}});
    return text == "1";
}
template <typename T>
T ChoiceOption(const Options& options, const std::string& name,
               const std::vector<std::pair<std::string, T>>& choices, T fallback) {
    const std::optional<std::string> text = options.value(name);
    if (!text) return fallback;
    std::string names;
    for (const auto& [word, value] : choices) {
        if (*text == word) return value;
        names += (names.empty() ? "" : ", ") + word;
    }
    throw UsageError({kOneOf, {name, names, *text}});
}

int RunSearch(const Options& options) {
    if (!options.value("--moment2") || !options.value("--angle2")) throw UsageError(kSearchNeeds);
    const UnitSystem unit = UnitOption(options);
    const MaterialData materials = LoadMaterials(options);
    SearchInputs in;
    in.moment2 = FromShownUnit(NumberOption(options, "--moment2", 0), unit);
    in.angle2 = NumberOption(options, "--angle2", 0);
    in.angle1 = NumberOption(options, "--angle1", 0);
    in.tolerancePct = NumberOption(options, "--tolerance", in.tolerancePct);
    in.arm1 = NumberOption(options, "--arm1", 0);
    in.arm2 = NumberOption(options, "--arm2", 0);
    in.outward = FlagOption(options, "--outward");
    in.leftHand = FlagOption(options, "--left-hand");
    in.anyTurns = FlagOption(options, "--any-turns");
    in.turnsMin = IntegerOption(options, "--turns-min", in.turnsMin);
    in.turnsMax = IntegerOption(options, "--turns-max", in.turnsMax);
    in.turnsFraction = NumberOption(options, "--turns-fraction", 0);
    in.outerDiaMax = NumberOption(options, "--outer-max", 0);
    in.guideRodMin = NumberOption(options, "--guide-rod-min", 0);
    in.coilDiaStep = NumberOption(options, "--coil-step", in.coilDiaStep);
    in.diaMode = ChoiceOption<int>(options, "--dia-mode", {{"inner", 0}, {"mean", 1}, {"outer", 2}}, 1);
    in.keepBest = IntegerOption(options, "--keep", in.keepBest);
    in.ranking = ChoiceOption<SearchRanking>(options, "--rank",
                                             {{"volume", SearchRanking::WireVolume},
                                              {"margin", SearchRanking::StressMargin},
                                              {"life", SearchRanking::Life},
                                              {"outer", SearchRanking::OuterDia}},
                                             SearchRanking::WireVolume);
    // The shortest life allowed, by its label ("10万", in English "100k") or a number of cycles (100000:
    // the classes of at least that many cycles).
    if (const std::optional<std::string> life = options.value("--life-min")) {
        in.lifeClassLimit = -1;
        double cycles = 0;
        try {
            cycles = ParseNumber(*life);
        } catch (const CommandError&) {
        }
        for (int k = 0; k < kLifeClasses; ++k) {
            if (*life == LifeLabel(k) || *life == Said(LifeLabelText(k)) ||
                (cycles > 0 && kLifeCycles[k] >= cycles))
                in.lifeClassLimit = k;
        }
        if (in.lifeClassLimit < 0) throw UsageError({kLifeChoice, {*life}});
    }
    if (const std::optional<std::string> list = options.value("--symbols")) {
        std::string_view rest = *list;
        while (!rest.empty()) {
            const std::size_t comma = std::min(rest.find(','), rest.size());
            const std::string symbol(rest.substr(0, comma));
            rest.remove_prefix(std::min(comma + 1, rest.size()));
            const auto found = std::find(materials.symbols.begin(), materials.symbols.end(), symbol);
            if (symbol.empty()) continue;
            if (found == materials.symbols.end()) throw CommandError({kUnknownSymbol, {symbol}});
            in.materials.push_back(static_cast<int>(found - materials.symbols.begin()));
        }
    }
    const bool json = ChoiceOption<bool>(options, "--format", {{"csv", false}, {"json", true}}, false);
    const SearchOutcome outcome = SearchDesigns(in, *materials.table, materials.kinds);
    const std::string text = json ? SearchResultJson(outcome, materials.symbols, unit)
                                  : SearchResultCsv(outcome, materials.symbols, unit);
    Output out(options.value("-o"));
    out.stream() << text;
    out.Commit();
    std::cerr << kProgram << ": " << Said(SearchSummaryText(outcome)) << "\n";
    return 0;
}

}  // namespace

bool IsCommandLineRun(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = Argument(argv[i]);
        if (Contains(kCommands, arg) || Contains(kValueOptions, arg)) return true;
    }
    return false;
}

std::optional<std::string> CaseFileToOpen(int argc, char** argv) {
    if (argc != 2 || !IsCaseFileArgument(argv[1])) return std::nullopt;
    return std::string(argv[1]);
}

int RefuseUnknownArguments(int argc, char** argv) {
    // The first argument that is not the one case file the window may open.
    int unknown = 1;
    if (argc > 2 && IsCaseFileArgument(argv[1])) unknown = 2;
    const std::string arg = unknown < argc ? argv[unknown] : std::string();
    std::cerr << kProgram << ": " << Said({kUnknownOption, {arg}}) << "\n" << Said(kHelpPointer) << "\n";
    return 2;
}

bool ScreenNamed() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        // The first platform of the list, without its options.
        const std::string first(platform, std::strcspn(platform, ":;"));
        return first != "xcb" || set("DISPLAY");
    }
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

int RefuseWithoutScreen() {
    std::string commands;
    for (const std::string& command : kCommands)
        if (command != "--help" && command != "--version")
            commands += (commands.empty() ? "" : ", ") + command;
    std::cerr << kProgram << ": " << Said({kScreenNeeded, {commands, std::string(kProgram)}}) << "\n";
    return 2;
}

int RunCommandLine(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // An interrupted command leaves no half-written file behind.
    RemoveTemporaryFilesOnSignals();
    try {
        const Options options = ParseOptions(argc, argv);
        if (options.command == "--help") {
            std::cout << Usage();
            return 0;
        }
        if (options.command == "--version") {
            std::cout << kProgram << " " << TS_VERSION << "\n";
            return 0;
        }
        // Files beside the program and in the user's data folder are found through the
        // application object. The report paints text and drawings, which needs Qt's
        // painting but never a display; every export runs as the report does.
        SetProgramNames();
        if (const ExportFormat* format = ExportFormatOfCommand(options.command)) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            QGuiApplication app(argc, argv);
            return RunExport(*format, options);
        }
        QCoreApplication app(argc, argv);
        if (options.command == "--calc" || options.command == "--compare") return RunCalc(options);
        if (options.command == "--search") return RunSearch(options);
        throw UsageError({kNoSuchCommand, {options.command}});
    } catch (const UsageError& e) {
        std::cerr << kProgram << ": " << Said(e.text()) << "\n" << Said(kHelpPointer) << "\n";
        return 2;
    } catch (const CommandError& e) {
        std::cerr << kProgram << ": " << Said(e.text()) << "\n";
        return 2;
    }
}
