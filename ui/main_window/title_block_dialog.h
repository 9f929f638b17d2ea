// The small dialog that asks for the title block of the calculation report: product
// name, drawing number, designer and date, and the language the report is printed in.
#pragma once

#include <QDialog>

#include "core/report/report_text.h"
#include "ui/common/language.h"

class QComboBox;
class QLineEdit;

class TitleBlockDialog : public QDialog {
    Q_OBJECT
  public:
    // Starts with title; an empty date is proposed as today's.
    // language: the report's, chosen in the dialog as well.
    TitleBlockDialog(const torsion::TitleBlock& title, Language language, QWidget* parent = nullptr);
    torsion::TitleBlock titleBlock() const;
    Language reportLanguage() const;

  private:
    QLineEdit* productEdit_ = nullptr;
    QLineEdit* drawingNoEdit_ = nullptr;
    QLineEdit* designerEdit_ = nullptr;
    QLineEdit* dateEdit_ = nullptr;
    QComboBox* languageBox_ = nullptr;
};
