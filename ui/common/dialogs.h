// Every message box and file dialog of the program goes through Dialogs, so that
// tests can answer them and record what the user would have seen.
#pragma once

#include <QString>
#include <QWidget>

class Dialogs {
  public:
    enum class Answer { Yes, No, Cancel };
    virtual ~Dialogs() = default;

    // The standard error dialog of a failed command (title: the application title, button "OK").
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // Warning, title "警告", single button "OK".
    virtual void showWarning(QWidget* parent, const QString& message) = 0;
    // Information, title "情報", single button "はい(&Y)".
    virtual void showInformation(QWidget* parent, const QString& message) = 0;
    // Confirmation, title "確認", buttons "はい(&Y)" / "いいえ(&N)".
    virtual bool confirm(QWidget* parent, const QString& message) = 0;
    // Question with yes, no and cancel (title "確認").
    virtual Answer askYesNoCancel(QWidget* parent, const QString& message) = 0;
    // File dialogs: filter in the "名前|*.ext|名前|*.*" form; return the chosen path or
    // an empty string when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& initialName) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& initialName) = 0;
};

// The dialogs on screen: QMessageBox and QFileDialog.
class QtDialogs : public Dialogs {
  public:
    void showError(QWidget* parent, const QString& message) override;
    void showWarning(QWidget* parent, const QString& message) override;
    void showInformation(QWidget* parent, const QString& message) override;
    bool confirm(QWidget* parent, const QString& message) override;
    Answer askYesNoCancel(QWidget* parent, const QString& message) override;
    QString openFileName(QWidget* parent, const QString& filter, const QString& initialName) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& initialName) override;
};

// The text of a message box with its numbers and units kept whole on a line: a number
// and the unit after it are joined by a no-break space, and a short run of letters,
// digits and signs ("kgf･mm", "N/mm²", "φ·D/(360·N)") by word joiners, so the box
// breaks Japanese lines only between words or characters. Longer runs (paths) may break.
QString KeepNumbersAndUnitsWhole(const QString& message);

// Converts a filter of the "名前|*.ext|名前|*.*" form to Qt's "名前 (*.ext);;名前 (*.*)".
QString QtFilterFromPipes(const QString& pipes);

// Runs a window command: a CommandError it throws goes to the standard error dialog.
// This is the only place that catches CommandError in the windows.
template <typename F>
bool RunCommand(Dialogs& dialogs, QWidget* parent, F&& command);

#include "ui/common/run_command.inl"
