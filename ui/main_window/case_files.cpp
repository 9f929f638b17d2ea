#include "ui/main_window/case_files.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStringList>
#include <string>
#include <vector>

#include "core/base/command_error.h"
#include "core/base/file_io.h"
#include "core/evaluation/evaluation.h"
#include "core/files/case_file.h"
#include "core/files/design_file.h"
#include "core/files/recent_files.h"
#include "ui/common/dialogs.h"
#include "ui/common/settings.h"
#include "ui/common/window_text.h"
#include "ui/main_window/history_recovery.h"

namespace {

// Either kind is read; "保存" writes the kind the name's ending says.
QString kOpenFilter() {
    return QCoreApplication::translate("case_files", "ねじりばねデーター|*.nbd;*.nbdx");
}
QString kSaveFilter() {
    return QCoreApplication::translate("case_files", "ねじりばねデーター|*.nbd|設計ファイル|*.nbdx");
}

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& entry : list) out.push_back(entry.toStdString());
    return out;
}

QStringList FromStd(const std::vector<std::string>& list) {
    QStringList out;
    for (const std::string& entry : list) out << QString::fromStdString(entry);
    return out;
}

}  // namespace

CaseFiles::CaseFiles(torsion::CaseTable& cases, torsion::DesignOptionsTable& options,
                     const torsion::MaterialTable& materials, Dialogs& dialogs, QWidget* window,
                     QMenu* recentMenu, WindowHooks hooks)
    : cases_(cases),
      options_(options),
      materials_(materials),
      dialogs_(dialogs),
      window_(window),
      recentMenu_(recentMenu),
      hooks_(std::move(hooks)) {}

CaseFiles::~CaseFiles() = default;

void CaseFiles::setSettings(Settings* settings) {
    settings_ = settings;
    const QString lastFile = settings != nullptr ? settings->lastCaseFile() : QString();
    if (!lastFile.isEmpty()) {
        lastOpenName_ = lastFile;
        lastSaveName_ = lastFile;
    }
    FillRecentMenu();
}

void CaseFiles::EnableRecovery(const QString& folder) {
    recovery_ = std::make_unique<HistoryRecovery>(folder);
    for (const QString& left : recovery_->leftOver()) {
        const bool restore = dialogs_.confirm(
            window_, QCoreApplication::translate(
                         "case_files",
                         "前回は履歴を保存しないまま終了しました（%1）。\nその履歴を復元しますか？\n\n%2")
                         .arg(HistoryRecovery::describe(left), QDir::toNativeSeparators(left)));
        if (restore) {
            const torsion::DesignCase shown = cases_[0];
            const torsion::DesignOptions shownOptions = options_[0];
            if (!RunCommand(dialogs_, window_,
                            [&] { torsion::ReadAnyCaseFile(left.toStdString(), cases_, options_); }))
                continue;
            if (cases_[0].used == 0) options_[0] = shownOptions;
            // A restored history shows its current case as a read file does.
            ShowReadCase(shown);
            historyChanged_ = true;
            hooks_.showHistory();
            WriteRecovery();
            HistoryRecovery::removeLeftOver(left);
            break;  // older files are offered at the next start
        }
        HistoryRecovery::removeLeftOver(left);
    }
}

void CaseFiles::ShowReadCase(const torsion::DesignCase& shownBefore) {
    if (cases_[0].used == 0) {
        // A file without a current case leaves the one shown as it is.
        cases_[0] = shownBefore;
        return;
    }
    // The window shows the file's current case, its diameter and input modes too, so
    // the next "計算" calculates the spring shown; the case keeps the file's bytes.
    const torsion::DesignCase read = cases_[0];
    try {
        hooks_.showCurrentCase();
    } catch (...) {
        cases_[0] = read;  // a show that fails leaves the table as read
        throw;
    }
    cases_[0] = read;
}

void CaseFiles::WriteRecovery() {
    if (recovery_ == nullptr) return;
    // Not through RunCommand: a failed copy is a warning, told once (the history itself
    // is unharmed), and the command that changed the history has succeeded.
    try {
        recovery_->write(cases_, options_);
    } catch (const torsion::CommandError& e) {
        if (!recoveryFailureShown_)
            dialogs_.showWarning(window_,
                                 QCoreApplication::translate("case_files", "履歴の控えを書けません: %1")
                                     .arg(WindowText(e.text())));
        recoveryFailureShown_ = true;
    }
}

bool CaseFiles::historyUnsaved() const {
    if (!historyChanged_) return false;
    for (int slot = 1; slot <= torsion::kHistorySlots; ++slot)
        if (cases_[static_cast<std::size_t>(slot)].used != 0) return true;
    return false;
}

void CaseFiles::CaseStored() {
    historyChanged_ = true;
    WriteRecovery();
}

bool CaseFiles::HistoryMayBeReplaced() {
    if (!historyUnsaved()) return true;
    switch (dialogs_.askYesNoCancel(
        window_, QCoreApplication::translate("case_files", "履歴が保存されていません。保存しますか？"))) {
        case Dialogs::Answer::Yes:
            return Save();
        case Dialogs::Answer::No:
            return true;
        case Dialogs::Answer::Cancel:
            break;
    }
    return false;
}

