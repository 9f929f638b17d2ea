// The small dialog that asks for the title block of the calculation report: product
// name, drawing number, designer and date.
#pragma once

#include <QDialog>

#include "core/report/report_text.h"

class QLineEdit;

class TitleBlockDialog : public QDialog {
    Q_OBJECT
  public:
    // Starts with title; an empty date is proposed as today's.
    explicit TitleBlockDialog(const torsion::TitleBlock& title, QWidget* parent = nullptr);
    torsion::TitleBlock titleBlock() const;

  private:
    QLineEdit* productEdit_ = nullptr;
    QLineEdit* drawingNoEdit_ = nullptr;
    QLineEdit* designerEdit_ = nullptr;
    QLineEdit* dateEdit_ = nullptr;
};
