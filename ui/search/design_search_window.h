// "設計探索": the window of the design search. It reads the requirement, the space and
// the choices, runs the core search on a second thread (progress and cancel when it
// takes a while), lists the best designs and tells which one the user chose.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <memory>

#include "core/base/units.h"
#include "core/design/design_search.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QThread;
class QTimer;
class QTreeWidget;
class Dialogs;

class DesignSearchWindow : public QDialog {
    Q_OBJECT
  public:
    // table, kinds and current are the main window's: read when the window fills its
    // inputs and starts a search, never written. unit is the unit moments are shown in.
    DesignSearchWindow(const torsion::MaterialTable& table, const torsion::KindIndex& kinds,
                       const torsion::DesignCase& current, torsion::UnitSystem unit, Dialogs& dialogs,
                       QWidget* parent = nullptr);
    ~DesignSearchWindow() override;

    // Fills the inputs from the current case and the material lists.
    void FillFromCurrentCase();
    bool searchRunning() const { return worker_ != nullptr; }
    const torsion::SearchOutcome& outcome() const { return outcome_; }
    // The candidate shown in a table row (after any sorting), or nullptr. The table's
    // first column is the rank; the columns of SearchColumn follow it.
    const torsion::SearchCandidate* candidateAt(int row) const;

  signals:
    // A listed design chosen with "適用" or a double click.
    void designChosen(const torsion::SearchCandidate& candidate);

  public slots:
    void searchClick();
    void cancelClick();
    void applyClick();
    // Moments follow the unit of the main window.
    void setUnitSystem(torsion::UnitSystem unit);

  private:
    struct Job;
    void BuildControls();
    torsion::SearchInputs ReadInputs() const;
    void FillMaterialTree();
    void SearchFinished();
    void ShowProgress();
    void FillResults();
    void ApplyRow(int row);
    // After "適用": moves out from over the window it was opened from.
    void StepAsideFromParent();

    const torsion::MaterialTable& table_;
    const torsion::KindIndex& kinds_;
    const torsion::DesignCase& current_;
    Dialogs& dialogs_;
    torsion::UnitSystem unit_;
    torsion::SearchOutcome outcome_;
    std::shared_ptr<Job> job_;
    QThread* worker_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QElapsedTimer started_;

    QLabel* moment2Unit = nullptr;
    QLineEdit* moment2Edit = nullptr;
    QLineEdit* angle2Edit = nullptr;
    QLineEdit* toleranceEdit = nullptr;
    QLineEdit* angle1Edit = nullptr;
    QLineEdit* arm1Edit = nullptr;
    QLineEdit* arm2Edit = nullptr;
    QCheckBox* outwardCheck = nullptr;
    QCheckBox* leftHandCheck = nullptr;
    QRadioButton* wholeTurnsRadio = nullptr;
    QRadioButton* anyTurnsRadio = nullptr;
    QSpinBox* turnsMinSpin = nullptr;
    QSpinBox* turnsMaxSpin = nullptr;
    QLineEdit* fractionEdit = nullptr;
    QLineEdit* outerDiaMaxEdit = nullptr;
    QLineEdit* guideRodEdit = nullptr;
    QLineEdit* stepEdit = nullptr;
    QTreeWidget* materialTree = nullptr;
    QComboBox* lifeCombo = nullptr;
    QComboBox* rankingCombo = nullptr;
    QPushButton* fromCaseButton = nullptr;
    QPushButton* searchButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* applyButton = nullptr;
    QPushButton* closeButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* summaryLabel = nullptr;
    QLabel* noneFeasibleLabel = nullptr;
    QTableWidget* resultTable = nullptr;
};
