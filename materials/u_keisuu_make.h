// The coefficient window: shows the seven design coefficients of keisuu.dat and
// takes changed values over into memory and into the file.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "materials/coefficients.h"

class Dialogs;
class QGroupBox;
class QLineEdit;
class QPushButton;

class Tkeisuu_make : public QDialog {
    Q_OBJECT
  public:
    // appDir is the folder of keisuu.dat: the one start-up reads it from.
    Tkeisuu_make(torsion::CoefficientRecord& coefficients, Dialogs& dialogs, const QString& appDir,
                 QWidget* parent = nullptr);

    QString coefficientFilePath() const;

  public slots:
    void BitBtn1Click();

  private:
    void BuildControls();
    void FormCreate();

    torsion::CoefficientRecord& coefficients_;
    Dialogs& dialogs_;
    QString appDir_;

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    std::array<QLineEdit*, torsion::kCoefficientCount> edits_{};  // Edit1 .. Edit7
    QPushButton* BitBtn1 = nullptr;
};
