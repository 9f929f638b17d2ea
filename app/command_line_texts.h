// The command line's own texts, marked for the catalogue (context "command_line"): the
// usage and the messages. Japanese is written here; %1.. are option names and values as
// typed, numbers and file names.
#pragma once

#include <QtGlobal>

namespace command_line_text {

// The usage: the window, --calc, then the exports of the export table, then the rest.
inline constexpr const char* kUsageStart = QT_TRANSLATE_NOOP(
    "command_line",
    "使い方:\n"
    "  torsion-spring [CASES.nbd|CASES.nbdx]         ウィンドウで起動 (ケースファイルを開く)\n"
    "  torsion-spring --calc IN.csv [-o OUT.csv] [--grade 1|2|3] [--inertia J] [--frequency Hz]\n"
    "      設計を 1 行ずつ計算 (IN が - なら標準入力)\n"
    "  torsion-spring --compare IN.csv [-o OUT.csv]\n"
    "      --calc と同じ行を JIS, EN 13906-3, 米国 SMI の 3 つの設計基準で計算して 1 行ずつ並べる\n");
inline constexpr const char* kUsageEnd = QT_TRANSLATE_NOOP(
    "command_line",
    "  torsion-spring --search --moment2 M --angle2 φ [--angle1 φ] [--tolerance %] [--arm1 a] [--arm2 a]\n"
    "                 [--outward 0|1] [--left-hand 0|1] [--turns-min n] [--turns-max n] [--turns-fraction "
    "f]\n"
    "                 [--any-turns 0|1] [--outer-max mm] [--guide-rod-min mm] [--coil-step mm]\n"
    "                 [--dia-mode inner|mean|outer] [--symbols SWP-B,...] [--life-min 回数] [--keep n]\n"
    "                 [--rank volume|margin|life|outer] [--format csv|json] [--units kgf|si] [-o OUT]\n"
    "      設計探索: 条件を満たすばねを順位付きで CSV か JSON に (M は --units の単位)\n"
    "  torsion-spring --help | -h | --version\n"
    "共通オプション:\n"
    "  --materials PATH   材料表 (既定: ユーザーのデータフォルダーの zaidat.dst、\n"
    "                     なければプログラムのフォルダーの zaidat.dst)\n"
    "  -o PATH            出力ファイル (--calc と --csv では既定または - で標準出力)\n"
    "  --grade 1|2|3      公差の等級 (既定 2): ばらつきの見込み\n"
    "  --inertia J        腕 2 が動かす部品の慣性モーメント [kg·mm²] (既定: ばね単体)\n"
    "  --frequency Hz     運転周波数: 固有振動数との比\n"
    "ケースファイル (CASES) は .nbd でも設計ファイル .nbdx でも読みます。\n"
    "--calc の入力列:\n"
    "  symbol,wire_dia,dia_mode,coil_dia,turns,arm1,arm2,load_mode,value1,value2,outward,left_hand\n"
    "  [,standard[,temperature]]  standard: jis|en|us (空なら jis)  temperature: 使用温度 [℃] (空なら 20)\n"
    "  [,leg1[,leg2[,bend_r1[,bend_r2[,pitch_gap]]]]]  leg: tangential|radial|axial|clamped (空なら\n"
    "  tangential)  bend_r: radial と axial の脚の曲げ内半径 [mm]  pitch_gap: コイルのすき間 [mm] (空なら "
    "0)\n"
    "  dia_mode: inner|mean|outer   load_mode: angle (value1,value2 = φ1,φ2 [度]) | moment (M1,M2 [kgf·mm])\n"
    "  outward, left_hand: 0|1. 結果は mm, 度, kgf·mm, kgf/mm² で、最後の列は失敗した行のエラー。\n"
    "  k_min, k_max, moment2_min, moment2_max: 等級の公差ですべて不利な側のばらつき。natural_freq: 固有\n"
    "  振動数 [Hz]、freq_ratio: 運転周波数との比、standard_wire: JIS 標準線径なら 1。データがなければ空。\n"
    "終了コード: 0 成功, 1 失敗した行あり, 2 コマンドラインまたはファイルの誤り\n");

// The messages; %1.. are option names and values as typed, numbers and file names.
inline constexpr const char* kUnknownOption = QT_TRANSLATE_NOOP("command_line", "不明なオプション: %1");
inline constexpr const char* kOneCommandOnly =
    QT_TRANSLATE_NOOP("command_line", "コマンドは一つだけ指定します: %1");
inline constexpr const char* kValueNeeded = QT_TRANSLATE_NOOP("command_line", "%1 には値が必要です");
inline constexpr const char* kNoCommand =
    QT_TRANSLATE_NOOP("command_line", "コマンド (--calc など) がありません");
inline constexpr const char* kNoSuchCommand = QT_TRANSLATE_NOOP("command_line", "コマンド %1 はありません");
inline constexpr const char* kHelpPointer =
    QT_TRANSLATE_NOOP("command_line", "使い方は torsion-spring --help で表示します");
inline constexpr const char* kWarning = QT_TRANSLATE_NOOP("command_line", "警告: %1");
inline constexpr const char* kGradeRange = QT_TRANSLATE_NOOP("command_line", "--grade は 1 から 3 です: %1");
inline constexpr const char* kInertiaRange =
    QT_TRANSLATE_NOOP("command_line", "--inertia は 0 以上の数です: %1");
inline constexpr const char* kFrequencyRange =
    QT_TRANSLATE_NOOP("command_line", "--frequency は正の数です: %1");
inline constexpr const char* kRowsFailed =
    QT_TRANSLATE_NOOP("command_line", "%1 / %2 行の計算に失敗しました");
inline constexpr const char* kUnitsChoice =
    QT_TRANSLATE_NOOP("command_line", "--units は kgf か si です: %1");
inline constexpr const char* kSlotRange = QT_TRANSLATE_NOOP("command_line", "--slot は 0 から 30 です: %1");
inline constexpr const char* kNotCaseFile = QT_TRANSLATE_NOOP(
    "command_line", "ファイル %1 はケースファイルではありません（大きさが %2 バイト、正しくは %3 バイト）");
inline constexpr const char* kEmptyCase = QT_TRANSLATE_NOOP("command_line", "ケース %1 は空です");
inline constexpr const char* kStateChoice =
    QT_TRANSLATE_NOOP("command_line", "--state は free, 1, 2, max のどれかです: %1");
inline constexpr const char* kLangChoice = QT_TRANSLATE_NOOP("command_line", "--lang は ja か en です: %1");
inline constexpr const char* kOutputNeeded =
    QT_TRANSLATE_NOOP("command_line", "%1 には -o で出力ファイルを指定します");
inline constexpr const char* kFlagChoice = QT_TRANSLATE_NOOP("command_line", "%1 は 0 か 1 です: %2");
inline constexpr const char* kOneOf = QT_TRANSLATE_NOOP("command_line", "%1 は %2 のどれかです: %3");
inline constexpr const char* kSearchNeeds =
    QT_TRANSLATE_NOOP("command_line", "--search には --moment2 と --angle2 が必要です");
inline constexpr const char* kLifeChoice = QT_TRANSLATE_NOOP(
    "command_line", "--life-min は回数 (1000万 以下) か寿命の表示 (1000万 .. 1万) です: %1");
inline constexpr const char* kUnknownSymbol =
    QT_TRANSLATE_NOOP("command_line", "材料記号 '%1' は材料表にありません");
inline constexpr const char* kScreenNeeded = QT_TRANSLATE_NOOP(
    "command_line", "ウィンドウには画面 (ディスプレイ) が必要です。画面なしで使えるのは %1 です (%2 --help)");

}  // namespace command_line_text
