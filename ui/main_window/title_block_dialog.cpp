#include "ui/main_window/title_block_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "drawing/japanese_font.h"

using namespace torsion;

namespace {

QLineEdit* AddField(QFormLayout* form, const QString& name, const QString& label, const std::string& text) {
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(name);
    edit->setMinimumWidth(260);
    form->addRow(label, edit);
    return edit;
}

}  // namespace

TitleBlockDialog::TitleBlockDialog(const TitleBlock& title, Language language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TitleBlockDialog"));
    setWindowTitle(QCoreApplication::translate("title_block_dialog", "計算書の表題欄"));
    setFont(JapaneseFont(12));
    auto* form = new QFormLayout(this);
    productEdit_ = AddField(form, QStringLiteral("productEdit"),
                            QCoreApplication::translate("title_block_dialog", "品名"), title.productName);
    drawingNoEdit_ = AddField(form, QStringLiteral("drawingNoEdit"),
                              QCoreApplication::translate("title_block_dialog", "図番"), title.drawingNo);
    designerEdit_ = AddField(form, QStringLiteral("designerEdit"),
                             QCoreApplication::translate("title_block_dialog", "設計者"), title.designer);
    const std::string date =
        title.date.empty() ? QDate::currentDate().toString(Qt::ISODate).toStdString() : title.date;
    dateEdit_ = AddField(form, QStringLiteral("dateEdit"),
                         QCoreApplication::translate("title_block_dialog", "日付"), date);
    // The report's words: each language named in itself, so either reader finds his own.
    languageBox_ = new QComboBox;
    languageBox_->setObjectName(QStringLiteral("languageBox"));
    languageBox_->addItem(QStringLiteral("日本語"), LanguageCode(Language::Japanese));
    languageBox_->addItem(QStringLiteral("English"), LanguageCode(Language::English));
    languageBox_->setCurrentIndex(language == Language::English ? 1 : 0);
    form->addRow(QStringLiteral("言語 / Language"), languageBox_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("title_block_dialog", "キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

Language TitleBlockDialog::reportLanguage() const {
    return LanguageOfCode(languageBox_->currentData().toString()).value_or(Language::Japanese);
}

TitleBlock TitleBlockDialog::titleBlock() const {
    return {productEdit_->text().trimmed().toStdString(), drawingNoEdit_->text().trimmed().toStdString(),
            designerEdit_->text().trimmed().toStdString(), dateEdit_->text().trimmed().toStdString()};
}
