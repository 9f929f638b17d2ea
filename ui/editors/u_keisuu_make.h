// The coefficient window: shows the seven design coefficients of keisuu.dat and
// takes changed values over into memory and into the file, asking first when a changed
// value lies outside the usual range its hint gives.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "core/materials/coefficients.h"

class Dialogs;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Tkeisuu_make : public QDialog {
    Q_OBJECT
  public:
    // appDir is the program's folder; keisuu.dat is read and written there, or in the
    // user's data folder (see ui/common/data_files.h).
    Tkeisuu_make(torsion::CoefficientRecord& coefficients, Dialogs& dialogs, const QString& appDir,
                 QWidget* parent = nullptr);

    // The file "設定ボタン" writes.
    QString coefficientFilePath() const;

  public slots:
    void BitBtn1Click();  // takes the values into memory and writes keisuu.dat

  private:
    void BuildControls();
    void FormCreate();
    void ShowFilePlace();  // the line that names the file
    void MarkGuide(int index);
    static QString OutsideGuideText(int index, double value);

    torsion::CoefficientRecord& coefficients_;
    Dialogs& dialogs_;
    QString appDir_;

    // Controls, named as their objectName; docs/architecture.md has the glossary.
    QGroupBox* GroupBox1 = nullptr;                               // "許容応力の設定": Edit1 .. Edit3
    QGroupBox* GroupBox2 = nullptr;                               // "初張力の設定": Edit4 .. Edit7
    std::array<QLineEdit*, torsion::kCoefficientCount> edits_{};  // Edit1 .. Edit7
    std::array<QLabel*, torsion::kCoefficientCount> guides_{};    // GuideEdit1 .. GuideEdit7
    QPushButton* BitBtn1 = nullptr;                               // "設定ボタン"
    QLabel* LabelFile = nullptr;                                  // where keisuu.dat is written
};
