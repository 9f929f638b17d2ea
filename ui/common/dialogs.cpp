#include "ui/common/dialogs.h"

#include <QApplication>
#include <QCoreApplication>
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

namespace {

// Characters of numbers, units and formulas: Latin letters, digits, Greek letters and
// the signs between them; not spaces, not Japanese.
bool IsUnitCharacter(QChar c) {
    if (c.isSpace()) return false;
    const char16_t u = c.unicode();
    if (u < 0x0370) return true;                 // ASCII, Latin-1 (², °, µ, ·)
    if (u >= 0x0370 && u < 0x0400) return true;  // Greek (φ, Δ)
    if (u == 0xFF65 || u == 0x2212 || u == 0x2032 || u == 0x00B7) return true;  // ･ − ′ ·
    return false;
}

constexpr int kLongestWholeRun = 24;  // longer runs are paths or lists, free to break
const QChar kWordJoiner(0x2060);
const QChar kNoBreakSpace(0x00A0);

}  // namespace

QString KeepNumbersAndUnitsWhole(const QString& message) {
    QString out;
    out.reserve(message.size() * 2);
    qsizetype i = 0;
    while (i < message.size()) {
        if (!IsUnitCharacter(message[i])) {
            // A space between a number and its unit: "0.9873 mm", "16 %".
            const bool betweenNumberAndUnit = message[i] == u' ' && i > 0 && message[i - 1].isDigit() &&
                                              i + 1 < message.size() && IsUnitCharacter(message[i + 1]) &&
                                              !message[i + 1].isDigit();
            out += betweenNumberAndUnit ? kNoBreakSpace : message[i];
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < message.size() && IsUnitCharacter(message[end])) ++end;
        const bool whole = end - i <= kLongestWholeRun;
        for (qsizetype k = i; k < end; ++k) {
            // Letters and digits hold together by themselves; signs need the joiner.
            if (whole && k > i && (!message[k - 1].isLetterOrNumber() || !message[k].isLetterOrNumber()))
                out += kWordJoiner;
            out += message[k];
        }
        // A unit that goes on in Japanese after a slash: "kgf･mm/度".
        if (whole && end < message.size() && message[end - 1] == u'/' && !message[end].isSpace())
            out += kWordJoiner;
        i = end;
    }
    return out;
}

void QtDialogs::showError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    KeepNumbersAndUnitsWhole(message), QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void QtDialogs::showWarning(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("dialogs", "警告"),
                    KeepNumbersAndUnitsWhole(message), QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void QtDialogs::showInformation(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("dialogs", "情報"),
                    KeepNumbersAndUnitsWhole(message), QMessageBox::NoButton, parent);
    box.addButton(QCoreApplication::translate("dialogs", "はい(&Y)"), QMessageBox::AcceptRole);
    box.exec();
}

bool QtDialogs::confirm(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("dialogs", "確認"),
                    KeepNumbersAndUnitsWhole(message), QMessageBox::NoButton, parent);
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("dialogs", "はい(&Y)"), QMessageBox::YesRole);
    box.addButton(QCoreApplication::translate("dialogs", "いいえ(&N)"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

Dialogs::Answer QtDialogs::askYesNoCancel(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("dialogs", "確認"),
                    KeepNumbersAndUnitsWhole(message), QMessageBox::NoButton, parent);
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("dialogs", "はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("dialogs", "いいえ(&N)"), QMessageBox::NoRole);
    QPushButton* cancel =
        box.addButton(QCoreApplication::translate("dialogs", "キャンセル"), QMessageBox::RejectRole);
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