bool CaseFiles::ReadChecked(const QString& name) {
    lastOpenName_ = name;
    // A file that cannot be read ends the command here: table and grid stay as they were.
    const std::string path = name.toStdString();
    const std::vector<std::uint8_t> bytes = torsion::ReadWholeFile(path);
    // Both kinds are read into copies first: a damaged design file is refused (its first
    // fault named) with nothing changed, and the records of either kind are checked alike.
    torsion::CaseTable readCases = cases_;
    torsion::DesignOptionsTable readOptions = options_;
    torsion::OverlayAnyCaseFile(path, bytes, readCases, readOptions);
    const bool designFile = torsion::IsDesignFileContent(path, bytes);
    const std::vector<std::uint8_t> records = designFile ? torsion::EncodeCaseTable(readCases) : bytes;
    if (!torsion::LooksLikeCaseFile(records, materials_) &&
        !dialogs_.confirm(
            window_, QCoreApplication::translate(
                         "case_files", "ファイル %1 は履歴ファイルではない可能性があります。読み込みますか？")
                         .arg(name)))
        return false;
    const torsion::DesignCase shown = cases_[0];
    const torsion::DesignOptions shownOptions = options_[0];
    cases_ = readCases;
    options_ = readOptions;
    // A file without a current case leaves the one shown with its options.
    if (cases_[0].used == 0) options_[0] = shownOptions;
    ShowReadCase(shown);
    Remember(name);
    if (designFile || bytes.size() >= torsion::kCaseTableSize) {
        // The history is the file's: nothing to save and nothing to recover until it changes.
        historyChanged_ = false;
        if (recovery_ != nullptr) recovery_->discard();
    } else {
        // A short file replaced only its first slots; the rest are as unsaved as before.
        WriteRecovery();
    }
    return true;
}

void CaseFiles::ReadChosen() {
    if (!HistoryMayBeReplaced()) return;
    RunCommand(dialogs_, window_, [&] {
        const QString name = dialogs_.openFileName(window_, kOpenFilter(), lastOpenName_);
        if (!name.isEmpty()) ReadChecked(name);
        hooks_.showHistory();
    });
}

void CaseFiles::ReadNamed(const QString& name) {
    if (!HistoryMayBeReplaced()) return;
    RunCommand(dialogs_, window_, [&] {
        if (ReadChecked(name)) hooks_.showHistory();
    });
}

void CaseFiles::ReadRecent(const QString& name) {
    if (!QFileInfo(name).isFile()) {
        dialogs_.showInformation(
            window_, QCoreApplication::translate(
                         "case_files", "ファイル %1 が見つかりません。最近使ったファイルから外します。")
                         .arg(name));
        if (settings_ != nullptr)
            settings_->setRecentFiles(
                FromStd(torsion::WithoutRecentFile(ToStd(settings_->recentFiles()), name.toStdString())));
        FillRecentMenu();
        return;
    }
    ReadNamed(name);
}

void CaseFiles::Remember(const QString& name) {
    if (settings_ == nullptr) return;
    const QString path = QFileInfo(name).absoluteFilePath();
    settings_->setLastCaseFile(path);
    settings_->setRecentFiles(
        FromStd(torsion::WithRecentFile(ToStd(settings_->recentFiles()), path.toStdString())));
    FillRecentMenu();
}

void CaseFiles::FillRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = settings_ != nullptr ? settings_->recentFiles() : QStringList();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        action->setData(path);
        QObject::connect(action, &QAction::triggered, window_,
                         [this, path] { hooks_.recentFileChosen(path); });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

bool CaseFiles::Save() {
    bool saved = false;
    RunCommand(dialogs_, window_, [&] {
        // The file's current case is the inputs shown with their own results.
        hooks_.readWindowToCase();
        cases_[0] = torsion::EvaluateDesign(cases_[0], materials_, {std::nullopt, {}, options_[0]}).design;
        const QString name = dialogs_.saveFileName(window_, kSaveFilter(), ProposedSaveName());
        if (name.isEmpty()) return;
        if (torsion::IsDesignFileName(name.toStdString())) {
            torsion::WriteDesignFile(name.toStdString(), cases_, options_);
        } else {
            // A case file keeps the records only: the user is told what it loses first.
            const std::vector<std::string> lost = torsion::OptionsLostInCaseFile(options_);
            if (!lost.empty()) {
                QStringList lines;
                for (const std::string& line : lost) lines << WindowText(line);
                if (!dialogs_.confirm(window_,
                                      QCoreApplication::translate(
                                          "case_files",
                                          "ファイル %1 は記録だけのねじりばねデーター (.nbd) "
                                          "です。次の設定は保存されません:\n%2\n\n"
                                          "このまま保存しますか？（設定も残すには .nbdx で保存します）")
                                          .arg(name, lines.join(QLatin1Char('\n')))))
                    return;
            }
            torsion::WriteCaseFile(cases_, name.toStdString());
        }
        lastSaveName_ = name;
        // "読み取り" opens where the history was last saved (with the name last read, when
        // that file lies there too).
        if (QFileInfo(lastOpenName_).absolutePath() != QFileInfo(name).absolutePath())
            lastOpenName_ = QFileInfo(name).absolutePath() + QLatin1Char('/');
        historyChanged_ = false;
        // Everything is in the saved file: nothing is left to recover.
        if (recovery_ != nullptr) recovery_->discard();
        saved = true;
        Remember(name);
    });
    return saved;
}

QString CaseFiles::ProposedSaveName() const {
    bool optionsSet = false;
    for (const torsion::DesignOptions& o : options_) optionsSet = optionsSet || !torsion::IsDefault(o);
    if (optionsSet && lastSaveName_.endsWith(QStringLiteral(".nbd"), Qt::CaseInsensitive))
        return lastSaveName_ + QLatin1Char('x');
    return lastSaveName_;
}

bool CaseFiles::MayClose() {
    if (!HistoryMayBeReplaced()) return false;
    if (recovery_ != nullptr) recovery_->discard();
    return true;
}
