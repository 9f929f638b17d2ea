// The program without a window. Calculation and CSV need no display at all; the PDF
// report paints with Qt's drawing on an offscreen platform.
#include "app/command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/sjis.h"
#include "calc/batch_calculation.h"
#include "calc/command_error.h"
#include "calc/file_io.h"
#include "materials/material_selection.h"
#include "materials/material_table.h"

using namespace torsion;

namespace {

constexpr const char* kProgram = "torsion-spring";

const char* const kUsage =
    "使い方:\n"
    "  torsion-spring                                  ウィンドウで起動\n"
    "  torsion-spring --calc IN.csv [-o OUT.csv]       設計を 1 行ずつ計算 (IN が - なら標準入力)\n"
    "  torsion-spring --help | --version\n"
    "共通オプション:\n"
    "  --materials PATH   材料表 (既定: プログラムのフォルダーの zaidat.dst)\n"
    "  -o PATH            出力ファイル (既定または - で標準出力)\n"
    "--calc の入力列: "
    "symbol,wire_dia,dia_mode,coil_dia,turns,arm1,arm2,load_mode,value1,value2,outward,left_hand\n"
    "  dia_mode: inner|mean|outer   load_mode: angle (value1,value2 = φ1,φ2 [度]) | moment (M1,M2 [kgf·mm])\n"
    "  outward, left_hand: 0|1. 結果は mm, 度, kgf·mm, kgf/mm² で、最後の列は失敗した行のエラー。\n"
    "終了コード: 0 成功, 1 失敗した行あり, 2 コマンドラインまたはファイルの誤り\n";

const std::vector<std::string> kCommands = {"--calc", "--help", "--version"};
const std::vector<std::string> kValueOptions = {"--calc", "--materials", "-o"};

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
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

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool isCommand = Contains(kCommands, arg);
        if (!isCommand && !Contains(kValueOptions, arg)) throw UsageError("不明なオプション: " + arg);
        if (isCommand) {
            if (!options.command.empty()) throw UsageError("コマンドは一つだけ指定します: " + arg);
            options.command = arg;
        }
        if (Contains(kValueOptions, arg)) {
            if (i + 1 >= argc) throw UsageError(arg + " には値が必要です");
            const std::string value = argv[++i];
            if (isCommand)
                options.input = value;
            else
                options.values[arg] = value;
        }
    }
    if (options.command.empty()) throw UsageError("コマンド (--calc など) がありません");
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
    const std::string path = options.value("--materials")
                                 .value_or(QDir(QCoreApplication::applicationDirPath())
                                               .filePath(QStringLiteral("zaidat.dst"))
                                               .toStdString());
    LoadMaterialTable(*data.table, path);
    data.kinds = BuildKindIndex(*data.table);
    for (const MaterialRecord& r : *data.table)
        data.symbols.push_back(FromSjis(ShortStringValue(r.symbol)).toStdString());
    return data;
}

// Output to a file is written beside it and renamed over it once complete, so a
// failed run never leaves half a file in place of the old one.
class Output {
  public:
    explicit Output(std::optional<std::string> path) {
        if (!path || *path == "-") return;
        path_ = *path;
        // A device or a pipe (/dev/null, a FIFO) is written directly.
        std::error_code ignored;
        const auto type = std::filesystem::status(path_, ignored).type();
        const bool direct =
            type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::regular;
        temp_ = direct ? path_ : path_ + ".~part";
        committed_ = direct;
        file_.open(temp_, std::ios::binary | std::ios::trunc);
        if (!file_) ThrowCannotCreate(path_);
    }
    ~Output() {
        if (!path_.empty() && !committed_) std::remove(temp_.c_str());
    }
    std::ostream& stream() { return path_.empty() ? std::cout : file_; }
    void Commit() {
        if (path_.empty()) {
            std::cout.flush();
            if (!std::cout) ThrowCannotCreate("-");
            return;
        }
        file_.close();
        if (!file_) ThrowCannotCreate(path_);
        if (committed_) return;
        if (std::rename(temp_.c_str(), path_.c_str()) != 0) ThrowCannotCreate(path_);
        committed_ = true;
    }

  private:
    std::string path_, temp_;
    std::ofstream file_;
    bool committed_ = false;
};

int RunCalc(const Options& options) {
    const MaterialData materials = LoadMaterials(options);
    BatchCalculator calculator(*materials.table, materials.kinds, materials.symbols);
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
        std::cerr << kProgram << ": " << summary.failed << " / " << summary.rows
                  << " 行の計算に失敗しました\n";
        return 1;
    }
    return 0;
}

}  // namespace

bool IsCommandLineRun(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (Contains(kCommands, arg) || Contains(kValueOptions, arg)) return true;
    }
    return false;
}

int RunCommandLine(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        const Options options = ParseOptions(argc, argv);
        if (options.command == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (options.command == "--version") {
            std::cout << kProgram << " " << TS_VERSION << "\n";
            return 0;
        }
        // Files beside the program are found through the application object; no
        // display is needed for these commands.
        QCoreApplication app(argc, argv);
        if (options.command == "--calc") return RunCalc(options);
        throw UsageError("コマンド " + options.command + " はありません");
    } catch (const UsageError& e) {
        std::cerr << kProgram << ": " << e.what() << "\n\n" << kUsage;
        return 2;
    } catch (const CommandError& e) {
        std::cerr << kProgram << ": " << e.message() << "\n";
        return 2;
    }
}
