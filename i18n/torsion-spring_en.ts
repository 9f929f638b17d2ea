<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>calculation_report</name>
    <message>
        <source>計算書&#x3000;ねじりコイルばね</source>
        <translation>Calculation Report&#x3000;Torsion Spring</translation>
    </message>
    <message>
        <source>品名</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>図番</source>
        <translation>Dwg. no.</translation>
    </message>
    <message>
        <source>設計者</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>推奨値</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>予想寿命&#x3000;%1 回</source>
        <translation>Expected life&#x3000;%1 cycles</translation>
    </message>
    <message>
        <source>疲れ強さ線図</source>
        <translation>Fatigue strength diagram</translation>
    </message>
    <message>
        <source>ばね形状</source>
        <translation>Spring shape</translation>
    </message>
    <message>
        <source>計算の過程</source>
        <translation>Calculation steps</translation>
    </message>
    <message>
        <source>長さ mm, 角度 度, モーメント %1, 応力 %2（材料表は N/mm²）</source>
        <translation>Lengths mm, angles deg, moments %1, stresses %2 (material table in N/mm²)</translation>
    </message>
    <message>
        <source>式&#x3000;&#x3000;</source>
        <translation>Formula&#x3000;</translation>
    </message>
    <message>
        <source>代入&#x3000;</source>
        <translation>Values&#x3000;</translation>
    </message>
    <message>
        <source>結果&#x3000;</source>
        <translation>Result&#x3000;</translation>
    </message>
    <message>
        <source>（続き）</source>
        <translation> (continued)</translation>
    </message>
    <message>
        <source>トルク–角度線図</source>
        <translation>Torque–angle diagram</translation>
    </message>
    <message>
        <source>設計基準の比較</source>
        <translation>Comparison of design practices</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>計算結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>ねじりコイルばね設計計算</source>
        <translation>Torsion Spring Design</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>計算書</source>
        <translation>Calculation report</translation>
    </message>
</context>
<context>
    <name>case_files</name>
    <message>
        <source>前回は履歴を保存しないまま終了しました（%1）。
その履歴を復元しますか？

%2</source>
        <translation>The program ended last time without saving the history (%1).
Restore that history?

%2</translation>
    </message>
    <message>
        <source>履歴の控えを書けません: %1</source>
        <translation>Cannot write the backup of the history: %1</translation>
    </message>
    <message>
        <source>履歴が保存されていません。保存しますか？</source>
        <translation>The history has not been saved. Save it?</translation>
    </message>
    <message>
        <source>ファイル %1 は履歴ファイルではない可能性があります。読み込みますか？</source>
        <translation>File %1 may not be a history file. Read it?</translation>
    </message>
    <message>
        <source>ファイル %1 が見つかりません。最近使ったファイルから外します。</source>
        <translation>File %1 was not found. It is removed from the recent files.</translation>
    </message>
    <message>
        <source>ねじりばねデーター|*.nbd;*.nbdx</source>
        <translation>Torsion spring data|*.nbd;*.nbdx</translation>
    </message>
    <message>
        <source>ねじりばねデーター|*.nbd|設計ファイル|*.nbdx</source>
        <translation>Torsion spring data|*.nbd|Design file|*.nbdx</translation>
    </message>
    <message>
        <source>ファイル %1 は記録だけのねじりばねデーター (.nbd) です。次の設定は保存されません:
%2

このまま保存しますか？（設定も残すには .nbdx で保存します）</source>
        <translation>File %1 is torsion spring data (.nbd), which holds the records only. These settings are not saved:
%2

Save anyway? (Save as .nbdx to keep them.)</translation>
    </message>
</context>
<context>
    <name>characteristic_page</name>
    <message>
        <source>公差の等級</source>
        <translation>Tol. grade</translation>
    </message>
    <message>
        <source>%1級</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>値の上にマウスを置くと、出典の表の行を表示します</source>
        <translation>Hover over a value to see the row of the source table</translation>
    </message>
    <message>
        <source>駆動する部品の J</source>
        <translation>J of driven part</translation>
    </message>
    <message>
        <source>kg･mm²</source>
        <translation>kg･mm²</translation>
    </message>
    <message>
        <source>腕 2 が動かす部品の、コイル軸まわりの慣性モーメント。空欄ならばね単体</source>
        <translation>Moment of inertia about the coil axis of the part that leg 2 moves. Empty: the spring alone</translation>
    </message>
    <message>
        <source>運転周波数</source>
        <translation>Operating freq.</translation>
    </message>
    <message>
        <source>固有振動数と比べる運転の周波数。空欄なら比を示さない</source>
        <translation>Operating frequency compared with the natural frequency. Empty: no ratio shown</translation>
    </message>
    <message>
        <source>出典
%1</source>
        <translation>Sources
%1</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <source>CASES.nbd [-o OUT.csv] [--units kgf|si]
      ケースファイルの履歴を CSV に (UTF-8, BOM 付き)</source>
        <translation>CASES.nbd [-o OUT.csv] [--units kgf|si]
      the history of the case file as CSV (UTF-8 with BOM)</translation>
    </message>
    <message>
        <source>CASES.nbd [--slot N] -o OUT.dxf
      ケース N (既定 0: 現在のケース) のばね形状を DXF に (1:1, mm)</source>
        <translation>CASES.nbd [--slot N] -o OUT.dxf
      the spring drawing of case N (default 0: the current case) as DXF (1:1, mm)</translation>
    </message>
    <message>
        <source>CASES.nbd [--slot N] [--state free|1|2|max] -o OUT.step
                 [--product 品名] [--drawing-no 図番] [--designer 設計者]
      ケース N のばねの 3D モデルを STEP (AP214, mm) に</source>
        <translation>CASES.nbd [--slot N] [--state free|1|2|max] -o OUT.step
                 [--product NAME] [--drawing-no NO] [--designer NAME]
      the 3D model of the spring of case N as STEP (AP214, mm)</translation>
    </message>
    <message>
        <source>CASES.nbd [--slot N] [--state free|1|2|max] -o OUT.stl
      ケース N のばねの 3D モデルを STL (バイナリ) に</source>
        <translation>CASES.nbd [--slot N] [--state free|1|2|max] -o OUT.stl
      the 3D model of the spring of case N as STL (binary)</translation>
    </message>
    <message>
        <source>CASES.nbd [--slot N] -o REPORT.pdf [--units kgf|si] [--lang ja|en]
                 [--product 品名] [--drawing-no 図番] [--designer 設計者] [--date 日付]
                 [--grade 1|2|3] [--inertia J] [--frequency Hz]
      ケース N の計算書を PDF に (A4)</source>
        <translation>CASES.nbd [--slot N] -o REPORT.pdf [--units kgf|si] [--lang ja|en]
                 [--product NAME] [--drawing-no NO] [--designer NAME] [--date DATE]
                 [--grade 1|2|3] [--inertia J] [--frequency Hz]
      the calculation report of case N as PDF (A4)</translation>
    </message>
    <message>
        <source>使い方:
  torsion-spring [CASES.nbd|CASES.nbdx]         ウィンドウで起動 (ケースファイルを開く)
  torsion-spring --calc IN.csv [-o OUT.csv] [--grade 1|2|3] [--inertia J] [--frequency Hz]
      設計を 1 行ずつ計算 (IN が - なら標準入力)
  torsion-spring --compare IN.csv [-o OUT.csv]
      --calc と同じ行を JIS, EN 13906-3, 米国 SMI の 3 つの設計基準で計算して 1 行ずつ並べる
</source>
        <translation>Usage:
  torsion-spring [CASES.nbd|CASES.nbdx]         start the window (opening the case file)
  torsion-spring --calc IN.csv [-o OUT.csv] [--grade 1|2|3] [--inertia J] [--frequency Hz]
      calculate designs one row at a time (IN is - for the standard input)
  torsion-spring --compare IN.csv [-o OUT.csv]
      the rows of --calc under three design practices, JIS, EN 13906-3 and SMI (US), side by side
</translation>
    </message>
    <message>
        <source>  torsion-spring --search --moment2 M --angle2 φ [--angle1 φ] [--tolerance %] [--arm1 a] [--arm2 a]
                 [--outward 0|1] [--left-hand 0|1] [--turns-min n] [--turns-max n] [--turns-fraction f]
                 [--any-turns 0|1] [--outer-max mm] [--guide-rod-min mm] [--coil-step mm]
                 [--dia-mode inner|mean|outer] [--symbols SWP-B,...] [--life-min 回数] [--keep n]
                 [--rank volume|margin|life|outer] [--format csv|json] [--units kgf|si] [-o OUT]
      設計探索: 条件を満たすばねを順位付きで CSV か JSON に (M は --units の単位)
  torsion-spring --help | -h | --version
共通オプション:
  --materials PATH   材料表 (既定: ユーザーのデータフォルダーの zaidat.dst、
                     なければプログラムのフォルダーの zaidat.dst)
  -o PATH            出力ファイル (--calc と --csv では既定または - で標準出力)
  --grade 1|2|3      公差の等級 (既定 2): ばらつきの見込み
  --inertia J        腕 2 が動かす部品の慣性モーメント [kg·mm²] (既定: ばね単体)
  --frequency Hz     運転周波数: 固有振動数との比
ケースファイル (CASES) は .nbd でも設計ファイル .nbdx でも読みます。
--calc の入力列:
  symbol,wire_dia,dia_mode,coil_dia,turns,arm1,arm2,load_mode,value1,value2,outward,left_hand
  [,standard[,temperature]]  standard: jis|en|us (空なら jis)  temperature: 使用温度 [℃] (空なら 20)
  [,leg1[,leg2[,bend_r1[,bend_r2[,pitch_gap]]]]]  leg: tangential|radial|axial|clamped (空なら
  tangential)  bend_r: radial と axial の脚の曲げ内半径 [mm]  pitch_gap: コイルのすき間 [mm] (空なら 0)
  dia_mode: inner|mean|outer   load_mode: angle (value1,value2 = φ1,φ2 [度]) | moment (M1,M2 [kgf·mm])
  outward, left_hand: 0|1. 結果は mm, 度, kgf·mm, kgf/mm² で、最後の列は失敗した行のエラー。
  k_min, k_max, moment2_min, moment2_max: 等級の公差ですべて不利な側のばらつき。natural_freq: 固有
  振動数 [Hz]、freq_ratio: 運転周波数との比、standard_wire: JIS 標準線径なら 1。データがなければ空。
終了コード: 0 成功, 1 失敗した行あり, 2 コマンドラインまたはファイルの誤り
</source>
        <translation>  torsion-spring --search --moment2 M --angle2 φ [--angle1 φ] [--tolerance %] [--arm1 a] [--arm2 a]
                 [--outward 0|1] [--left-hand 0|1] [--turns-min n] [--turns-max n] [--turns-fraction f]
                 [--any-turns 0|1] [--outer-max mm] [--guide-rod-min mm] [--coil-step mm]
                 [--dia-mode inner|mean|outer] [--symbols SWP-B,...] [--life-min CYCLES] [--keep n]
                 [--rank volume|margin|life|outer] [--format csv|json] [--units kgf|si] [-o OUT]
      design search: the springs that meet the conditions, ranked, as CSV or JSON (M in the unit of --units)
  torsion-spring --help | -h | --version
Common options:
  --materials PATH   material table (default: zaidat.dst in the user&apos;s data folder,
                     otherwise zaidat.dst in the program&apos;s folder)
  -o PATH            output file (--calc and --csv: the standard output by default or with -)
  --grade 1|2|3      tolerance grade (default 2): the variation to expect
  --inertia J        moment of inertia of the part arm 2 drives [kg·mm²] (default: the spring alone)
  --frequency Hz     operating frequency: its ratio to the natural frequency
