// The print page: a sketch of the spring with the operating values on it and the
// 要目表 (data sheet) of the current case, printed as the window shows it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <array>

#include "app/dialogs.h"
#include "calc/design_case.h"
#include "materials/material_table.h"

class Tprinform : public QDialog {
    Q_OBJECT
  public:
    Tprinform(const torsion::MaterialTable& materials, Dialogs& dialogs, QWidget* parent = nullptr);

    // Writes the current case into the table and the labels (the page is then shown
    // with exec()). Cells that are never written stay as they are.
    void fillFrom(const torsion::DesignCase& current);

    // True once the table has lost the focus: a selected cell then paints like any
    // other, so a printed page shows no highlighted cell.
    bool gridLeft() const { return gridLeft_; }

  public slots:
    void Button1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void sg1Enter();
    void sg1Exit();

    const torsion::MaterialTable& materials_;
    Dialogs& dialogs_;
    bool gridLeft_ = false;

    QPushButton* Button1 = nullptr;
    QLabel* Image1 = nullptr;
    std::array<QLabel*, 7> labels_{};  // Label1 .. Label7
    QTableWidget* sg1 = nullptr;
};

// Outer size of the page and the table's shape.
inline constexpr int kPrinformWidth = 807;
inline constexpr int kPrinformHeight = 904;
inline constexpr int kDataSheetRows = 16;
inline constexpr int kDataSheetColumns = 4;
