// The main window: every input and result of the current design case, the two
// drawings, the history grid and the menu. Handlers read the controls into the
// current case, call the core and write the controls back.
#pragma once

#include <QMainWindow>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "core/base/unit_text.h"
#include "core/base/units.h"
#include "core/calc/calculation.h"
#include "core/evaluation/evaluation.h"
#include "core/geometry/spring_3d.h"
#include "core/materials/coefficients.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "ui/common/box_style.h"
#include "ui/common/dialogs.h"
#include "ui/common/language.h"

class Settings;

class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QRect;
class QToolButton;
class ImageControl;
class HistoryGrid;
class MessageListGrowth;
class CaseFiles;
class Exports;
class ToolWindows;
namespace torsion {
struct SearchCandidate;
}
class CharacteristicPage;
class Spring3dPage;
class PracticePage;

class Tf_vek : public QMainWindow {
    Q_OBJECT
  public:
    Tf_vek(torsion::MaterialTable& materials, torsion::KindIndex& kinds,
           torsion::CoefficientRecord& coefficients, Dialogs& dialogs, const QString& appDir,
           QWidget* parent = nullptr);
    ~Tf_vek() override;

    torsion::CaseTable& cases() { return cases_; }
    // The design options beside each slot (practice and working temperature); slot 0's are
    // those of the current case, read from the page "設計基準" with the other inputs.
    torsion::DesignOptionsTable& options() { return options_; }
    torsion::MaterialTable& materials() { return materials_; }
    torsion::KindIndex& kinds() { return kinds_; }
    torsion::CoefficientRecord& coefficients() { return coefficients_; }
    Dialogs& dialogs() { return dialogs_; }
    const QString& appDir() const { return appDir_; }

    // What the program remembers between runs. Given after the start-up steps, which
    // it then follows: the unit, the window's position, the recent case files and the
    // folder of the file dialogs. Without it nothing is remembered.
    void setSettings(Settings& settings);
    Settings* settings() const { return settings_; }

    // The units behind the menu: the case file, the exports and report, the tool windows.
    CaseFiles& caseFiles() { return *caseFiles_; }
    Exports& exports() { return *exports_; }
    ToolWindows& toolWindows() { return *toolWindows_; }
    // The tool windows created after the main window; the menu handlers show them.
    void setToolWindows(QDialog* dataMake, QDialog* keisuuMake, QDialog* printPage);

    // On a screen whose available area is smaller than the window, the window shrinks
    // to fit it and its content scrolls; on a larger screen nothing changes.
    void FitToScreen(const QRect& available);
    // Keeps a copy of the history in folder while the program runs and offers to
    // restore what a run that did not close left there.
    void EnableRecovery(const QString& folder);

    // Window side of the calculation. They throw CommandError; the handlers run them
    // inside RunCommand.
    void ReadWindowToCase();
    // Shows slot 0 as it is stored (a recall, a file read, a restored history): every
    // box, caption, message line, both pictures and the pages, through its evaluation.
    void ShowCase();
    void CheckCase(const torsion::CheckResult& result);
    void UpdateRecommended();
    void ApplyInputMode();

    // The linked material lists.
    void FillKindList();
    void FillSymbolList(int kind);
    void FillDiameterList(int recordNo);
    void SelectMaterial(int recordNo);

    // Rows 0 and 1, column 0 and the slot rows of the history grid.
    void InitHistoryGrid();

    // True while history slots hold cases stored or read since the last successful save.
    bool historyUnsaved() const;

    ImageControl* fatigueImage() const { return Image1; }
    ImageControl* springImage() const { return Image2; }
    // The page "＜　特性・公差　＞": tolerance grade, diagram and table.
    CharacteristicPage* characteristicPage() const { return TabSheet3; }
    // The page "＜　3D 形状　＞".
    Spring3dPage* spring3dPage() const { return TabSheet4; }
    // The page "＜　設計基準　＞": the practice, the working temperature and the comparison.
    PracticePage* practicePage() const { return TabSheet5; }

    // "設計探索": puts a found design into the window as if typed (kind, symbol, wire
    // diameter, coil diameter, turns, angles, arms, flags; angle mode) and runs "計算".
    void ApplySearchResult(const torsion::SearchCandidate& candidate);

    // The unit in which moments, stresses and rates are shown and typed (kgf by default).
    torsion::UnitSystem unitSystem() const { return unitSystem_; }
    // Shows every moment, stress and rate of the window and the history grid in the
    // unit; boxes still showing what the window wrote show the same values, typed
    // numbers are converted. The cases do not change.
    void setUnitSystem(torsion::UnitSystem unit);