A case file (CASES) may be a case file .nbd or a design file .nbdx.
Input columns of --calc:
  symbol,wire_dia,dia_mode,coil_dia,turns,arm1,arm2,load_mode,value1,value2,outward,left_hand
  [,standard[,temperature]]  standard: jis|en|us (empty: jis)  temperature: working temperature [℃] (empty: 20)
  [,leg1[,leg2[,bend_r1[,bend_r2[,pitch_gap]]]]]  leg: tangential|radial|axial|clamped (empty:
  tangential)  bend_r: inner bend radius of radial and axial legs [mm]  pitch_gap: gap between coils [mm] (empty: 0)
  dia_mode: inner|mean|outer   load_mode: angle (value1,value2 = φ1,φ2 [deg]) | moment (M1,M2 [kgf·mm])
  outward, left_hand: 0|1. Results in mm, deg, kgf·mm, kgf/mm²; the last column is the error of a failed row.
  k_min, k_max, moment2_min, moment2_max: the variation with every tolerance of the grade on the unfavourable
  side. natural_freq: natural frequency [Hz], freq_ratio: natural / operating frequency, standard_wire: 1 for a
  JIS standard wire diameter. Empty where there is no data.
Exit status: 0 success, 1 some rows failed, 2 wrong command line or file
</translation>
    </message>
    <message>
        <source>不明なオプション: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>コマンドは一つだけ指定します: %1</source>
        <translation>Give one command only: %1</translation>
    </message>
    <message>
        <source>%1 には値が必要です</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>コマンド (--calc など) がありません</source>
        <translation>No command (--calc or another) given</translation>
    </message>
    <message>
        <source>コマンド %1 はありません</source>
        <translation>There is no command %1</translation>
    </message>
    <message>
        <source>使い方は torsion-spring --help で表示します</source>
        <translation>torsion-spring --help shows the usage</translation>
    </message>
    <message>
        <source>警告: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>--grade は 1 から 3 です: %1</source>
        <translation>--grade is 1 to 3: %1</translation>
    </message>
    <message>
        <source>--inertia は 0 以上の数です: %1</source>
        <translation>--inertia is a number of 0 or more: %1</translation>
    </message>
    <message>
        <source>--frequency は正の数です: %1</source>
        <translation>--frequency is a positive number: %1</translation>
    </message>
    <message>
        <source>%1 / %2 行の計算に失敗しました</source>
        <translation>The calculation failed in %1 / %2 rows</translation>
    </message>
    <message>
        <source>--units は kgf か si です: %1</source>
        <translation>--units is kgf or si: %1</translation>
    </message>
    <message>
        <source>--slot は 0 から 30 です: %1</source>
        <translation>--slot is 0 to 30: %1</translation>
    </message>
    <message>
        <source>ファイル %1 はケースファイルではありません（大きさが %2 バイト、正しくは %3 バイト）</source>
        <translation>File %1 is not a case file (%2 bytes; a case file has %3 bytes)</translation>
    </message>
    <message>
        <source>ケース %1 は空です</source>
        <translation>Case %1 is empty</translation>
    </message>
    <message>
        <source>--state は free, 1, 2, max のどれかです: %1</source>
        <translation>--state is one of free, 1, 2, max: %1</translation>
    </message>
    <message>
        <source>--lang は ja か en です: %1</source>
        <translation>--lang is ja or en: %1</translation>
    </message>
    <message>
        <source>%1 には -o で出力ファイルを指定します</source>
        <translation>%1 needs its output file given with -o</translation>
    </message>
    <message>
        <source>%1 は 0 か 1 です: %2</source>
        <translation>%1 is 0 or 1: %2</translation>
    </message>
    <message>
        <source>%1 は %2 のどれかです: %3</source>
        <translation>%1 is one of %2: %3</translation>
    </message>
    <message>
        <source>--search には --moment2 と --angle2 が必要です</source>
        <translation>--search needs --moment2 and --angle2</translation>
    </message>
    <message>
        <source>--life-min は回数 (1000万 以下) か寿命の表示 (1000万 .. 1万) です: %1</source>
        <translation>--life-min is a number of cycles (10000000 or fewer) or a life label (10M .. 10k): %1</translation>
    </message>
    <message>
        <source>材料記号 &apos;%1&apos; は材料表にありません</source>
        <translation>Material symbol &apos;%1&apos; is not in the material table</translation>
    </message>
    <message>
        <source>ウィンドウには画面 (ディスプレイ) が必要です。画面なしで使えるのは %1 です (%2 --help)</source>
        <translation>The window needs a screen (display). Without one, these work: %1 (%2 --help)</translation>
    </message>
</context>
<context>
    <name>data_files</name>
    <message>
        <source>ファイル: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>読み込み元: %1
保存先: %2</source>
        <translation>Read from: %1
Saved to: %2</translation>
    </message>
</context>
<context>
    <name>design_search_window</name>
    <message>
        <source>設計探索</source>
        <translation>Design search</translation>
    </message>
    <message>
        <source>指定なし</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>回以上</source>
        <translation>cycles or more</translation>
    </message>
    <message>
        <source>順位</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>要求</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>トルク M2</source>
        <translation>Moment M2</translation>
    </message>
    <message>
        <source>ねじれ角 φ2</source>
        <translation>Angle φ2</translation>
    </message>
    <message>
        <source>度</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>M2 の許容差 ±</source>
        <translation>Tolerance of M2 ±</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>ねじれ角 φ1</source>
        <translation>Angle φ1</translation>
    </message>
    <message>
        <source>度（M1 はばね定数から）</source>
        <translation>deg (M1 from the rate)</translation>
    </message>
    <message>
        <source>腕・方向</source>
        <translation>Legs, direction</translation>
    </message>
    <message>
        <source>腕の長さ a1</source>
        <translation>Leg length a1</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>腕の長さ a2</source>
        <translation>Leg length a2</translation>
    </message>
    <message>
        <source>外向き荷重</source>
        <translation>Outward load</translation>
    </message>
    <message>
        <source>左巻き</source>
        <translation>Left hand</translation>
    </message>
    <message>
        <source>巻数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>整数巻＋端数</source>
        <translation>Whole turns + fraction</translation>
    </message>
    <message>
        <source>任意の巻数（小数2桁）</source>
        <translation>Any turns (2 decimals)</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>巻</source>
        <translation>turns</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>端数（腕の間の角度）</source>
        <translation>Fraction (angle between legs)</translation>
    </message>
    <message>
        <source>コイル径</source>
        <translation>Coil diameter</translation>
    </message>
    <message>
        <source>外径の上限</source>
        <translation>Largest outer D</translation>
    </message>
    <message>
        <source>mm（空欄は制限なし）</source>
        <translation>mm (empty: no limit)</translation>
    </message>
    <message>
        <source>案内棒径</source>
        <translation>Guide rod dia.</translation>
    </message>
    <message>
        <source>mm 以上</source>
        <translation>mm or more</translation>
    </message>
    <message>
        <source>コイル径の刻み</source>
        <translation>Coil D step</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>条件・順位</source>
        <translation>Conditions, ranking</translation>
    </message>
    <message>
        <source>期待寿命</source>
        <translation>Expected life</translation>
    </message>
    <message>
        <source>線材の体積が小さい順</source>
        <translation>Smallest wire volume first</translation>
    </message>
    <message>
        <source>応力の余裕 σa/σ2 が大きい順</source>
        <translation>Largest stress margin σa/σ2 first</translation>
    </message>
    <message>
        <source>期待寿命が長い順</source>
        <translation>Longest expected life first</translation>
    </message>
    <message>
        <source>外径が小さい順</source>
        <translation>Smallest outer diameter first</translation>
    </message>
    <message>
        <source>現在の設計から</source>
        <translation>From the current design</translation>
    </message>
    <message>
        <source>探索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>材料が選ばれていません</source>
        <translation>No material chosen</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>export_table</name>
    <message>
        <source>計算書の言語の表 %1 を読めません</source>
        <translation>Cannot read the report&apos;s language catalogue %1</translation>
    </message>
    <message>
        <source>要目表印刷</source>
        <translation>Print data sheet</translation>
    </message>
    <message>
        <source>CSV 出力</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>DXF 出力</source>
        <translation>Export DXF</translation>
    </message>
    <message>
        <source>3D モデル出力 (STEP)...</source>
        <translation>Export 3D model (STEP)...</translation>
    </message>
    <message>
        <source>3D モデル出力 (STL)...</source>
        <translation>Export 3D model (STL)...</translation>
    </message>
    <message>
        <source>計算書 PDF 出力</source>
        <translation>Export report as PDF</translation>
    </message>
    <message>
        <source>計算書印刷</source>
        <translation>Print calculation report</translation>
    </message>
    <message>
        <source>履歴.csv</source>
        <translation>history.csv</translation>
    </message>
    <message>
        <source>ばね.dxf</source>
        <translation>spring.dxf</translation>
    </message>
    <message>
        <source>ばね.step</source>
        <translation>spring.step</translation>
    </message>
    <message>
        <source>ばね.stl</source>
        <translation>spring.stl</translation>
    </message>
    <message>
        <source>計算書を印刷できません</source>
        <translation>Cannot print the calculation report</translation>
    </message>
</context>
<context>
    <name>exports</name>
    <message>
        <source>計算書の印刷</source>
        <translation>Print calculation report</translation>
    </message>
    <message>
        <source>入力欄の値は、画面の計算結果を出したときの値と異なります。出力するのは入力欄の値で計算し直した結果です。</source>
        <translation>The values in the input boxes differ from those that gave the results shown. The output is the result calculated again from the input boxes.</translation>
    </message>
</context>
<context>
    <name>fatigue_diagram</name>
    <message>
        <source>万回</source>
        <translation>×10⁴</translation>
    </message>
    <message>
        <source>下限応力係数 σ1/σB</source>
        <translation>Lower stress ratio σ1/σB</translation>
    </message>
    <message>
        <source>上限応力係数</source>
        <translation>Upper stress ratio</translation>
    </message>
</context>
<context>
    <name>help_window</name>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>history_grid</name>
    <message>
        <source>線径</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>ｺｲﾙ径</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>巻数(N)</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>許容曲げ応力</source>
        <translation>Allowable</translation>
    </message>
    <message>
        <source>kgf･mm/度</source>
        <translation>kgf･mm/°</translation>
    </message>
    <message>
        <source>N･mm/度</source>
        <translation>N･mm/°</translation>
    </message>
</context>
<context>
    <name>history_recovery</name>
    <message>
        <source>%1 の記録</source>
        <translation>Record of %1</translation>
    </message>
    <message>
        <source>%1 の記録、履歴 %2 件</source>
        <translation>Record of %1, %2 history entries</translation>
    </message>
</context>
<context>
    <name>legs_group</name>
    <message>
        <source>脚の形状とコイルのすき間 (mm)</source>
        <translation>Legs and coil gap (mm)</translation>
    </message>
    <message>
        <source>直線長</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>曲げ r</source>
        <translation>Bend r</translation>
    </message>
    <message>
        <source>脚1</source>
        <translation>Leg 1</translation>
    </message>
    <message>
        <source>脚2</source>
        <translation>Leg 2</translation>
    </message>
    <message>
        <source>コイルのすき間</source>
        <translation>Coil gap</translation>
    </message>
    <message>
        <source>0 は密着巻。平均径まで</source>
        <translation>0: touching coils; up to the mean diameter</translation>
    </message>
    <message>
        <source>接線</source>
        <translation>Tangent</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>ねじりコイルばね設計計算</source>
        <translation>Torsion Spring Design</translation>
    </message>
