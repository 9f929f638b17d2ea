#include "ui/common/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

using namespace torsion;

QString QtFilterFromPipes(const QString& pipes) {
    const QStringList parts = pipes.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

void QtDialogs::showError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message,
                    QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void QtDialogs::showWarning(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), message, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void QtDialogs::showInformation(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("情報"), message, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::AcceptRole);
    box.exec();
}

bool QtDialogs::confirm(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), message, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

Dialogs::Answer QtDialogs::askYesNoCancel(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), message, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

QString QtDialogs::openFileName(QWidget* parent, const QString& filter, const QString& initialName) {
    return QFileDialog::getOpenFileName(parent, QString(), initialName, QtFilterFromPipes(filter));
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& filter, const QString& initialName) {
    // The name is used as typed: no extension is added.
    QFileDialog dialog(parent, QString(), QString(), QtFilterFromPipes(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!initialName.isEmpty()) dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}