    // Reads a case file as "読み取り" does once its dialog is confirmed.
    void ReadCaseFileNamed(const QString& name);

  signals:
    void unitSystemChanged(torsion::UnitSystem unit);

  public slots:
    // Input items and results.
    void BitBtn2Click();                  // "計算": read, calculate, show, check, draw the spring
    void BitBtn1Click();                  // coil diameter switch: inner → mean → outer
    void dlchengClick();                  // 表示 → 角度・荷重切替: angles or moments are given
    void Edit18KeyPress();                // Enter in the coil diameter box
    void Edit18Exit();                    // leaving the coil diameter box
    void Edit19KeyPress();                // Enter in the turns box
    void Edit19Exit();                    // leaving the turns box
    void sotoClick();                     // "外方向" ticked or cleared
    void PracticeBoxChange();             // "設計基準" chosen
    void TemperatureBoxExit();            // "使用温度 (℃)" typed: Enter or leaving the box
    void ComboBox5Change(int index);      // material kind chosen
    void ComboBox7Change(int index);      // material symbol chosen
    void ComboBox6Change(int index);      // wire diameter chosen
    void SpeedButton7Click();             // recommended largest angle into φ2
    void SpeedButton1Click();             // recommended largest moment into M2
    void help2Click();                    // ヘルプ → ヘルプ: the help page
    void N4Click();                       // 編集 → 寿命グラフコピー: the diagram to the clipboard
    void CharacteristicGraphCopyClick();  // 編集 → 特性グラフコピー: the torque–angle diagram
    void Spring3dCopyClick();             // 編集 → 3D 図コピー: the 3D page's picture

    // History, case file, print and editor commands.
    void SpeedButton5Click();  // "▼": store the current case in the slot
    void SpeedButton6Click();  // "▲": bring the slot's case back
    void sg1Click();           // a history row chosen: bring its case back
    void Edit2Click();         // ファイル → 読み取り: read a case file
    void N3Click();            // ファイル → 保存: save the history
    void N2Click();            // 編集 → 全データーコピー: the history as text
    void N5Click();            // ファイル → 要目表印刷: the data sheet page
    void N1Click();            // ファイル → 画面印刷: print the window
    void N7Click();            // ツール → 材料編集: the material table editor
    void N8Click();            // ツール → 係数編集: the coefficient window
    void designSearchClick();  // ツール → 設計探索: the design search window

    // The unit choice of "表示" and the recent case files of "ファイル".
    void UnitKgfClick();                        // 表示 → kgf 単位
    void LanguageClick(Language language);      // 表示 → 言語 / Language → 日本語 or English
    void UnitSIClick();                         // 表示 → SI 単位
    void RecentFileClick(const QString& name);  // ファイル → 最近使ったファイル → name

    // The other exports are rows of the export table, which the menu runs through exports().
    void ReportTitleClick();  // ファイル → 計算書の表題欄...

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildMenu();
    void FormCreate();
    void DiameterCheck();
    void TurnsEntered();
    int HistorySlotNumber() const;
    // A calculated case (after "計算", a recall, a file read) shows everything; the
    // defaults at start-up are not calculated: the boxes and the fatigue diagram only.
    enum class ShowFrom { Calculation, Defaults };
    // The one function that shows an evaluation of slot 0 in the window.
    void ShowEvaluation(const torsion::Evaluation& e, ShowFrom from);
    // Empties every result, recommended value, picture and page: no case's results are shown.
    void ClearResults();
    // Shows slot 0 after a recall; the moment caption takes its plain form.
    void ShowRecalledCase();
    void ShowHistoryRows();
    void ApplyUnitSystem(torsion::UnitSystem unit);
    void ShowValue(QLineEdit* box, double kgfValue);
    std::optional<torsion::WrittenValue> WrittenValueOf(QLineEdit* box) const;
    void SetMomentCaption(double maxMoment, bool applied);
    // What the input controls hold, and those inputs read into a copy of the current case.
    torsion::WindowInputs CurrentWindowInputs() const;
    torsion::DesignCase ShownInputs() const;
    // The design options the page shows (throws CommandError for a temperature that is no
    // number or out of range), and the evaluation options of the current case.
    torsion::DesignOptions ShownOptions() const;
    torsion::EvaluationOptions CurrentOptions() const;