</context>
<context>
    <name>practice_page</name>
    <message>
        <source>設計条件</source>
        <translation>Design conditions</translation>
    </message>
    <message>
        <source>設計基準</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>使用温度 (℃)</source>
        <translation>Temp. (℃)</translation>
    </message>
    <message>
        <source>縦弾性係数をこの温度の値にします。20℃以下は材料表の値のままです</source>
        <translation>Young&apos;s modulus is taken at this temperature; at 20 ℃ and below the material table&apos;s value is used</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>（選択）</source>
        <translation> (chosen)</translation>
    </message>
</context>
<context>
    <name>prin</name>
    <message>
        <source>要目表</source>
        <translation>Data sheet</translation>
    </message>
    <message>
        <source>プリント</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>spring_3d_page</name>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>自由状態</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>最大角度</source>
        <translation>Max. angle</translation>
    </message>
    <message>
        <source>ドラッグで回転
ホイールで拡大・縮小
ダブルクリックで元の向き</source>
        <translation>Drag to rotate
Wheel to zoom
Double-click to reset</translation>
    </message>
</context>
<context>
    <name>step_module</name>
    <message>
        <source>3D モデル出力の部品 %1 を読み込めません (%2)</source>
        <translation>Cannot load the 3D model export module %1 (%2)</translation>
    </message>
</context>
<context>
    <name>title_block_dialog</name>
    <message>
        <source>計算書の表題欄</source>
        <translation>Title block of the report</translation>
    </message>
    <message>
        <source>品名</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>図番</source>
        <translation>Drawing no.</translation>
    </message>
    <message>
        <source>設計者</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>torque_angle_diagram</name>
    <message>
        <source>ねじれ角 φ（度）</source>
        <translation>Angle φ (deg)</translation>
    </message>
    <message>
        <source>モーメント M（%1）</source>
        <translation>Moment M (%1)</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>±ΔM %1級</source>
        <translation>±ΔM grade %1</translation>
    </message>
</context>
<context>
    <name>torsion</name>
    <message>
        <source>内径</source>
        <translation>Inner D</translation>
    </message>
    <message>
        <source>平均径</source>
        <translation>Mean D</translation>
    </message>
    <message>
        <source>外径</source>
        <translation>Outer D</translation>
    </message>
    <message>
        <source>エラー：バネ指数が範囲外</source>
        <translation>Error: spring index out of range</translation>
    </message>
    <message>
        <source>エラー：バネ指数が４以下</source>
        <translation>Error: spring index 4 or less</translation>
    </message>
    <message>
        <source>エラー：バネ指数が２２以上</source>
        <translation>Error: spring index 22 or more</translation>
    </message>
    <message>
        <source>エラー:ねじれ角度の順番が不適</source>
        <translation>Error: angles in the wrong order</translation>
    </message>
    <message>
        <source>エラー:ねじり応力オーバー</source>
        <translation>Error: stress over the allowable</translation>
    </message>
    <message>
        <source>エラー：巻き数が０以下</source>
        <translation>Error: number of turns 0 or less</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>材質</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>線径</source>
        <translation>Wire d</translation>
    </message>
    <message>
        <source>ｺｲﾙ径</source>
        <translation>Coil D</translation>
    </message>
    <message>
        <source>巻数(N)</source>
        <translation>Turns(N)</translation>
    </message>
    <message>
        <source>腕長(a1)</source>
        <translation>Leg(a1)</translation>
    </message>
    <message>
        <source>腕長(a2)</source>
        <translation>Leg(a2)</translation>
    </message>
    <message>
        <source>荷重(M1)</source>
        <translation>Load M1</translation>
    </message>
    <message>
        <source>荷重(M2)</source>
        <translation>Load M2</translation>
    </message>
    <message>
        <source>角度(φ1)</source>
        <translation>Ang. φ1</translation>
    </message>
    <message>
        <source>角度(φ2)</source>
        <translation>Ang. φ2</translation>
    </message>
    <message>
        <source>ばね定数</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>曲げ応力</source>
        <translation>Stress</translation>
    </message>
    <message>
        <source>許容曲げ応力</source>
        <translation>Allow. bending</translation>
    </message>
    <message>
        <source>寿命</source>
        <translation>Life</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>巻</source>
        <translation>turns</translation>
    </message>
    <message>
        <source>kgf･mm</source>
        <translation>kgf･mm</translation>
    </message>
    <message>
        <source>度</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>kgf･mm/度</source>
        <translation>kgf･mm/deg</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>cycles</translation>
    </message>
    <message>
        <source>N･mm</source>
        <translation>N･mm</translation>
    </message>
    <message>
        <source>N･mm/度</source>
        <translation>N･mm/deg</translation>
    </message>
    <message>
        <source>1000万</source>
        <translation>10M</translation>
    </message>
    <message>
        <source>100万</source>
        <translation>1M</translation>
    </message>
    <message>
        <source>10万</source>
        <translation>100k</translation>
    </message>
    <message>
        <source>6万</source>
        <translation>60k</translation>
    </message>
    <message>
        <source>4万</source>
        <translation>40k</translation>
    </message>
    <message>
        <source>3万</source>
        <translation>30k</translation>
    </message>
    <message>
        <source>2万</source>
        <translation>20k</translation>
    </message>
    <message>
        <source>1万</source>
        <translation>10k</translation>
    </message>
    <message>
        <source>脚1 (軸方向): 規格に項がないため接線方向の脚の項で計算しています</source>
        <translation>Leg 1 (axial): no published term; calculated with the tangential leg term</translation>
    </message>
    <message>
        <source>脚2 (軸方向): 規格に項がないため接線方向の脚の項で計算しています</source>
        <translation>Leg 2 (axial): no published term; calculated with the tangential leg term</translation>
    </message>
    <message>
        <source>エラー:脚1の曲げ半径 r が線径より小さい</source>
        <translation>Error: leg 1 bend radius r below the wire diameter</translation>
    </message>
    <message>
        <source>エラー:脚2の曲げ半径 r が線径より小さい</source>
        <translation>Error: leg 2 bend radius r below the wire diameter</translation>
    </message>
    <message>
        <source>注意:脚1の曲げ半径 r は線径の1.5倍以上を推奨</source>
        <translation>Note: leg 1 bend radius r of 1.5 × wire diameter or more recommended</translation>
    </message>
    <message>
        <source>注意:脚2の曲げ半径 r は線径の1.5倍以上を推奨</source>
        <translation>Note: leg 2 bend radius r of 1.5 × wire diameter or more recommended</translation>
    </message>
    <message>
        <source>エラー:脚1の曲げ部の応力オーバー</source>
        <translation>Error: stress over the allowable at the bend of leg 1</translation>
    </message>
    <message>
        <source>エラー:脚2の曲げ部の応力オーバー</source>
        <translation>Error: stress over the allowable at the bend of leg 2</translation>
    </message>
    <message>
        <source>接線</source>
        <translation>Tangential</translation>
    </message>
    <message>
        <source>半径方向</source>
        <translation>Radial</translation>
    </message>
    <message>
        <source>軸方向</source>
        <translation>Axial</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>Clamped</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は浮動小数点数ではありません</source>
        <translation>&apos;%1&apos; is not a valid floating-point number</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not a valid integer</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>0 による浮動小数点数除算</source>
        <translation>Floating-point division by zero</translation>
    </message>
    <message>
        <source>不正な浮動小数点数演算命令</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>浮動小数点数のオーバーフロー</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>案内棒径＝%1mm</source>
        <translation>Guide rod dia.=%1mm</translation>
    </message>
    <message>
        <source>バネ指数=%1</source>
        <translation>Index=%1</translation>
    </message>
    <message>
        <source>最大角度=%1度</source>
        <translation>Max. angle=%1°</translation>
    </message>
    <message>
        <source>最大トルク=%1%2</source>
        <translation>Max. load=%1%2</translation>
    </message>
    <message>
        <source>案内棒径=&#x3000;%1mm</source>
        <translation>Guide rod dia.= %1mm</translation>
    </message>
    <message>
        <source>最大=%1%2</source>
        <translation>Max.=%1%2</translation>
    </message>
    <message>
        <source>米国 SMI</source>
        <translation>US SMI</translation>
    </message>
    <message>
        <source>この材料</source>
        <translation>this material</translation>
    </message>
    <message>
        <source>使用温度 %1℃ は範囲外です (%2℃)</source>
        <translation>Working temperature %1℃ is out of range (%2℃)</translation>
    </message>
    <message>
        <source>使用温度 %1℃ の縦弾性係数はデータがありません (%2 は %3℃ まで)</source>
        <translation>No Young&apos;s modulus data for a working temperature of %1℃ (%2 has data up to %3℃)</translation>
    </message>
    <message>
        <source>使用温度 %1℃ の %2 の縦弾性係数はデータがありません</source>
        <translation>No Young&apos;s modulus data for %2 at a working temperature of %1℃</translation>
    </message>
    <message>
        <source>使用温度 %1℃: 室温より低い温度では縦弾性係数を補正しません</source>
        <translation>Working temperature %1℃: Young&apos;s modulus is not corrected below room temperature</translation>
    </message>
    <message>
        <source>使用温度 %1℃: 縦弾性係数 ×%2</source>
        <translation>Working temperature %1℃: Young&apos;s modulus ×%2</translation>
    </message>
    <message>
        <source>エラー:使用温度が %1 の最高使用温度 %2℃ を超えています (へたりが急に増えます)</source>
        <translation>Error: working temperature above the maximum service temperature of %1, %2℃ (relaxation rises steeply)</translation>
    </message>
    <message>
        <source>設計基準: %1</source>
        <translation>Design practice: %1</translation>
    </message>
    <message>
        <source>規格値なし</source>
        <translation>not published</translation>
    </message>
    <message>
        <source>静的な許容応力: 規格値なし (応力の判定なし)</source>
        <translation>Static allowable stress: not published (stress not checked)</translation>
    </message>
    <message>
        <source>脚%1の曲げ部: r=%2mm q=%3 σ=%4N/mm²</source>
        <translation>Leg %1 bend: r=%2mm q=%3 σ=%4N/mm²</translation>
    </message>
    <message>
        <source>応力修正係数 (σ2 に掛けた値)</source>
        <translation>Stress factor (applied to σ2)</translation>
    </message>
    <message>
        <source>最大角度</source>
        <translation>Max. angle</translation>
    </message>
    <message>
        <source>最大モーメント</source>
        <translation>Max. moment</translation>
    </message>
    <message>
        <source>安全率 (許容応力/σ2)</source>
        <translation>Safety factor (allowable/σ2)</translation>
    </message>
    <message>
        <source>疲労</source>
        <translation>Fatigue</translation>
    </message>
    <message>
        <source>列の数が %1 です（%2 列が必要です）</source>
        <translation>The row has %1 columns (%2 are needed)</translation>
    </message>
    <message>
        <source>列の数が %1 です（%2 列まで）</source>
        <translation>The row has %1 columns (at most %2)</translation>
    </message>
    <message>
        <source>材料記号 &apos;%1&apos; は材料表にありません</source>
        <translation>Material symbol &apos;%1&apos; is not in the material table</translation>
    </message>
    <message>
        <source>線径 %1 は %2 の表にありません</source>
        <translation>Wire diameter %1 is not in the table of %2</translation>
    </message>
    <message>
        <source>径の種類 &apos;%1&apos; は inner, mean, outer のどれでもありません</source>
        <translation>Diameter kind &apos;%1&apos; is none of inner, mean, outer</translation>
    </message>
    <message>
        <source>入力の種類 &apos;%1&apos; は angle, moment のどちらでもありません</source>
        <translation>Input kind &apos;%1&apos; is neither angle nor moment</translation>
    </message>
    <message>
        <source>設計基準 &apos;%1&apos; は jis, en, us のどれでもありません</source>
        <translation>Design practice &apos;%1&apos; is none of jis, en, us</translation>
    </message>
    <message>
        <source>使用温度 &apos;%1&apos; は範囲外です (%2℃)</source>
        <translation>Working temperature &apos;%1&apos; is out of range (%2℃)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は 0 か 1 ではありません</source>
        <translation>&apos;%1&apos; is neither 0 nor 1</translation>
    </message>
    <message>
        <source>探索範囲が広すぎます（コイル径の刻みを大きくしてください）</source>
        <translation>The search range is too wide (use a coarser coil diameter step)</translation>
    </message>
    <message>
        <source>必要トルク M2 は正の数にしてください</source>
        <translation>The required moment M2 must be positive</translation>
    </message>
    <message>
        <source>ねじれ角 φ2 は正の数にしてください</source>
        <translation>The angle of twist φ2 must be positive</translation>
    </message>
    <message>
        <source>ねじれ角 φ1 が数ではありません</source>
        <translation>The angle of twist φ1 is not a number</translation>
    </message>
    <message>
        <source>ねじれ角 φ1 は φ2 以下にしてください</source>
        <translation>The angle of twist φ1 must not exceed φ2</translation>
    </message>
    <message>
        <source>M2 の許容差は 0 以上 100 未満の % で指定してください</source>
        <translation>Give the tolerance of M2 in % from 0 to below 100</translation>
    </message>
    <message>
        <source>腕の長さは 0 以上にしてください</source>
        <translation>The leg lengths must be 0 or more</translation>
    </message>
    <message>
        <source>巻数の範囲は 0 ≦ 最小 ≦ 最大 ≦ 10000 にしてください</source>
        <translation>The range of turns must be 0 ≦ min. ≦ max. ≦ 10000</translation>
    </message>
    <message>
        <source>巻数の端数は 0 以上 1 未満にしてください</source>
        <translation>The fraction of a turn must be from 0 to below 1</translation>
    </message>
    <message>
        <source>巻数が 0 です</source>
        <translation>The number of turns is 0</translation>
    </message>
    <message>
        <source>外径の上限は 0（制限なし）以上にしてください</source>
        <translation>The largest outer diameter must be 0 (no limit) or more</translation>
    </message>
    <message>
        <source>案内棒径は 0 以上にしてください</source>
        <translation>The guide rod diameter must be 0 or more</translation>
    </message>
    <message>
        <source>コイル径の刻みは 0.001 mm 以上 100 mm 以下にしてください</source>
        <translation>The coil diameter step must be from 0.001 mm to 100 mm</translation>
    </message>
    <message>
        <source>コイル径の指定方法が不正です</source>
        <translation>The kind of coil diameter is invalid</translation>
    </message>
    <message>
        <source>期待寿命の指定が不正です</source>
        <translation>The expected life is invalid</translation>
    </message>
    <message>
        <source>表示件数は 1 以上 100000 以下にしてください</source>
        <translation>The number of designs shown must be from 1 to 100000</translation>
    </message>
    <message>
        <source>材料表に探索できる材料がありません</source>
        <translation>The material table has no material to search</translation>
    </message>
    <message>
        <source>選んだ材料は材料表にありません</source>
        <translation>The chosen materials are not in the material table</translation>
    </message>
    <message>
        <source>選んだ材料には使える線径がありません</source>
        <translation>The chosen materials have no usable wire diameter</translation>
    </message>
    <message>
        <source>ファイル %1 は設計ファイルとして読めません: %2</source>
        <translation>File %1 cannot be read as a design file: %2</translation>
    </message>
    <message>
        <source>入れ子が深すぎます</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>全体がオブジェクトではありません</source>
        <translation>the whole is not an object</translation>
    </message>
    <message>
        <source>version が整数ではありません</source>
        <translation>version is not an integer</translation>
    </message>
    <message>
        <source>cases が配列ではありません</source>
        <translation>cases is not an array</translation>
    </message>
    <message>
        <source>この寸法のばねは 3D にできません</source>
        <translation>A spring of these sizes cannot be modelled in 3D</translation>
    </message>
    <message>
        <source>この角度ではばねが巻き戻りきるので 3D にできません</source>
        <translation>At this angle the spring unwinds completely and cannot be modelled in 3D</translation>
    </message>
    <message>
        <source>巻数が多すぎて 3D にできません（%1 巻まで）</source>
        <translation>Too many turns to model in 3D (at most %1 turns)</translation>
    </message>
    <message>
        <source>この角度ではコイルの内径がなくなるので 3D にできません</source>
        <translation>At this angle the coil has no inner diameter left and cannot be modelled in 3D</translation>
    </message>
    <message>
        <source>この寸法のばねは図にできません</source>
        <translation>A spring of these sizes cannot be drawn</translation>
    </message>
    <message>
        <source>巻数が多すぎて図にできません（%1 巻まで）</source>
        <translation>Too many turns to draw (at most %1 turns)</translation>
    </message>
    <message>
        <source>種類番号 %1 が 0～10 の範囲外です</source>
        <translation>kind No. %1 is outside 0～10</translation>
    </message>
    <message>
        <source>縦弾性係数が正の数ではありません</source>
        <translation>Young&apos;s modulus is not a positive number</translation>
    </message>
    <message>
        <source>データーの数 %1 が 0～50 の範囲外です</source>
        <translation>number of rows %1 is outside 0～50</translation>
    </message>
    <message>
        <source>材料線径が %1 行目で正の昇順になっていません</source>
        <translation>wire diameters are not positive and ascending at row %1</translation>
    </message>
    <message>
        <source>強さ・許容応力が %1 行目で 0 以上の数ではありません</source>
        <translation>strength or allowable stress is not a number of 0 or more at row %1</translation>
    </message>
    <message>
        <source>横弾性係数が正の数ではありません</source>
        <translation>shear modulus is not a positive number</translation>
    </message>
    <message>
        <source>大きさが %1 バイトです（正しくは %2 バイト）</source>
        <translation>The size is %1 bytes (should be %2 bytes)</translation>
    </message>
    <message>
        <source>データーNo %1 の%2</source>
        <translation>Data No. %1: %2</translation>
    </message>
    <message>
        <source>種類番号 %1 の材料がないまま種類番号 %2 が使われています（種類番号は 0 から続けて付けてください）</source>
        <translation>Kind No. %2 is used with no material of kind No. %1 (number the kinds from 0 without gaps)</translation>
    </message>
    <message>
        <source>%1。
