// Test double of Dialogs: records every message and answers from queues.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "ui/common/dialogs.h"

class FakeDialogs : public Dialogs {
  public:
    QStringList errors;
    QStringList warnings;
    QStringList informations;
    QStringList confirmations;
    QStringList questions;
    std::deque<bool> confirmAnswers;        // default: yes
    std::deque<Answer> yesNoCancelAnswers;  // default: no
    std::deque<QString> openNames;          // default: cancelled
    std::deque<QString> saveNames;          // default: cancelled
    QStringList openInitialNames, saveInitialNames, openFilters, saveFilters;

    void showError(QWidget*, const QString& message) override { errors << message; }
    void showWarning(QWidget*, const QString& message) override { warnings << message; }
    void showInformation(QWidget*, const QString& message) override { informations << message; }
    bool confirm(QWidget*, const QString& message) override {
        confirmations << message;
        if (confirmAnswers.empty()) return true;
        bool a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    Answer askYesNoCancel(QWidget*, const QString& message) override {
        questions << message;
        if (yesNoCancelAnswers.empty()) return Answer::No;
        Answer a = yesNoCancelAnswers.front();
        yesNoCancelAnswers.pop_front();
        return a;
    }
    QString openFileName(QWidget*, const QString& filter, const QString& initialName) override {
        openFilters << filter;
        openInitialNames << initialName;
        if (openNames.empty()) return QString();
        QString n = openNames.front();
        openNames.pop_front();
        return n;
    }
    QString saveFileName(QWidget*, const QString& filter, const QString& initialName) override {
        saveFilters << filter;
        saveInitialNames << initialName;
        if (saveNames.empty()) return QString();
        QString n = saveNames.front();
        saveNames.pop_front();
        return n;
    }
    int messageCount() const {
        return errors.size() + warnings.size() + informations.size() + confirmations.size() +
               questions.size();
    }
};
