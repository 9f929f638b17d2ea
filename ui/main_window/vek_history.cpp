// The main window's history, case file, print, editor and search commands.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <cmath>

#include "core/base/file_io.h"
#include "core/base/number_text.h"
#include "core/calc/calculation.h"
#include "core/design/design_search.h"
#include "core/evaluation/evaluation.h"
#include "core/files/history_text.h"
#include "core/materials/fatigue_life.h"
#include "drawing/fatigue_diagram.h"
#include "drawing/japanese_font.h"
#include "drawing/spring_drawing.h"
#include "ui/common/data_files.h"
#include "ui/common/image_control.h"
#include "ui/common/settings.h"
#include "ui/common/sjis.h"
#include "ui/common/window_text.h"
#include "ui/main_window/case_files.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/exports.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/message_list.h"
#include "ui/main_window/practice_page.h"
#include "ui/main_window/schematic.h"
#include "ui/main_window/spring_3d_page.h"
#include "ui/main_window/tool_windows.h"
#include "ui/main_window/vek.h"
#include "ui/print/window_print.h"
#include "ui/search/design_search_window.h"

using namespace torsion;

// ---- history, case file, print and editor commands ------------------------------

namespace {

bool IsHistorySlot(int slot) {
    return slot >= 1 && slot <= kHistorySlots;
}

}  // namespace

int Tf_vek::HistorySlotNumber() const {
    // The text as typed counts, even before the spin box has corrected it; a text that
    // is no integer counts as the minimum. An integer too large for any slot number
    // becomes 0, which the buttons refuse, rather than the minimum.
    const QString typed = SpinEdit1->cleanText().trimmed();
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    if (!integer.match(typed).hasMatch()) return 1;
    bool ok = false;
    const int value = typed.toInt(&ok, 10);
    return ok ? value : 0;
}

bool Tf_vek::historyUnsaved() const {
    return caseFiles_->historyUnsaved();
}

void Tf_vek::ShowHistoryRows() {
    for (int slot = 1; slot <= kHistorySlots; ++slot) sg1->FillHistoryRow(slot, cases_, materials_);
}

void Tf_vek::SpeedButton5Click() {
    RunCommand(dialogs_, this, [&] {
        const int slot = HistorySlotNumber();
        // A number outside the history, typed and not yet corrected, stores nowhere.
        if (!IsHistorySlot(slot)) return;
        // A stored case is only replaced when the user says so.
        if (cases_[static_cast<std::size_t>(slot)].used != 0 &&
            !dialogs_.confirm(
                this, QCoreApplication::translate("vek_history",
                                                  "番号 %1 には計算結果が記憶されています。上書きしますか？")
                          .arg(slot)))
            return;
        CopyCase(cases_, 0, slot);
        options_[static_cast<std::size_t>(slot)] = options_[0];
        sg1->FillHistoryRow(slot, cases_, materials_);
        caseFiles_->CaseStored();
    });
}

void Tf_vek::SpeedButton6Click() {
    RunCommand(dialogs_, this, [&] {
        const int slot = HistorySlotNumber();
        if (!IsHistorySlot(slot) || cases_[static_cast<std::size_t>(slot)].used == 0) return;
        CopyCase(cases_, slot, 0);
        options_[0] = options_[static_cast<std::size_t>(slot)];
        ShowRecalledCase();
    });
}

void Tf_vek::sg1Click() {
    RunCommand(dialogs_, this, [&] {
        const int slot = sg1->currentRow() - 1;
        if (!IsHistorySlot(slot) || cases_[static_cast<std::size_t>(slot)].used != 1) return;
        CopyCase(cases_, slot, 0);
        options_[0] = options_[static_cast<std::size_t>(slot)];
        const int entry = cases_[0].wireDiaIndex;
        if (entry >= 0 && entry < ComboBox6->count()) {
            const QSignalBlocker block(ComboBox6);
            ComboBox6->setCurrentIndex(entry);
        }
        ShowRecalledCase();
    });
}

void Tf_vek::ShowRecalledCase() {
    // The case is not read back from the window: a foreign case may show boxes that hold
    // no number. The moment caption takes its plain form.
    captionApplied_ = false;
    ShowCase();
}

void Tf_vek::Edit2Click() {
    caseFiles_->ReadChosen();
}

void Tf_vek::ReadCaseFileNamed(const QString& name) {
    caseFiles_->ReadNamed(name);
}

void Tf_vek::RecentFileClick(const QString& name) {
    caseFiles_->ReadRecent(name);
}

void Tf_vek::N3Click() {
    caseFiles_->Save();
}

void Tf_vek::N2Click() {
    RunCommand(dialogs_, this,
               [&] { CopyGridToClipboard(*sg1, 0, 0, kHistoryColumns - 1, kHistoryGridRows - 1); });
}

void Tf_vek::closeEvent(QCloseEvent* event) {
    if (!caseFiles_->MayClose()) {
        event->ignore();
        return;
    }
    if (settings_ != nullptr) settings_->setWindowPosition(pos());
    QMainWindow::closeEvent(event);
}

void Tf_vek::N5Click() {
    exports_->Run(*ExportFormatOfItem("N5"));
}

void Tf_vek::N1Click() {
    PrintWindowOnDefaultPrinter(*this, ScaleMode::FitToPage, dialogs_);
}

void Tf_vek::N7Click() {
    toolWindows_->ShowDataMake();
}

void Tf_vek::N8Click() {
    toolWindows_->ShowKeisuuMake();
}

void Tf_vek::designSearchClick() {
    toolWindows_->ShowDesignSearch([this] {
        auto* window = new DesignSearchWindow(materials_, kinds_, cases_[0], unitSystem_, dialogs_, this);
        connect(window, &DesignSearchWindow::designChosen, this, &Tf_vek::ApplySearchResult);
        connect(this, &Tf_vek::unitSystemChanged, window, &DesignSearchWindow::setUnitSystem);
        return window;
    });
}

void Tf_vek::ReportTitleClick() {
    exports_->AskTitleBlock();
}

void Tf_vek::ApplySearchResult(const SearchCandidate& candidate) {
    bool typed = false;
    RunCommand(dialogs_, this, [&] {
        const DesignCase& design = candidate.design;
        const SearchApplyTexts texts = SearchApplyTextsOf(candidate);
        SelectMaterial(design.materialNo);
        FillDiameterList(design.materialNo);
        {
            const QSignalBlocker block(ComboBox6);
            ComboBox6->setCurrentIndex(design.wireDiaIndex < ComboBox6->count() ? design.wireDiaIndex : -1);
        }
        DesignCase& c = cases_[0];
        // The search typed its coil diameters in one mode; the window takes them in that mode.
        c.diaMode = design.diaMode;
        if (const std::optional<std::string> label = CaseDisplayTexts(c).diameterLabel)
            Label48->setText(WindowText(*label));
        c.inputMode = 1;
        ApplyInputMode();
        Edit18->setText(WindowText(texts.coilDia));
        Edit19->setText(WindowText(texts.turns));
        Edit4->setText(WindowText(texts.angle1));
        Edit5->setText(WindowText(texts.angle2));
        Edit12->setText(WindowText(texts.arm1));
        Edit13->setText(WindowText(texts.arm2));
        soto->setChecked(design.outward != 0);
        hidari->setChecked(design.leftHand != 0);
        // The search found the design by JIS at room temperature; it comes with those conditions.
        TabSheet5->showOptions(DesignOptions{});
        typed = true;
        // The recommended values of the applied spring, by the live update.
        UpdateRecommended();
    });
    if (typed) BitBtn2Click();
}