</source>
        <translation>%1.
</translation>
    </message>
    <message>
        <source>ほか %1 件。
</source>
        <translation>%1 more.
</translation>
    </message>
    <message>
        <source>ほか %1 件（データーNo %2）。
</source>
        <translation>%1 more (data No. %2).
</translation>
    </message>
    <message>
        <source>データーNo %1 は材料の一覧から外しました。
</source>
        <translation>Data No. %1 left out of the material lists.
</translation>
    </message>
    <message>
        <source>ファイル %1 は材料データーとして正しくありません。
%2読み取れた内容で続けます。</source>
        <translation>File %1 is not valid material data.
%2Continuing with what could be read.</translation>
    </message>
    <message>
        <source>コイルのすき間 %1mm は 0〜%2mm (平均径まで) で指定してください</source>
        <translation>Coil gap %1mm: give 0 to %2mm (up to the mean diameter)</translation>
    </message>
    <message>
        <source>曲げた脚 (%1) には曲げ半径が必要です</source>
        <translation>a bent leg (%1) needs a bend radius</translation>
    </message>
    <message>
        <source>曲げのない脚 (%1) に曲げ半径は指定できません</source>
        <translation>a leg without a bend (%1) takes no bend radius</translation>
    </message>
    <message>
        <source>コイルのすき間 %1mm が平均径 %2mm を超えます</source>
        <translation>coil gap %1mm is beyond the mean diameter %2mm</translation>
    </message>
    <message>
        <source>列 %1: %2</source>
        <translation>column %1: %2</translation>
    </message>
    <message>
        <source>%1 行目 列 %2: %3</source>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message>
        <source>脚の形状 &apos;%1&apos; は tangential, radial, axial, clamped のどれでもありません</source>
        <translation>leg shape &apos;%1&apos; is none of tangential, radial, axial, clamped</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は 0〜%2 mm ではありません</source>
        <translation>&apos;%1&apos; is not 0 to %2 mm</translation>
    </message>
    <message>
        <source>外方向 (開く向き) のとき q、閉じる向きは 1</source>
        <translation>q when loaded outward (opening), 1 when closing</translation>
    </message>
    <message>
        <source>常に Ki</source>
        <translation>always Ki</translation>
    </message>
    <message>
        <source>外方向のとき (D/2 + R)/R·κ</source>
        <translation>(D/2 + R)/R·κ when loaded outward</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>σa = %1·σB&#x3000;(σB: 線径の引張強さ)</source>
        <translation>σa = %1·σB&#x3000;(σB: tensile strength of the wire)</translation>
    </message>
    <message>
        <source>最大トルクと最大角度</source>
        <translation>Maximum moment and maximum angle</translation>
    </message>
    <message>
        <source>作動点のトルク</source>
        <translation>Moments at the working points</translation>
    </message>
    <message>
        <source>作動点の角度</source>
        <translation>Angles at the working points</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>ばね定数 (%1)</source>
        <translation>Spring rate (%1)</translation>
    </message>
    <message>
        <source>ばね指数</source>
        <translation>Spring index</translation>
    </message>
    <message>
        <source>応力修正係数</source>
        <translation>Stress correction factor</translation>
    </message>
    <message>
        <source>%1&#x3000;(σb(d): 材料表の許容曲げ応力を線径 d で直線補間, N/mm²)</source>
        <translation>%1&#x3000;(σb(d): allowable bending stress of the material table interpolated linearly at wire diameter d, N/mm²)</translation>
    </message>
    <message>
        <source>最大トルク</source>
        <translation>Maximum moment</translation>
    </message>
    <message>
        <source>最大トルク（外方向）</source>
        <translation>Maximum moment (loaded outward)</translation>
    </message>
    <message>
        <source>案内棒径</source>
        <translation>Guide rod diameter</translation>
    </message>
    <message>
        <source>案内棒径（外方向）</source>
        <translation>Guide rod diameter (loaded outward)</translation>
    </message>
    <message>
        <source>曲げ応力（外方向）</source>
        <translation>Bending stress (loaded outward)</translation>
    </message>
    <message>
        <source>応力係数と寿命</source>
        <translation>Stress ratios and life</translation>
    </message>
    <message>
        <source>%1&#x3000;(σB: 線径の引張強さ, N/mm²)</source>
        <translation>%1&#x3000;(σB: tensile strength of the wire, N/mm²)</translation>
    </message>
    <message>
        <source>寿命 = %1 回</source>
        <translation>life = %1 cycles</translation>
    </message>
    <message>
        <source>σB がないため求まりません</source>
        <translation>not found: no σB</translation>
    </message>
    <message>
        <source>4 ≤ c ≤ 22,  φ1 ≤ φ2,  σ2 ≤ σa&#x3000;(σ2 が σa を 0.0005 kgf/mm² まで超えるのは丸めの差として許す)</source>
        <translation>4 ≤ c ≤ 22,  φ1 ≤ φ2,  σ2 ≤ σa&#x3000;(σ2 above σa by up to 0.0005 kgf/mm² is taken as rounding)</translation>
    </message>
    <message>
        <source>4 ≤ c ≤ 22,  φ1 ≤ φ2,  σ2 ≤ σa%1&#x3000;(σ2 が σa を 0.0005 kgf/mm² まで超えるのは丸めの差として許す)</source>
        <translation>4 ≤ c ≤ 22,  φ1 ≤ φ2,  σ2 ≤ σa%1&#x3000;(σ2 above σa by up to 0.0005 kgf/mm² is taken as rounding)</translation>
    </message>
    <message>
        <source>線径 d</source>
        <translation>Wire diameter d</translation>
    </message>
    <message>
        <source>内径 Di</source>
        <translation>Inner diameter Di</translation>
    </message>
    <message>
        <source>内径 Di（入力）</source>
        <translation>Inner diameter Di (input)</translation>
    </message>
    <message>
        <source>平均径 D</source>
        <translation>Mean diameter D</translation>
    </message>
    <message>
        <source>平均径 D（入力）</source>
        <translation>Mean diameter D (input)</translation>
    </message>
    <message>
        <source>外径 Do</source>
        <translation>Outer diameter Do</translation>
    </message>
    <message>
        <source>外径 Do（入力）</source>
        <translation>Outer diameter Do (input)</translation>
    </message>
    <message>
        <source>巻数 N</source>
        <translation>Active turns N</translation>
    </message>
    <message>
        <source>腕長 a1</source>
        <translation>Leg length a1</translation>
    </message>
    <message>
        <source>腕長 a2</source>
        <translation>Leg length a2</translation>
    </message>
    <message>
        <source>荷重方向</source>
        <translation>Load direction</translation>
    </message>
    <message>
        <source>外方向</source>
        <translation>outward</translation>
    </message>
    <message>
        <source>内方向</source>
        <translation>inward</translation>
    </message>
    <message>
        <source>巻き方向</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>左</source>
        <translation>left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>right</translation>
    </message>
    <message>
        <source>ねじれ角度 φ1</source>
        <translation>Angle of twist φ1</translation>
    </message>
    <message>
        <source>ねじれ角度 φ2</source>
        <translation>Angle of twist φ2</translation>
    </message>
    <message>
        <source>モーメント M1</source>
        <translation>Moment M1</translation>
    </message>
    <message>
        <source>モーメント M2</source>
        <translation>Moment M2</translation>
    </message>
    <message>
        <source>ばね定数 k</source>
        <translation>Spring rate k</translation>
    </message>
    <message>
        <source>ばね指数 c</source>
        <translation>Spring index c</translation>
    </message>
    <message>
        <source>応力修正係数 κ</source>
        <translation>Stress correction factor κ</translation>
    </message>
    <message>
        <source>曲げ応力 σ1</source>
        <translation>Bending stress σ1</translation>
    </message>
    <message>
        <source>曲げ応力 σ2</source>
        <translation>Bending stress σ2</translation>
    </message>
    <message>
        <source>許容曲げ応力 σa</source>
        <translation>Allowable bending stress σa</translation>
    </message>
    <message>
        <source>回</source>
        <translation>cycles</translation>
    </message>
    <message>
        <source>長さ &apos;%1&apos; は 0〜%2 mm で指定してください</source>
        <translation>Length &apos;%1&apos;: give 0 to %2 mm</translation>
    </message>
    <message>
        <source>脚1の曲げ部の応力</source>
        <translation>Stress at bend of leg 1</translation>
    </message>
    <message>
        <source>脚2の曲げ部の応力</source>
        <translation>Stress at bend of leg 2</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>10^%1回 nf=%2</source>
        <translation>10^%1: nf=%2</translation>
    </message>
    <message>
        <source>密度データなし</source>
        <translation>No density data</translation>
    </message>
    <message>
        <source>胴長</source>
        <translation>Body length</translation>
    </message>
    <message>
        <source>自由時の胴長</source>
        <translation>Free body length</translation>
    </message>
    <message>
        <source>線長</source>
        <translation>Wire length</translation>
    </message>
    <message>
        <source>%1（±%2%）</source>
        <translation>%1 (±%2%)</translation>
    </message>
    <message>
        <source>%1 〜 %2 %3</source>
        <translation>%1 to %2 %3</translation>
    </message>
    <message>
        <source>%1 〜 %2 %3（%4）</source>
        <translation>%1 to %2 %3 (%4)</translation>
    </message>
    <message>
        <source>JIS %1 以上 N/mm²</source>
        <translation>JIS %1 min. N/mm²</translation>
    </message>
    <message>
        <source>JIS %1〜%2 N/mm²</source>
        <translation>JIS %1 to %2 N/mm²</translation>
    </message>
    <message>
        <source>ばらつきの見込み（%1級）</source>
        <translation>Expected variation (grade %1)</translation>
    </message>
    <message>
        <source>すべて不利な側</source>
        <translation>Worst case</translation>
    </message>
    <message>
        <source>二乗和平方根</source>
        <translation>Root sum square</translation>
    </message>
    <message>
        <source>線径 ±Δd</source>
        <translation>Wire diameter ±Δd</translation>
    </message>
    <message>
        <source>コイル径 ±ΔD</source>
        <translation>Coil diameter ±ΔD</translation>
    </message>
    <message>
        <source>±%1（巻数 ±%2）</source>
        <translation>±%1 (turns ±%2)</translation>
    </message>
    <message>
        <source>%1、零点 ±%2 %3</source>
        <translation>%1, zero shift ±%2 %3</translation>
    </message>
    <message>
        <source>自由角度 ±Δθ</source>
        <translation>Free angle ±Δθ</translation>
    </message>
    <message>
        <source>線径</source>
        <comment>term of the variation</comment>
        <translation>wire diameter</translation>
    </message>
    <message>
        <source>コイル径</source>
        <comment>term of the variation</comment>
        <translation>coil diameter</translation>
    </message>
    <message>
        <source>巻数</source>
        <comment>term of the variation</comment>
        <translation>turns</translation>
    </message>
    <message>
        <source>零点</source>
        <comment>term of the variation</comment>
        <translation>zero shift</translation>
    </message>
    <message>
        <source>各項の寄与（M2）</source>
        <translation>Share of each term (M2)</translation>
    </message>
    <message>
        <source>判定</source>
        <comment>verdict of the variation</comment>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>線材（JIS）</source>
        <translation>Wire (JIS)</translation>
    </message>
    <message>
        <source>JIS 標準線径</source>
        <translation>JIS standard diameter</translation>
    </message>
    <message>
        <source>標準線径ではありません</source>
        <translation>Not a standard diameter</translation>
    </message>
    <message>
        <source>標準線径</source>
        <translation>Standard diameter</translation>
    </message>
    <message>
        <source>%1（材料表 %2 N/mm²、JIS の範囲外）</source>
        <translation>%1 (material table %2 N/mm², outside JIS)</translation>
    </message>
    <message>
        <source>%1（材料表 %2 N/mm²）</source>
        <translation>%1 (material table %2 N/mm²)</translation>
    </message>
    <message>
        <source>引張強さ</source>
        <translation>Tensile strength</translation>
    </message>
    <message>
        <source>線径の許容差</source>
        <translation>Wire diameter tolerance</translation>
    </message>
    <message>
        <source>%1、偏径差 %2 mm 以下</source>
        <translation>%1, out-of-roundness max. %2 mm</translation>
    </message>
    <message>
        <source>%1、偏径差 %2</source>
        <translation>%1, out-of-roundness %2</translation>
    </message>
    <message>
        <source>固有振動数とエネルギー（集中定数の近似）</source>
        <translation>Natural frequency and energy (lumped approximation)</translation>
    </message>
    <message>
        <source>ばね自身の慣性モーメント</source>
        <translation>Inertia of the spring</translation>
    </message>
    <message>
        <source>%1 kg･mm²（コイル %2、腕2 %3）</source>
        <translation>%1 kg･mm² (coil %2, arm 2 %3)</translation>
    </message>
    <message>
        <source>駆動する部品の J</source>
        <translation>J of the driven part</translation>
    </message>
    <message>
        <source>なし（ばね単体）</source>
        <translation>None (spring alone)</translation>
    </message>
    <message>
        <source>固有振動数 f</source>
        <translation>Natural frequency f</translation>
    </message>
    <message>
        <source>運転周波数との比</source>
        <translation>Ratio to operating frequency</translation>
    </message>
    <message>
        <source>運転周波数の入力なし</source>
        <translation>No operating frequency given</translation>
    </message>
    <message>
        <source>固有振動数が求まらない</source>
        <translation>Natural frequency not found</translation>
    </message>
    <message>
        <source>%1（= %2 mJ）</source>
        <translation>%1 (= %2 mJ)</translation>
    </message>
    <message>
        <source>蓄えるエネルギー φ1→φ2</source>
        <translation>Stored energy φ1→φ2</translation>
    </message>
    <message>
        <source>公差（JIS B 2704-2）%1級</source>
        <translation>Tolerances (JIS B 2704-2) grade %1</translation>
    </message>
    <message>
        <source>ばね特性 φ%1=%2</source>
        <translation>Torque at φ%1=%2</translation>
    </message>
    <message>
        <source>腕の自由角度</source>
        <translation>Free angle of the arms</translation>
    </message>
    <message>
        <source>コイル内径</source>
        <translation>Coil inner diameter</translation>
    </message>
    <message>
        <source>コイル外径</source>
        <translation>Coil outer diameter</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>コイル長さ</source>
        <translation>Coil length</translation>
    </message>
    <message>
        <source>腕の長さ a%1</source>
        <translation>Arm length a%1</translation>
    </message>
    <message>
        <source>負荷時の形状</source>
        <translation>Geometry under load</translation>
    </message>
    <message>
        <source>最大角度 %1</source>
        <translation>Max. angle %1</translation>
    </message>
    <message>
        <source>ΔD（JIS の近似）</source>
        <translation>ΔD (JIS approximation)</translation>
    </message>
    <message>
        <source>ΔD（3D モデル）</source>
        <translation>ΔD (3D model)</translation>
    </message>
    <message>
        <source>負荷時の内径（JIS の近似）</source>
        <translation>Loaded Di (JIS approx.)</translation>
    </message>
    <message>
        <source>負荷時の平均径（3D モデル）</source>
        <translation>Loaded D (3D model)</translation>
    </message>
    <message>
        <source>案内棒とのすきま</source>
        <translation>Clearance to guide rod</translation>
    </message>
    <message>
        <source>質量</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>設計基準: %1&#x3000;使用温度: %2℃</source>
        <translation>Design practice: %1   Working temperature: %2℃</translation>
    </message>
    <message>
        <source>%1（選択）</source>
        <translation>%1 (chosen)</translation>
    </message>
    <message>
        <source>ばね定数</source>
        <comment>report step</comment>
        <translation>Spring rate</translation>
    </message>
    <message>
        <source>許容応力</source>
        <comment>comparison item</comment>
        <translation>Allowable stress</translation>
    </message>
    <message>
        <source>ｍｍ</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Ｎ・ｍｍ</source>
        <translation>N･mm</translation>
    </message>
    <message>
        <source>Ｎ/ｍｍ＾２</source>
        <translation>N/mm^2</translation>
    </message>
    <message>
        <source>材料の線径</source>
        <translation>Wire diameter</translation>
    </message>
    <message>
        <source>コイル平均径</source>
        <translation>Mean coil diameter</translation>
    </message>
    <message>
        <source>巻数</source>
        <comment>data sheet item</comment>
        <translation>Number of turns</translation>
    </message>
    <message>
        <source>巻数</source>
        <comment>data sheet unit</comment>
        <translation>turns</translation>
    </message>
    <message>
        <source>ねじれ角度１</source>
        <translation>Angle 1</translation>
    </message>
    <message>
        <source>モーメント１</source>
        <translation>Moment 1</translation>
    </message>
    <message>
        <source>曲げ応力１</source>
        <translation>Bending stress 1</translation>
    </message>
    <message>
        <source>ねじれ角度２</source>
        <translation>Angle 2</translation>
    </message>
    <message>
        <source>モーメント２</source>
        <translation>Moment 2</translation>
    </message>
    <message>
        <source>曲げ応力２</source>
        <translation>Bending stress 2</translation>
    </message>
    <message>
        <source>Ｎ・ｍｍ/度</source>
        <translation>N･mm/deg</translation>
    </message>
    <message>
        <source>案内棒直径</source>
        <translation>Guide rod diameter</translation>
    </message>
    <message>
        <source>角度１&#x3000;= %1度</source>
        <translation>Angle 1 = %1°</translation>
    </message>
    <message>
        <source>角度２&#x3000;= %1度</source>
        <translation>Angle 2 = %1°</translation>
    </message>
    <message>
        <source>平均径&#x3000;= %1mm</source>
        <translation>Mean D = %1mm</translation>
    </message>
    <message>
        <source>トルクM2= %1N･mm</source>
        <translation>M2= %1N･mm</translation>
    </message>
    <message>
        <source>トルクM1= %1N･mm</source>
        <translation>M1= %1N･mm</translation>
    </message>
    <message>
        <source>ａ1 = %1mm</source>
        <translation>a1 = %1mm</translation>
    </message>
    <message>
        <source>ａ2 = %1mm</source>
        <translation>a2 = %1mm</translation>
    </message>
    <message>
        <source>脚%1</source>
        <translation>Leg %1</translation>
    </message>
    <message>
        <source>k = %1·d⁴ / (3667·D·N + L1 + L2),  接線・軸方向の脚 Li = 389·ai、ほかの脚 Li = 3667·D·ni</source>
        <translation>k = %1·d⁴ / (3667·D·N + L1 + L2),  tangential and axial legs Li = 389·ai, other legs Li = 3667·D·ni</translation>
    </message>
    <message>
        <source>&#x3000;(ni: 接線・軸方向 %1、半径方向 b³ / (3π·D·l²), b = l − D/2、固定 0; l = ai)</source>
        <translation>  (ni: tangential and axial %1, radial b³ / (3π·D·l²), b = l − D/2, clamped 0; l = ai)</translation>
    </message>
    <message>
        <source>ばね定数 (脚の形状)</source>
        <translation>Spring rate (leg shapes)</translation>
    </message>
    <message>
        <source>ばね定数 (%1、脚の形状)</source>
        <translation>Spring rate (%1, leg shapes)</translation>
    </message>
    <message>
        <source>&#x3000;(曲げた脚: q_leg が応力修正係数より大きいとき π·σa·d³ / (32·q_leg) との小さいほう)</source>
        <translation>  (bent legs: where q_leg exceeds the stress correction factor, the smaller of this and π·σa·d³ / (32·q_leg))</translation>
    </message>
    <message>
        <source>脚%1の曲げ部</source>
        <translation>Bend of leg %1</translation>
    </message>
    <message>
        <source>q_leg = (2r/d + 1.07) / (2r/d + 0.25),  σb%1 = q_leg·32·M2 / (π·d³);  r ≥ d (1.5·d 以上を推奨)</source>
        <translation>q_leg = (2r/d + 1.07) / (2r/d + 0.25),  σb%1 = q_leg·32·M2 / (π·d³);  r ≥ d (1.5·d or more recommended)</translation>
    </message>
    <message>
        <source>許容曲げ応力</source>
        <comment>report step</comment>
        <translation>Allowable bending stress</translation>
    </message>
    <message>
        <source>曲げ応力</source>
        <comment>report step</comment>
        <translation>Bending stress</translation>
    </message>
    <message>
        <source>最大角度</source>
        <comment>report step</comment>
        <translation>Maximum angle</translation>
    </message>
    <message>
        <source>%1、まっすぐな長さ %2 mm、曲げ半径 r %3 mm</source>
        <translation>%1, straight %2 mm, bend r %3 mm</translation>
    </message>
    <message>
        <source>コイルのすき間 g</source>
        <translation>Coil gap g</translation>
    </message>
    <message>
        <source>規格値なし（受渡当事者間の協定）</source>
        <translation>No published value (by agreement)</translation>
    </message>
    <message>
        <source>対象外（密着巻）</source>
        <translation>Not applicable (close-wound)</translation>
    </message>
    <message>
        <source>自由角度</source>
        <comment>term of the variation</comment>
        <translation>free angle</translation>
    </message>
    <message>
        <source>規格値なし（%1の許容差）</source>
        <translation>No published value (tolerance of %1)</translation>
    </message>
    <message>
        <source>規格値なし（この巻数のばね特性の許容差）</source>
        <translation>No published value (torque tolerance for these turns)</translation>
    </message>
    <message>
        <source>公差内の見込み（すべて不利な側でも ±ΔM の内）</source>
        <translation>Expected within tolerance (within ±ΔM even in the worst case)</translation>
    </message>
    <message>
        <source>二乗和では公差内、すべて不利な側では ±ΔM を超える</source>
        <translation>Within tolerance by root sum square, beyond ±ΔM in the worst case</translation>
    </message>
    <message>
        <source>線径の許容差だけで ±%1 %: この等級は難しい</source>
        <translation>Wire tolerance alone gives ±%1 %: this grade is hard to hold</translation>
    </message>
    <message>
        <source>公差を超える見込み</source>
        <translation>Expected beyond tolerance</translation>
    </message>
    <message>
        <source>公差を超える見込み（M2 +%1 / %2 %、±ΔM は ±%3 %）</source>
        <translation>Expected beyond tolerance (M2 +%1 / %2 %, ±ΔM is ±%3 %)</translation>
    </message>
    <message>
        <source>公差を超える見込み（M2 +%1 / %2 %、±ΔM は ±%3 %。最大の寄与は%4 %5 %）</source>
        <translation>Expected beyond tolerance (M2 +%1 / %2 %, ±ΔM is ±%3 %; largest share: %4 %5 %)</translation>
    </message>
    <message>
        <source>巻数の範囲内で M2 が許容差に入らない</source>
        <translation>M2 not within its tolerance in the range of turns</translation>
    </message>
    <message>
        <source>外径が上限を超える</source>
        <translation>outer diameter above its limit</translation>
    </message>
    <message>
        <source>バネ指数が４～２２の外</source>
        <translation>spring index outside 4 to 22</translation>
    </message>
    <message>
        <source>σ2 が許容応力を超える</source>
        <translation>σ2 above the allowable stress</translation>
    </message>
    <message>
        <source>案内棒径が指定より小さい</source>
        <translation>guide rod diameter below the one asked for</translation>
    </message>
    <message>
        <source>期待寿命が指定に届かない</source>
        <translation>expected life short of the one asked for</translation>
    </message>
    <message>
        <source>計算できない（演算エラー）</source>
        <translation>cannot be calculated (arithmetic error)</translation>
    </message>
    <message>
        <source>調べた設計 %1 件（計算 %2 件、トルク適合 %3 件）、条件を満たす設計 %4 件（中止）</source>
        <translation>Designs examined %1 (calculated %2, torque met %3), designs meeting the requirements %4 (cancelled)</translation>
    </message>
    <message>
        <source>調べた設計 %1 件（計算 %2 件、トルク適合 %3 件）、条件を満たす設計 %4 件</source>
        <translation>Designs examined %1 (calculated %2, torque met %3), designs meeting the requirements %4</translation>
    </message>
    <message>
        <source>条件を満たすばねはありません。最も多く除外した条件：%1（%2 / %3 件）</source>
        <translation>No spring meets the requirements. The requirement that excluded most: %1 (%2 / %3)</translation>
    </message>
    <message>
        <source>記号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>線径 d (mm)</source>
        <translation>Wire d (mm)</translation>
    </message>
    <message>
        <source>平均径 D (mm)</source>
        <translation>Mean D (mm)</translation>
    </message>
    <message>
        <source>内径 (mm)</source>
        <translation>Inner D (mm)</translation>
    </message>
    <message>
        <source>外径 (mm)</source>
        <translation>Outer D (mm)</translation>
    </message>
    <message>
        <source>期待寿命 (回)</source>
        <translation>Expected life (cycles)</translation>
    </message>
    <message>
        <source>案内棒径 (mm)</source>
        <translation>Guide rod (mm)</translation>
    </message>
    <message>
        <source>線長 (mm)</source>
        <translation>Wire length (mm)</translation>
    </message>
    <message>
        <source>バネ定数</source>
        <comment>data sheet item</comment>
        <translation>Spring rate</translation>
    </message>
    <message>
        <source>各項を不利な端に置き、ばね定数の式で計算</source>
        <translation>Every term at its unfavourable end, calculated by the spring-rate formula</translation>
    </message>
    <message>
        <source>各項の変化の二乗和の平方根</source>
        <translation>Square root of the sum of the squares of the terms&apos; changes</translation>
    </message>
    <message>
        <source>計算と同じばね定数の式 k ∝ E·d⁴ / (D·N の項 + 腕の長さの項) による</source>
        <translation>By the calculation&apos;s own spring-rate formula, k ∝ E·d⁴ / (D·N term + arm-length term)</translation>
    </message>
    <message>
        <source>%1