    torsion::MaterialTable& materials_;
    torsion::KindIndex& kinds_;
    torsion::CoefficientRecord& coefficients_;
    Dialogs& dialogs_;
    QString appDir_;
    Settings* settings_ = nullptr;
    torsion::CaseTable cases_{};
    torsion::DesignOptionsTable options_{};
    // The case whose results the window shows (last "計算", recall or "適用").
    std::optional<torsion::DesignCase> calculated_;
    torsion::DesignOptions calculatedOptions_{};  // ... and the options it was calculated with
    std::unique_ptr<CaseFiles> caseFiles_;
    std::unique_ptr<Exports> exports_;
    std::unique_ptr<ToolWindows> toolWindows_;

    torsion::UnitSystem unitSystem_ = torsion::UnitSystem::Kgf;
    // What the window last wrote into the boxes of moments, stresses and the rate, and
    // the moment of the recommended-values caption (Label56) with its form.
    std::map<QLineEdit*, torsion::WrittenValue> writtenValues_;
    std::optional<double> captionMoment_;
    bool captionApplied_ = false;

    // Controls, named as their objectName; docs/architecture.md has the glossary.
    // Input items ("入力項目").
    QGroupBox* GroupBox1 = nullptr;
    ImageControl* Image5 = nullptr;  // the input sketch
    QLineEdit* Edit4 = nullptr;      // angle φ1
    QLineEdit* Edit5 = nullptr;      // angle φ2
    QLineEdit* Edit6 = nullptr;      // moment M1
    QLineEdit* Edit7 = nullptr;      // moment M2
    QLineEdit* Edit12 = nullptr;     // arm a1
    QLineEdit* Edit13 = nullptr;     // arm a2
    QPushButton* BitBtn1 = nullptr;  // coil diameter switch
    QLabel* Label48 = nullptr;       // "内径" / "平均径" / "外径"
    QLineEdit* Edit18 = nullptr;     // coil diameter
    QLineEdit* Edit19 = nullptr;     // turns
    QComboBox* ComboBox5 = nullptr;  // material kind
    QComboBox* ComboBox7 = nullptr;  // material symbol
    QComboBox* ComboBox6 = nullptr;  // wire diameter
    QCheckBox* soto = nullptr;       // "外方向": loaded outwards
    QCheckBox* hidari = nullptr;     // "左巻き": left-hand winding
    QLabel* Label28 = nullptr;       // spring index
    QLabel* Label11 = nullptr;       // its recommended range
    // Recommended values ("推奨値").
    QGroupBox* GroupBox5 = nullptr;
    QLabel* Label30 = nullptr;            // largest angle
    QToolButton* SpeedButton7 = nullptr;  // ... into φ2
    QLabel* Label56 = nullptr;            // largest moment
    QToolButton* SpeedButton1 = nullptr;  // ... into M2
    QLabel* Label45 = nullptr;            // guide-rod diameter
    // Results ("計算結果") and the history slot buttons.
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* Edit8 = nullptr;                   // spring constant
    QLineEdit* Edit9 = nullptr;                   // bending stress
    QLineEdit* Edit11 = nullptr;                  // allowable stress
    QLineEdit* Edit10 = nullptr;                  // expected life
    QPushButton* BitBtn2 = nullptr;               // "計算"
    QListWidget* ListBox1 = nullptr;              // messages of the checks
    MessageListGrowth* messageGrowth_ = nullptr;  // lets ListBox1 grow over the window
    QSpinBox* SpinEdit1 = nullptr;                // history slot number
    QToolButton* SpeedButton5 = nullptr;          // "▼" store
    QToolButton* SpeedButton6 = nullptr;          // "▲" bring back
    // Drawings and pages.
    QGroupBox* GroupBox3 = nullptr;
    ImageControl* Image1 = nullptr;           // fatigue-strength diagram
    QTabWidget* PageControl1 = nullptr;       // history, spring shape and characteristic pages
    HistoryGrid* sg1 = nullptr;               // the history grid
    ImageControl* Image2 = nullptr;           // the spring drawing
    CharacteristicPage* TabSheet3 = nullptr;  // "＜　特性・公差　＞"
    Spring3dPage* TabSheet4 = nullptr;        // "＜　3D 形状　＞"
    PracticePage* TabSheet5 = nullptr;        // "＜　設計基準　＞"
    // Menu.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* RecentFiles1 = nullptr;  // ファイル → 最近使ったファイル
    QMenu* Language1 = nullptr;     // 表示 → 言語 / Language
    QAction* LanguageJapanese = nullptr;
    QAction* LanguageEnglish = nullptr;
    QAction* UnitKgf = nullptr;  // 表示 → kgf 単位
    QAction* UnitSI = nullptr;   // 表示 → SI 単位
};
