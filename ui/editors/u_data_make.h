// The material table editor: browses, edits, clears and reorders the 30 records of
// the in-memory material table, and loads or saves the whole table as a .dst file.
#pragma once

#include <QDialog>
#include <QString>

#include "core/materials/material_table.h"

class Dialogs;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

class Tdata_make : public QDialog {
    Q_OBJECT
  public:
    Tdata_make(torsion::MaterialTable& materials, Dialogs& dialogs, QWidget* parent = nullptr);

    int editRecordNo() const { return editRecordNo_; }

    // The program's folder, whose zaidat.dst (or the user's copy) is the table in use:
    // "save" starts at the file a change of that table is written to, and saving over
    // the program folder's table that the user may not write saves the user's copy.
    void setProgramFolder(const QString& folder);

    // Grid geometry: two header rows above the 50 data rows, one row-number column.
    static constexpr int kFixedRows = 2;
    static constexpr int kGridRows = kFixedRows + torsion::kMaterialRows;  // 52
    static constexpr int kGridColumns = 5;

    // Writes record n into the boxes and the grid.
    void ShowMaterialRecord(int n);
    // Reads the boxes and the grid back into record editRecordNo; throws CommandError
    // at the first box or cell that does not hold a number, keeping what was stored.
    void StoreMaterialRecord();

  public slots:
    void BitBtn1Click();        // load
    void BitBtn2Click();        // save
    void BitBtn3Click();        // next record
    void BitBtn4Click();        // previous record
    void BitBtn6Click();        // insert a row
    void BitBtn7Click();        // delete a row
    void BitBtn8Click();        // erase the record
    void SE1Change(int value);  // kind number changed: count its records, warn above 8
    void ListBox1DblClick();    // clears the comment list

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void ShowFilePlace();
    void BuildControls();
    // The data row (0..49) of the grid's current row, or -1 on a header row or none.
    int CurrentDataRow() const;
    void InsertRow(int k);
    void DeleteRow(int k);
    void EraseRecord();
    QString CellText(int gridRow, int column) const;
    void SetCellText(int gridRow, int column, const QString& text);

    torsion::MaterialTable& materials_;
    Dialogs& dialogs_;
    int editRecordNo_ = 0;
    QString lastOpenName_;
    QString lastSaveName_;
    QString programFolder_;

    // Controls, named as their objectName; docs/architecture.md has the glossary.
    // Record choice and table file.
    QLineEdit* Edit7 = nullptr;      // record number (output only)
    QPushButton* BitBtn3 = nullptr;  // "▲" next record
    QPushButton* BitBtn4 = nullptr;  // "▼" previous record
    QPushButton* BitBtn8 = nullptr;  // "消去" erase the record
    QPushButton* BitBtn1 = nullptr;  // "load" the table
    QPushButton* BitBtn2 = nullptr;  // "save" the table
    QLabel* LabelFile = nullptr;     // where the table in use is read and written
    // The record's fields.
    QLineEdit* Edit1 = nullptr;       // kind name
    QSpinBox* SE1 = nullptr;          // kind number
    QLineEdit* Edit2 = nullptr;       // symbol
    QLineEdit* Edit9 = nullptr;       // records per kind (output only)
    QLineEdit* Edit3 = nullptr;       // shear modulus
    QLineEdit* Edit5 = nullptr;       // Young's modulus
    QLineEdit* Edit10 = nullptr;      // torsion stress ratio
    QLineEdit* Edit11 = nullptr;      // bending stress ratio
    QListWidget* ListBox1 = nullptr;  // comments (warnings); a double click clears it
    // The bending table.
    QLineEdit* Edit4 = nullptr;      // row count (output only)
    QPushButton* BitBtn6 = nullptr;  // "行挿入" insert a row
    QPushButton* BitBtn7 = nullptr;  // "行削除" delete a row
    QTableWidget* SG1 = nullptr;     // diameters, tensile strengths, allowable stresses
};