D と N はそのまま、d だけを動かす: %2</source>
        <translation>%1
D and N kept, only d varied: %2</translation>
    </message>
    <message>
        <source>%1
図面の径の許容差で平均径 D を動かす（平均径の入力では内径と外径の大きい方）</source>
        <translation>%1
The mean diameter D varied by the tolerance of the diameter on the drawing (with the mean diameter typed, the larger of the inner and outer diameter tolerances)</translation>
    </message>
    <message>
        <source>%1
ΔN = Δθ/360 巻として k に、k·Δθ を M の零点のずれとして加える</source>
        <translation>%1
Applied to k as ΔN = Δθ/360 turns, and k·Δθ added as the shift of M&apos;s zero</translation>
    </message>
    <message>
        <source>M = k·(φ ± Δθ)、φ%1 = %2</source>
        <translation>M = k·(φ ± Δθ), φ%1 = %2</translation>
    </message>
    <message>
        <source>±ΔM = ±%1 %2（±%3%）</source>
        <translation>±ΔM = ±%1 %2 (±%3%)</translation>
    </message>
    <message>
        <source>M2 のすべて不利な側の幅に各項が占める割合</source>
        <translation>Each term&apos;s share of the worst-case band of M2</translation>
    </message>
    <message>
        <source>±ΔM（ばね特性の許容差）に対して。線径の許容差だけで ±ΔM を超えるときは等級を見直す</source>
        <translation>Against ±ΔM (the torque tolerance). When the wire diameter tolerance alone exceeds ±ΔM, review the grade</translation>
    </message>
    <message>
        <source>計算されたばね定数がない</source>
        <translation>No calculated spring rate</translation>
    </message>
    <message>
        <source>%1
