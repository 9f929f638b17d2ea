// Number boxes: what the Japanese input method types in full-width forms ("１２．５")
// becomes half-width as it is typed, and a number the program writes into a box is
// shown from its beginning, however narrow the box.
#pragma once

#include <QSpinBox>
#include <QValidator>

class QLineEdit;

// Accepts every text (the number is checked when it is read), turning full-width
// digits, point, signs and "Ｅ" into their half-width forms.
class HalfWidthNumberValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Gives box the half-width input and the beginning-first display of a number box.
void MakeNumberBox(QLineEdit* box);

// An integer spin box that also takes full-width digits.
class NumberSpinBox : public QSpinBox {
    Q_OBJECT
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
};
