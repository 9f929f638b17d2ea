// The fifth page of the main window, "＜　設計基準　＞": the design conditions of the current
// case (the practice the drawing names and the working temperature, read by "計算" like
// every other input) and the three practices side by side for the case last calculated or
// recalled, each value with its difference to the chosen practice in %.
#pragma once

#include <QWidget>

#include "core/base/units.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"

class LegsGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class PracticePage : public QWidget {
    Q_OBJECT
  public:
    explicit PracticePage(const torsion::MaterialTable& materials, QWidget* parent = nullptr);

    // The conditions as the controls hold them: the practice chosen and the temperature as typed.
    torsion::Practice practice() const;
    QString temperatureText() const;
    // Shows a case's conditions (the temperature as a text that reads back to its number).
    void showOptions(const torsion::DesignOptions& options);

    // Compares the practices for a calculated case with its options, in the given unit (the
    // table is filled when the page is in front).
    void ShowCase(const torsion::DesignCase& c, const torsion::DesignOptions& options,
                  torsion::UnitSystem unit);
    // Shows no case: an empty table.
    void Clear();
    void setUnitSystem(torsion::UnitSystem unit);
    bool hasCase() const { return hasCase_; }

    QComboBox* practiceBox() const { return PracticeBox; }
    QLineEdit* temperatureBox() const { return TemperatureBox; }
    QTableWidget* table() const { return ComparisonTable; }
    // The legs and the coil gap, below the design conditions.
    LegsGroup* legsGroup() const { return Legs; }

  signals:
    // The user chose another practice, or finished typing the temperature (Enter or leaving the box).
    void practiceChosen();
    void temperatureEntered();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Fills the table now when the page is in front, otherwise when it is next shown.
    void FillWhenShown();
    void Fill();
    // The column headings: item, unit and the practices, the chosen one marked once a case is shown.
    void SetHeadings();

    const torsion::MaterialTable& materials_;
    torsion::DesignCase case_{};
    torsion::DesignOptions options_{};
    torsion::UnitSystem unit_ = torsion::UnitSystem::Kgf;
    bool hasCase_ = false;
    bool stale_ = false;  // the table does not show the case yet

    QGroupBox* DesignConditions = nullptr;  // "設計条件"
    QComboBox* PracticeBox = nullptr;       // "設計基準"
    QLineEdit* TemperatureBox = nullptr;    // "使用温度 (℃)"
    LegsGroup* Legs = nullptr;              // "脚の形状とコイルのすき間 (mm)"
    QLabel* ComparisonCaption = nullptr;    // practice and temperature the differences refer to
    QTableWidget* ComparisonTable = nullptr;
};