材料表の引張強さ（許容応力と寿命の元）: %2 N/mm²</source>
        <translation>%1
Tensile strength of the material table (the basis of the allowable stress and the life): %2 N/mm²</translation>
    </message>
    <message>
        <source>集中定数の近似: ばねを質量のないばね定数とし、ばね自身の慣性モーメントの 1/3 を腕 2 に置く</source>
        <translation>Lumped-parameter approximation: the spring as a massless rate, with 1/3 of its own moment of inertia on arm 2</translation>
    </message>
    <message>
        <source>コイル: 質量を D/2 の輪に置く m·(D/2)²、腕 2: 軸からの棒 m·a2²/3
%1</source>
        <translation>Coil: its mass as a ring at D/2, m·(D/2)²; arm 2: a rod from the axis, m·a2²/3
%1</translation>
    </message>
    <message>
        <source>腕 2 が動かす部品の、コイル軸まわりの慣性モーメント</source>
        <translation>Moment of inertia about the coil axis of the part that arm 2 moves</translation>
    </message>
    <message>
        <source>f = (1/2π)·√(k / J_total)、k = %1 N･mm/rad、J_total = J + ばね自身/3 = %2 kg･mm²
%3</source>
        <translation>f = (1/2π)·√(k / J_total), k = %1 N･mm/rad, J_total = J + spring&apos;s own/3 = %2 kg･mm²
