// The third page of the main window, "＜　特性・公差　＞": the torque–angle diagram, the
// tolerances of the chosen grade, the variation they give, the wire, the natural frequency
// with the J and operating frequency typed on the page, and the loaded geometry of the
// case last calculated or recalled. It keeps its own copy of that case, so live updates of the current case
// do not reach it and a change of grade or unit shows the same case again.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>
#include <vector>

class QTableWidgetItem;

#include "core/base/units.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "core/tolerances/variation.h"

class QComboBox;
class QLineEdit;
class QTableWidget;
class ImageControl;

class CharacteristicPage : public QWidget {
    Q_OBJECT
  public:
    CharacteristicPage(const torsion::MaterialTable& materials, QWidget* parent = nullptr);

    // Shows a calculated case with the options it was calculated with, in the given unit.
    void ShowCase(const torsion::DesignCase& c, const torsion::DesignOptions& options,
                  torsion::UnitSystem unit);
    // Shows no case: an empty diagram and table.
    void Clear();
    void setUnitSystem(torsion::UnitSystem unit);

    // Tolerance grade 1..3 (2 at start); other numbers are ignored.
    int grade() const { return grade_; }
    void setGrade(int grade);

    // J of the driven part (kg·mm²) and the operating frequency (Hz) as typed; an empty
    // box is not given, and so is a text that is no number or out of range (the box then
    // shows its text in red).
    torsion::DynamicsInputs dynamics() const;
    QString inertiaText() const;
    QString frequencyText() const;
    void setDynamicsTexts(const QString& inertia, const QString& frequency);

    ImageControl* image() const { return Image3; }
    QTableWidget* table() const { return CharacteristicTable; }
    bool hasCase() const { return hasCase_; }

  signals:
    void gradeChanged(int grade);
    // After the user finished editing either box.
    void dynamicsChanged(const QString& inertia, const QString& frequency);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fill();
    // Every column as wide as its longest text; a wider table shares its room.
    void FitColumns();
    // The width of a cell's text in its font, measured once per text (shaping is what costs).
    int TextWidth(const QTableWidgetItem& item);
    void DynamicsEdited();

    const torsion::MaterialTable& materials_;
    torsion::DesignCase case_{};
    torsion::DesignOptions options_{};
    torsion::UnitSystem unit_ = torsion::UnitSystem::Kgf;
    int grade_ = 2;
    bool hasCase_ = false;

    ImageControl* Image3 = nullptr;
    QComboBox* GradeBox = nullptr;
    QTableWidget* CharacteristicTable = nullptr;
    QLineEdit* InertiaBox = nullptr;     // J of the driven part, kg･mm²
    QLineEdit* FrequencyBox = nullptr;   // the operating frequency, Hz
    std::vector<QWidget*> belowTable_;   // the boxes and their captions
    QFont measuredFont_, measuredBold_;  // the table's fonts the widths were measured in
    QHash<QString, int> textWidths_;     // by font weight and text
};
