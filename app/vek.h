// The main window: every input and result of the current design case, the two
// drawings, the history grid and the menu. Handlers read the controls into the
// current case, call the core and write the controls back.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include "app/dialogs.h"
#include "calc/design_case.h"
#include "calc/unit_text.h"
#include "calc/units.h"
#include "materials/coefficients.h"
#include "materials/material_selection.h"
#include "materials/material_table.h"

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
class QToolButton;
class ImageControl;
class HistoryGrid;
class DesignSearchWindow;
namespace torsion {
struct SearchCandidate;
}

// Input boxes accept input in aqua and only display in white.
inline const QColor kInputColour(0, 255, 255);
inline const QColor kDisplayColour(255, 255, 255);
inline const QColor kMessageErrorColour(255, 0, 0);
// Paints a box in its colour in every colour group, so a disabled box shows it too.
void SetBoxColour(QWidget* w, const QColor& colour);

class Tf_vek : public QMainWindow {
    Q_OBJECT
  public:
    Tf_vek(torsion::MaterialTable& materials, torsion::KindIndex& kinds,
           torsion::CoefficientRecord& coefficients, Dialogs& dialogs, const QString& appDir,
           QWidget* parent = nullptr);

    torsion::CaseTable& cases() { return cases_; }
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

    // The tool windows created after the main window; the menu handlers show them.
    void setToolWindows(QDialog* dataMake, QDialog* keisuuMake, QDialog* printPage);
    // Or a function that creates them (and calls setToolWindows) when first needed.
    void setToolWindowMaker(std::function<void()> make) { makeToolWindows_ = std::move(make); }
    void EnsureToolWindows();
    QDialog* dataMakeWindow() const { return dataMake_; }
    QDialog* keisuuMakeWindow() const { return keisuuMake_; }
    QDialog* printPageWindow() const { return printPage_; }

    // Window side of the calculation. They throw CommandError; the handlers run them
    // inside RunCommand.
    void ReadWindowToCase();
    void ShowCase(int slot);
    void CheckCase();
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

    // "設計探索": puts a found design into the window as if typed (kind, symbol, wire
    // diameter, coil diameter, turns, angles, arms, flags; angle mode) and runs "計算".
    void ApplySearchResult(const torsion::SearchCandidate& candidate);
    DesignSearchWindow* designSearchWindow() const { return designSearch_; }

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
    void BitBtn2Click();
    void BitBtn1Click();
    void dlchengClick();
    void Edit18KeyPress();
    void Edit18Exit();
    void Edit19KeyPress();
    void Edit19Exit();
    void sotoClick();
    void ComboBox5Change(int index);
    void ComboBox7Change(int index);
    void ComboBox6Change(int index);
    void SpeedButton7Click();
    void SpeedButton1Click();
    void help2Click();
    void N4Click();

    // History, case file, print and editor commands.
    void SpeedButton5Click();
    void SpeedButton6Click();
    void sg1Click();
    void Edit2Click();
    void N3Click();
    void N2Click();
    void N5Click();
    void N1Click();
    void N7Click();
    void N8Click();
    void designSearchClick();

    // The unit choice of "表示" and the recent case files of "ファイル".
    void UnitKgfClick();
    void UnitSIClick();
    void RecentFileClick(const QString& name);

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
    bool SaveCaseFile();
    void ApplyUnitSystem(torsion::UnitSystem unit);
    void ShowValue(QLineEdit* box, double kgfValue);
    std::optional<torsion::WrittenValue> WrittenValueOf(QLineEdit* box) const;
    void SetMomentCaption(double maxMoment, bool applied);
    void RememberCaseFile(const QString& name);
    void FillRecentFilesMenu();

    torsion::MaterialTable& materials_;
    torsion::KindIndex& kinds_;
    torsion::CoefficientRecord& coefficients_;
    Dialogs& dialogs_;
    QString appDir_;
    Settings* settings_ = nullptr;
    torsion::CaseTable cases_{};

    std::function<void()> makeToolWindows_;
    QDialog* dataMake_ = nullptr;
    QDialog* keisuuMake_ = nullptr;
    QDialog* printPage_ = nullptr;
    DesignSearchWindow* designSearch_ = nullptr;

    torsion::UnitSystem unitSystem_ = torsion::UnitSystem::Kgf;
    // What the window last wrote into the boxes of moments, stresses and the rate, and
    // the moment of the recommended-values caption (Label56) with its form.
    std::map<QLineEdit*, torsion::WrittenValue> writtenValues_;
    std::optional<double> captionMoment_;
    bool captionApplied_ = false;
    bool historyChanged_ = false;
    QString lastCaseOpenName_;
    QString lastCaseSaveName_ = QStringLiteral("nspring.nbd");

    // Controls, named as their objectName.
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    ImageControl* Image1 = nullptr;
    ImageControl* Image2 = nullptr;
    ImageControl* Image5 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QLineEdit* Edit12 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLineEdit* Edit18 = nullptr;
    QLineEdit* Edit19 = nullptr;
    QCheckBox* soto = nullptr;
    QCheckBox* hidari = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QComboBox* ComboBox7 = nullptr;
    QComboBox* ComboBox6 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label48 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label56 = nullptr;
    QLabel* Label45 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    HistoryGrid* sg1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* RecentFiles1 = nullptr;
    QAction* UnitKgf = nullptr;
    QAction* UnitSI = nullptr;
};