%3</translation>
    </message>
    <message>
        <source>固有振動数を運転周波数で割った値</source>
        <translation>The natural frequency divided by the operating frequency</translation>
    </message>
    <message>
        <source>½·k·(φ2² − φ1²)、φ はラジアン、k は N･mm/rad
%1</source>
        <translation>½·k·(φ2² − φ1²), φ in radians, k in N･mm/rad
%1</translation>
    </message>
    <message>
        <source>ΔM = ±(φ·β1 + β2)·k、k = %1 %2
%3</source>
        <translation>ΔM = ±(φ·β1 + β2)·k, k = %1 %2
%3</translation>
    </message>
    <message>
        <source>参考（導出値の β2 による）: ±%1 %2</source>
        <translation>For reference (by the derived β2): ±%1 %2</translation>
    </message>
    <message>
        <source>%1
ばね特性を指定するときは参考値</source>
        <translation>%1
For reference only when the torque is specified</translation>
    </message>
    <message>
        <source>コイル径の減少 ΔD = φ·D/(360·N)、JIS の近似式。負荷時の内径と案内棒とのすきまはこの値による。外方向では巻き戻り、径は増す</source>
        <translation>Reduction of the coil diameter ΔD = φ·D/(360·N), the JIS approximation. The loaded inner diameter and the clearance to the guide rod follow it. Loaded outward, the coil unwinds and the diameter grows</translation>
    </message>
    <message>
        <source>コイル径の減少 ΔD = D·φ/(360·N + φ)、線長を一定に巻き込む形状。3D 形状のページと STEP・STL のばねはこの径</source>
        <translation>Reduction of the coil diameter ΔD = D·φ/(360·N + φ), wound up at constant wire length. The spring of the 3D page, STEP and STL has this diameter</translation>
    </message>
    <message>
        <source>Di − ΔD、Di = %1</source>
        <translation>Di − ΔD, Di = %1</translation>
    </message>
    <message>
        <source>D − ΔD、D = %1。STEP・STL に書くコイル径</source>
        <translation>D − ΔD, D = %1. The coil diameter written to STEP and STL</translation>
    </message>
    <message>
        <source>負荷時の内径（JIS の近似）− 推奨案内棒径 %1</source>
        <translation>Loaded inner diameter (JIS approximation) − recommended guide rod diameter %1</translation>
    </message>
    <message>
        <source>d·(N + 1 + φ/360)、密着巻</source>
        <translation>d·(N + 1 + φ/360), close-wound</translation>
    </message>
    <message>
        <source>d·(N + 1)、密着巻</source>
        <translation>d·(N + 1), close-wound</translation>
    </message>
    <message>
        <source>π·D·N + a1 + a2。コイルをつる巻き線として数えると %1</source>
        <translation>π·D·N + a1 + a2. Counting the coil as a helix: %1</translation>
    </message>
    <message>
        <source>コイルのすき間 g = %1</source>
        <translation>gap between coils g = %1</translation>
    </message>
    <message>
        <source>d·(N + 1 + φ/360) + g·(N + φ/360)、%1</source>
        <translation>d·(N + 1 + φ/360) + g·(N + φ/360), %1</translation>
    </message>
    <message>
        <source>d·(N + 1) + g·N、%1</source>
        <translation>d·(N + 1) + g·N, %1</translation>
    </message>
    <message>
        <source>N·√((π·D)² + g²) + a1 + a2、%1。コイルをつる巻き線として数えると %2</source>
        <translation>N·√((π·D)² + g²) + a1 + a2, %1. Counting the coil as a helix: %2</translation>
    </message>
    <message>
        <source>%1
m = ρ·(π·d²/4)·線長</source>
        <translation>%1
m = ρ·(π·d²/4)·wire length</translation>
    </message>
    <message>
        <source>ばね特性 β1</source>
        <translation>Torque β1</translation>
    </message>
    <message>
        <source>ばね特性 β2</source>
        <translation>Torque β2</translation>
    </message>
    <message>
        <source>コイル径</source>
        <translation>Coil diameter</translation>
    </message>
    <message>
        <source>腕の長さ</source>
        <translation>Arm length</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>全等級</source>
        <translation>all grades</translation>
    </message>
    <message>
        <source>%1級</source>
        <translation>grade %1</translation>
    </message>
    <message>
        <source>%1を超え%2未満</source>
        <translation>over %1 below %2</translation>
    </message>
    <message>
        <source>%1を超え%2以下</source>
        <translation>over %1 up to %2</translation>
    </message>
    <message>
        <source>%1以上%2未満</source>
        <translation>from %1 below %2</translation>
    </message>
    <message>
        <source>%1以上%2以下</source>
        <translation>from %1 up to %2</translation>
    </message>
    <message>
        <source>%1以上</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>%1を超え</source>
        <translation>over %1</translation>
    </message>
    <message>
        <source>%1以下</source>
        <translation>up to %1</translation>
    </message>
    <message>
        <source>%1未満</source>
        <translation>below %1</translation>
    </message>
    <message>
        <source>［出典 %1］</source>
        <translation> [source %1]</translation>
    </message>
    <message>
        <source>JIS B 2704-2:2018・JSMA SB001-2:2018 の要約（ばねメーカーの技術資料）</source>
        <translation>Summary of JIS B 2704-2:2018 and JSMA SB001-2:2018 (a spring maker&apos;s technical data)</translation>
    </message>
    <message>
        <source>ばねメーカーのねじりばね許容差の資料（JIS の版の記載なし）</source>
        <translation>A spring maker&apos;s data on torsion spring tolerances (JIS edition not stated)</translation>
    </message>
    <message>
        <source>ばねメーカーの資料「ねじりコイルバネの寸法・特性の許容範囲」（2010 年）</source>
        <translation>A spring maker&apos;s data &quot;Tolerances of the dimensions and characteristics of torsion coil springs&quot; (2010)</translation>
    </message>
    <message>
        <source>ばね用線材の表（密度 lb/in³）</source>
        <translation>Table of spring wires (density in lb/in³)</translation>
    </message>
    <message>
        <source>ばねメーカーの Q&amp;A（鋼の密度 7.85 g/cm³）</source>
        <translation>A spring maker&apos;s Q&amp;A (density of steel 7.85 g/cm³)</translation>
    </message>
    <message>
        <source>ステンレス鋼の鋼種ごとの密度の表</source>
        <translation>Table of the densities of stainless steel grades</translation>
    </message>
    <message>
        <source>SUS303・304・316 の比重の資料</source>
        <translation>Data on the specific gravity of SUS303, 304 and 316</translation>
    </message>
    <message>
        <source>ピアノ線</source>
        <translation>piano wire</translation>
    </message>
    <message>
        <source>硬鋼線</source>
        <translation>hard-drawn steel wire</translation>
    </message>
    <message>
        <source>オイルテンパー線</source>
        <translation>oil-tempered wire</translation>
    </message>
    <message>
        <source>値は公表されていない</source>
        <translation>no published value</translation>
    </message>
    <message>
        <source>±%1%（最小±%2mm）</source>
        <translation>±%1% (at least ±%2 mm)</translation>
    </message>
    <message>
        <source>%1°（導出値、参考）</source>
        <translation>%1° (derived, for reference)</translation>
    </message>
    <message>
        <source>%1 %2: %3=%4 は表の範囲外</source>
        <translation>%1 %2: %3=%4 is outside the table</translation>
    </message>
    <message>
        <source>%1 %2: 値がない</source>
        <translation>%1 %2: no value</translation>
    </message>
    <message>
        <source>%1 %2: ばね指数 c=D/d=%3 は表の適用範囲（%4 ≤ D/d ≤ %5）の外</source>
        <translation>%1 %2: spring index c=D/d=%3 is outside the table&apos;s range (%4 ≤ D/d ≤ %5)</translation>
    </message>
    <message>
        <source>%1: 密着巻きには適用しない</source>
        <translation>%1: not applied to close-wound springs</translation>
    </message>
    <message>
        <source>密度 %1（%2）</source>
        <translation>Density %1 (%2)</translation>
    </message>
    <message>
        <source>密度: この材料の値はデータにない</source>
        <translation>Density: no value for this material in the data</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>data/tolerances.md の出典一覧を参照</source>
        <translation>see the list of sources in data/tolerances.md</translation>
    </message>
    <message>
        <source>材料が材料表にない</source>
        <translation>The material is not in the material table</translation>
    </message>
    <message>
        <source>密度: 材料が材料表にない</source>
        <translation>Density: the material is not in the material table</translation>
    </message>
    <message>
        <source>偏径差</source>
        <translation>Out-of-roundness</translation>
    </message>
    <message>
        <source>適用線径</source>
        <translation>Applicable diameters</translation>
    </message>
    <message>
        <source>%1 以上</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>%1 を超え</source>
        <translation>over %1</translation>
    </message>
    <message>
        <source>%1 以下</source>
        <translation>up to %1</translation>
    </message>
    <message>
        <source>%1 未満</source>
        <translation>below %1</translation>
    </message>
    <message>
        <source>全線径</source>
        <translation>all diameters</translation>
    </message>
    <message>
        <source>値は見つかっていない（%1）</source>
        <translation>no value found (%1)</translation>
    </message>
    <message>
        <source>%1 mm 以下</source>
        <translation>at most %1 mm</translation>
    </message>
    <message>
        <source>%1〜%2 N/mm²</source>
        <translation>%1–%2 N/mm²</translation>
    </message>
    <message>
        <source>（上限は見つかっていない）</source>
        <translation>(upper limit not found)</translation>
    </message>
    <message>
        <source>［出典 %1、表の読み取りによる］</source>
        <translation> [source %1, read off the table]</translation>
    </message>
    <message>
        <source>%1: この材料の JIS の値はデータにない</source>
        <translation>%1: no JIS value for this material in the data</translation>
    </message>
    <message>
        <source>線径 %1 mm は%2 の外</source>
        <translation>Wire diameter %1 mm is outside %2</translation>
    </message>
    <message>
        <source>%1: 線径 %2 mm は表の範囲外</source>
        <translation>%1: wire diameter %2 mm is outside the table</translation>
    </message>
    <message>
        <source>引張強さ: 線径 %1 mm の次に大きい標準線径がデータから決まらない</source>
        <translation>Tensile strength: the data do not tell the next standard diameter above %1 mm</translation>
    </message>
    <message>
        <source>%1
線径 %2 mm は標準線径の間: 次に大きい標準線径 %3 mm の値</source>
        <translation>%1
