// The print page: a sketch of the spring with the operating values on it and the
// 要目表 (data sheet) of the current case, printed as the window shows it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <array>

#include "core/materials/material_table.h"
#include "core/model/design_case.h"
#include "core/model/design_options.h"
#include "ui/common/dialogs.h"

class Tprinform : public QDialog {
    Q_OBJECT
  public:
    Tprinform(const torsion::MaterialTable& materials, Dialogs& dialogs, QWidget* parent = nullptr);

    // Writes the current case into the table and the labels (the page is then shown
    // with exec()). Cells that are never written stay as they are.
    // The sketch draws the leg shapes of options. words: the catalogue of the sheet's
    // language (the report's choice), null for Japanese.
    void fillFrom(const torsion::DesignCase& current, const torsion::DesignOptions& options = {},
                  const QTranslator* words = nullptr);

    // True once the table has lost the focus: a selected cell then paints like any
    // other, so a printed page shows no highlighted cell.
    bool gridLeft() const { return gridLeft_; }

  public slots:
    void Button1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void sg1Enter();  // the table takes the focus: its selected cell is highlighted
    void sg1Exit();   // the table loses it: no cell is highlighted

    const torsion::MaterialTable& materials_;
    Dialogs& dialogs_;
    bool gridLeft_ = false;

    // Controls, named as their objectName; docs/architecture.md has the glossary.
    QPushButton* Button1 = nullptr;    // "プリント"
    QLabel* Image1 = nullptr;          // the sketch of the spring
    std::array<QLabel*, 7> labels_{};  // Label1 .. Label7, the values on the sketch
    QTableWidget* sg1 = nullptr;       // the data sheet table
};

// Outer size of the page and the table's shape.
inline constexpr int kPrinformWidth = 807;
inline constexpr int kPrinformHeight = 904;
inline constexpr int kDataSheetRows = 16;
inline constexpr int kDataSheetColumns = 4;