Wire diameter %2 mm lies between standard diameters: the value of the next larger one, %3 mm</translation>
    </message>
    <message>
        <source>標準線径 %1: 線径 %2 mm は一覧にない</source>
        <translation>Standard diameters %1: wire diameter %2 mm is not in the list</translation>
    </message>
    <message>
        <source>（近い標準線径 %1 mm）</source>
        <translation> (nearest standard diameters %1 mm)</translation>
    </message>
    <message>
        <source>このばねは 3D モデルにできません</source>
        <translation>This spring cannot be made into a 3D model</translation>
    </message>
    <message>
        <source>巻数 N</source>
        <comment>quantity of the ranges of a tolerance table</comment>
        <translation>active turns N</translation>
    </message>
    <message>
        <source>ばね指数 c=D/d</source>
        <comment>quantity of the ranges of a tolerance table</comment>
        <translation>spring index c=D/d</translation>
    </message>
    <message>
        <source>線径 d</source>
        <comment>quantity of the ranges of a tolerance table</comment>
        <translation>wire diameter d</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>table and grade of a tolerance row</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>table, grade and range of a tolerance row</comment>
        <translation>%1, %2, %3 %4</translation>
    </message>
</context>
<context>
    <name>u_data_make</name>
    <message>
        <source>材料のデーター|*.dst|すべてのファイル|*.*</source>
        <translation>Material data|*.dst|All files|*.*</translation>
    </message>
    <message>
        <source>材料特性を変更した場合は、ソフトを一度終了して下さい！</source>
        <translation>After changing material properties, please restart the program!</translation>
    </message>
    <message>
        <source>本当に現在のデーターNo.の内容を消去</source>
        <translation>Really erase the current data No.</translation>
    </message>
    <message>
        <source>材料編集</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>ダブルクリックでクリアー</source>
        <translation>Double-click clears</translation>
    </message>
    <message>
        <source>材料線径</source>
        <translation>Wire dia.</translation>
    </message>
    <message>
        <source>引張り強さ</source>
        <translation>Tensile strength</translation>
    </message>
    <message>
        <source>許容ねじり応力</source>
        <translation>Allow. torsion</translation>
    </message>
    <message>
        <source>許容曲げ応力</source>
        <translation>Allow. bending</translation>
    </message>
    <message>
        <source>ファイル %1 に保存しました。
%2</source>
        <translation>Saved to file %1.
%2</translation>
    </message>
    <message>
        <source>種類番号＝ </source>
        <translation>Kind No. = </translation>
    </message>
    <message>
        <source> は８以上登録できません！</source>
        <translation> cannot hold more than 8 records!</translation>
    </message>
    <message>
        <source>データーNo</source>
        <translation>Data No.</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>材料の種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>種類番号</source>
        <translation>Kind No.</translation>
    </message>
    <message>
        <source>材料の記号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>種類別登録数</source>
        <translation>Kind count</translation>
    </message>
    <message>
        <source>横弾性係数</source>
        <translation>G modulus</translation>
    </message>
    <message>
        <source>ねじり応力比</source>
        <translation>Torsion ratio</translation>
    </message>
    <message>
        <source>縦弾性係数</source>
        <translation>E modulus</translation>
    </message>
    <message>
        <source>曲げ応力比</source>
        <translation>Bending ratio</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>データーの数</source>
        <translation>Data rows</translation>
    </message>
    <message>
        <source>行挿入</source>
        <translation>Insert row</translation>
    </message>
    <message>
        <source>行削除</source>
        <translation>Delete row</translation>
    </message>
</context>
<context>
    <name>u_keisuu_make</name>
    <message>
        <source>係数編集</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>許容応力の設定</source>
        <translation>Allowable stress</translation>
    </message>
    <message>
        <source>初張力の設定</source>
        <translation>Initial tension</translation>
    </message>
    <message>
        <source>これらの値は、ねじりコイルばねの計算には使われません。</source>
        <translation>These values are not used in the torsion spring calculation.</translation>
    </message>
    <message>
        <source>設定ボタン</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>「%1」の %2%3 は、目安（%4～%5%3）の外です。</source>
        <translation>%2%3 of &quot;%1&quot; is outside the usual range (%4～%5%3).</translation>
    </message>
    <message>
        <source>目安の外の値です</source>
        <translation>Value outside the usual range</translation>
    </message>
    <message>
        <source>
このまま保存しますか？</source>
        <translation>
Save anyway?</translation>
    </message>
    <message>
        <source>圧縮ばねと材料の許容ねじり応力の割合</source>
        <translation>Compression spring allow. stress ratio</translation>
    </message>
    <message>
        <source>（&#x3000;80%&#x3000;）</source>
        <translation>( 80% )</translation>
    </message>
    <message>
        <source>冷間引張りばねと圧縮ばねの許容ねじり応力割合</source>
        <translation>Extension / compression allow. stress ratio</translation>
    </message>
    <message>
        <source>引っ張りばねのフック部応力集中係数</source>
        <translation>Hook stress concentration (extension)</translation>
    </message>
    <message>
        <source>（ 1..25 ）</source>
        <translation>( 1..25 )</translation>
    </message>
    <message>
        <source>ステンレス鋼線の減少割合</source>
        <translation>Reduction for stainless steel wire</translation>
    </message>
    <message>
        <source>(15%)</source>
        <translation>(15%)</translation>
    </message>
    <message>
        <source>低温焼なまししたピアノ線の減少割合</source>
        <translation>Reduction, stress-relieved piano wire</translation>
    </message>
    <message>
        <source>(20%～35%)</source>
        <translation>(20% to 35%)</translation>
    </message>
    <message>
        <source>低温焼なましした硬鋼線の減少割合</source>
        <translation>Reduction, stress-relieved hard-drawn wire</translation>
    </message>
    <message>
        <source>低温焼なまししたステンレス鋼線の減少割合</source>
        <translation>Reduction, stress-relieved stainless wire</translation>
    </message>
    <message>
        <source>(15%～25%)</source>
        <translation>(15% to 25%)</translation>
    </message>
</context>
<context>
    <name>vek</name>
    <message>
        <source>ねじりコイルばね設計計算</source>
        <translation>Torsion Spring Design</translation>
    </message>
    <message>
        <source>最大角度=</source>
        <translation>Max. angle=</translation>
    </message>
    <message>
        <source>最大トルク=</source>
        <translation>Max. torque=</translation>
    </message>
    <message>
        <source>案内棒径=</source>
        <translation>Guide rod=</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません</source>
        <translation>Help file %1 not found</translation>
    </message>
    <message>
        <source>help/helphelp.htm</source>
        <translation>help/helphelp_en.htm</translation>
    </message>
    <message>
        <source>3D モデルは「計算」の後に出力できます</source>
        <translation>The 3D model can be exported after &quot;Calculate&quot;</translation>
    </message>
</context>
<context>
    <name>vek_history</name>
    <message>
        <source>番号 %1 には計算結果が記憶されています。上書きしますか？</source>
        <translation>Slot %1 holds a stored result. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>vek_layout</name>
    <message>
        <source>変位荷重切替</source>
        <translation>Angles or moments given</translation>
    </message>
    <message>
        <source>径切替</source>
        <translation>Inner, mean or outer diameter</translation>
    </message>
    <message>
        <source>＜&#x3000;特性・公差&#x3000;＞</source>
        <translation>&lt;  Characteristics, tolerances  &gt;</translation>
    </message>
    <message>
        <source>＜&#x3000;3D 形状&#x3000;＞</source>
        <translation>&lt;  3D shape  &gt;</translation>
    </message>
    <message>
        <source>ファイル&#x3000;</source>
        <translation>File </translation>
    </message>
    <message>
        <source>読み取り</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>画面印刷</source>
        <translation>Print window</translation>
    </message>
    <message>
        <source>計算書の表題欄...</source>
        <translation>Report title block...</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>編集&#x3000;</source>
        <translation>Edit </translation>
    </message>
    <message>
        <source>全データーコピー</source>
        <translation>Copy all data</translation>
    </message>
    <message>
        <source>寿命グラフコピー</source>
        <translation>Copy life diagram</translation>
    </message>
    <message>
        <source>特性グラフコピー</source>
        <translation>Copy characteristic diagram</translation>
    </message>
    <message>
        <source>3D 図コピー</source>
        <translation>Copy 3D view</translation>
    </message>
    <message>
        <source>表示&#x3000;</source>
        <translation>View </translation>
    </message>
    <message>
        <source>角度・荷重切替</source>
        <translation>Angles / moments given</translation>
    </message>
    <message>
        <source>kgf 単位</source>
        <translation>kgf units</translation>
    </message>
    <message>
        <source>SI 単位 (N·mm, N/mm²)</source>
        <translation>SI units (N·mm, N/mm²)</translation>
    </message>
    <message>
        <source>ツール&#x3000;</source>
        <translation>Tools </translation>
    </message>
    <message>
        <source>材料編集</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>係数編集</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>設計探索</source>
        <translation>Design search</translation>
    </message>
    <message>
        <source>ヘルプ&#x3000;</source>
        <translation>Help </translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>入力項目</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>角度(φ2)</source>
        <translation>Ang. φ2</translation>
    </message>
    <message>
        <source>度</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>角度(φ1)</source>
        <translation>Ang. φ1</translation>
    </message>
    <message>
        <source>荷重(M2)</source>
        <translation>Load M2</translation>
    </message>
    <message>
        <source>kgf･mm</source>
        <translation>kgf･mm</translation>
    </message>
    <message>
        <source>荷重(M1)</source>
        <translation>Load M1</translation>
    </message>
    <message>
        <source>外方向</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>バネ指数</source>
        <translation>Spring index</translation>
    </message>
    <message>
        <source>適正=4～22</source>
        <translation>Good=4–22</translation>
    </message>
    <message>
        <source>長さ(a2)</source>
        <translation>Leg a2</translation>
    </message>
    <message>
        <source>長さ(a1)</source>
        <translation>Leg a1</translation>
    </message>
    <message>
        <source>平均径</source>
        <translation>Mean D</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Mat.</translation>
    </message>
    <message>
        <source>記号</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>線径</source>
        <translation>Wire d</translation>
    </message>
    <message>
        <source>巻き数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>左巻き</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>推奨値</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>最大角度=</source>
        <translation>Max. angle=</translation>
    </message>
    <message>
        <source>最大荷重=</source>
        <translation>Max. torque=</translation>
    </message>
    <message>
        <source>案内棒径=</source>
        <translation>Guide rod=</translation>
    </message>
    <message>
        <source>計算結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>バネ定数</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>kgf･mm/度</source>
        <translation>kgf･mm/deg</translation>
    </message>
    <message>
        <source>曲げ応力</source>
        <translation>Stress</translation>
    </message>
    <message>
        <source>許容応力</source>
        <translation>Allowable</translation>
    </message>
    <message>
        <source>期待寿命</source>
        <translation>Life</translation>
    </message>
    <message>
        <source>回</source>
        <translation>cyc</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>疲れ強さ線図</source>
        <translation>Fatigue strength diagram</translation>
    </message>
    <message>
        <source>＜&#x3000;計算結果の履歴&#x3000;＞</source>
        <translation>&lt;  History of results  &gt;</translation>
    </message>
    <message>
        <source>＜&#x3000;&#x3000;バネ形状&#x3000;&#x3000;＞</source>
        <translation>&lt;  Spring shape  &gt;</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>＜&#x3000;設計基準&#x3000;＞</source>
        <translation>&lt;  Practices  &gt;</translation>
    </message>
</context>
<context>
    <name>window_print</name>
    <message>
        <source>プリンター %1 で印刷を開始できません</source>
        <translation>Cannot start printing on printer %1</translation>
    </message>
    <message>
        <source>ウィンドウの画像を取得できません</source>
        <translation>Cannot capture the window image</translation>
    </message>
    <message>
        <source>プリンター %1 の印刷を完了できません</source>
        <translation>Cannot finish printing on printer %1</translation>
    </message>
    <message>
        <source>プリンターが設定されていません。PDF ファイルに保存しますか？</source>
        <translation>No printer is set up. Save to a PDF file?</translation>
    </message>
</context>
</TS>
