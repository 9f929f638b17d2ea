// The random user's printouts and exports: every report and data sheet made is
// checked against the inputs it prints.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "tests/support/pdf_tools.h"
#include "tests/support/printed_results.h"
#include "tests/ui/main_window/random_use/session.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/exports.h"
#include "ui/main_window/title_block_dialog.h"
#include "ui/main_window/tool_windows.h"
#include "ui/print/window_print.h"
#include "ui/search/design_search_window.h"

namespace torsion::random_use {

// ---- printouts and exports ---------------------------------------------------------

// The next modal dialog is handled by `handle` once it is up; nothing is done when
// the command ends without one.
void RandomSession::onModal(std::function<void(QWidget*)> handle) {
    auto pending = std::make_shared<bool>(true);
    pendingModal_ = pending;
    QTimer::singleShot(0, [pending, handle] {
        if (!*pending) return;
        *pending = false;
        if (QWidget* modal = QApplication::activeModalWidget()) handle(modal);
    });
}
void RandomSession::endModal() {
    if (pendingModal_) *pendingModal_ = false;
    if (QApplication::activeWindow() != main_.get()) activate();
}

// The title block: typed key by key, then confirmed or cancelled.
void RandomSession::fillTitleBlock(QWidget* modal) {
    auto* dialog = qobject_cast<TitleBlockDialog*>(modal);
    if (dialog == nullptr) {
        fail("the title block was not asked for with its dialog");
        modal->close();
        return;
    }
    for (const char* name : {"productEdit", "drawingNoEdit", "designerEdit", "dateEdit"})
        if (chance(50))
            TypeOver(dialog->findChild<QLineEdit*>(QString::fromLatin1(name)),
                     pick({QStringLiteral("試作ばね"), QStringLiteral("ＴＳ－００４２"), QString(),
                           QStringLiteral("山田　太郎"), QStringLiteral("2026-12-08"),
                           QStringLiteral("ｺｲﾙ 12.5"), QStringLiteral("😀 ばね")}));
    if (chance(85))
        dialog->accept();
    else
        dialog->reject();
}

void RandomSession::titleBlock() {
    onModal([this](QWidget* modal) { fillTitleBlock(modal); });
    menuItem("ReportTitle")->trigger();
    endModal();
}

// "計算書 PDF 出力" into the scratch folder: every result it prints follows from the
// inputs it prints.
void RandomSession::reportPdf() {
    const QString name = path(QStringLiteral("report.pdf"));
    QFile::remove(name);
    const auto errors = dialogs_.errors.size();
    dialogs_.saveNames.push_back(name);
    onModal([this](QWidget* modal) { fillTitleBlock(modal); });
    menuItem("ReportPdf")->trigger();
    endModal();
    if (dialogs_.errors.size() != errors || !QFileInfo::exists(name)) return;
    ++printoutsChecked_;
    for (const QString& line : printed::ReportDisagreeing(pdf_tools::PdfText(name), materials_))
        fail("report: " + line.toStdString());
}

// "要目表印刷": the page's table and labels follow from the inputs they print. The
// sheet says neither the input mode nor the load direction: the window does.
void RandomSession::dataSheet() {
    const bool momentsGiven = !mainChild(QStringLiteral("Edit4"))->isEnabled();
    const bool outward = mainChild<QCheckBox>(QStringLiteral("soto"))->isChecked();
    onModal([=, this](QWidget* modal) {
        if (modal != printPage_) {
            fail("the data sheet did not come up");
        } else if (MaterialBytes(materials_) == listedTable_) {
            ++printoutsChecked_;
            for (const QString& line :
                 printed::DataSheetDisagreeing(*modal, materials_, momentsGiven, outward))
                fail("data sheet: " + line.toStdString());
        }
        static_cast<QDialog*>(modal)->reject();
    });
    menuItem("N5")->trigger();
    endModal();
}

void RandomSession::exportFile() {
    const bool csv = chance(50);
    const QString name = chance(15) ? path(QStringLiteral("plainfile/x.out"))
                                    : path(csv ? QStringLiteral("履歴.csv") : QStringLiteral("ばね.dxf"));
    detail_ = csv ? " CSV" : " DXF";
    QFile::remove(name);
    const auto errors = dialogs_.errors.size();
    dialogs_.saveNames.push_back(name);
    menuItem(csv ? "CsvExport" : "DxfExport")->trigger();
    const std::optional<Bytes> written = FileBytes(name);
    if ((dialogs_.errors.size() == errors) != written.has_value())
        fail("an export reported no error without a file, or an error with one");
    if (!csv || !written) return;
    // A line for each stored case, and none for the others.
    const QByteArray text(reinterpret_cast<const char*>(written->data()),
                          static_cast<qsizetype>(written->size()));
    for (int slot = 1; slot <= kHistorySlots; ++slot)
        if (text.contains("\r\n" + QByteArray::number(slot) + ',') != (main_->cases()[slot].used == 1))
            fail("the CSV's line of slot " + std::to_string(slot) + " does not follow the slot");
}

// "設計探索": search (or cancel it), sort, apply a row or close.
void RandomSession::designSearch() {
    menuItem("designSearchItem")->trigger();
    DesignSearchWindow* search = main_->toolWindows().designSearch();
    if (search == nullptr) return fail("no design search window");
    const auto button = [search](const char* name) {
        return search->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    if (chance(40)) QTest::mouseClick(button("fromCaseButton"), Qt::LeftButton);
    if (chance(40)) {
        const QString box =
            pick({QStringLiteral("moment2Edit"), QStringLiteral("angle2Edit"),
                  QStringLiteral("toleranceEdit"), QStringLiteral("arm1Edit"), QStringLiteral("stepEdit")});
        detail_ += " " + box.toStdString();
        typeInto(search->findChild<QLineEdit*>(box),
                 chance(70) ? QString::number(1 + rng_() % 60) : HostileText(rng_));
    }
    QTest::mouseClick(button("searchButton"), Qt::LeftButton);
    if (chance(20)) QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
    if (!QTest::qWaitFor([search] { return !search->searchRunning(); }, 120000))
        return fail("the search did not end");
    auto* table = search->findChild<QTableWidget*>(QStringLiteral("resultTable"));
    detail_ += " " + std::to_string(table->rowCount()) + " rows";
    if (table->rowCount() > 0 && chance(50)) {
        const int column = static_cast<int>(rng_() % table->columnCount());
        QTest::mouseClick(table->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(table->horizontalHeader()->sectionViewportPosition(column) + 4, 4));
    }
    if (table->rowCount() > 0 && chance(70)) {
        table->setCurrentCell(static_cast<int>(rng_() % table->rowCount()), 1);
        const auto errors = dialogs_.errors.size();
        QTest::mouseClick(button("applyButton"), Qt::LeftButton);
        // The applied spring is calculated: the window shows its results.
        noteCalculation(errors);
    } else if (chance(50)) {
        search->close();
    }
    activate();
}

void RandomSession::toleranceGrade() {
    auto* grade = main_->characteristicPage()->findChild<QComboBox*>(QStringLiteral("GradeBox"));
    grade->setCurrentIndex(static_cast<int>(rng_() % grade->count()));
}

// ファイル → 最近使ったファイル: a file read or saved before, which may be gone.
void RandomSession::recentFile() {
    const QList<QAction*> recent =
        main_->menuBar()->findChildren<QAction*>(QRegularExpression(QStringLiteral("^RecentFile\\d+$")));
    if (recent.isEmpty()) return;
    QAction* item = recent[static_cast<int>(rng_() % recent.size())];
    const QString name = item->data().toString();
    if (chance(20)) QFile::remove(name);
    dialogs_.answeredPaths << name;
    if (!QFileInfo(name).isFile()) {
        const auto informations = dialogs_.informations.size();
        const Bytes before = CaseBytes(main_->cases());
        item->trigger();
        if (dialogs_.informations.size() != informations + 1 || CaseBytes(main_->cases()) != before)
            fail("a recent file that is gone was read or not reported");
        return;
    }
    readCaseFileNamed(name, item);
}

// Issue sequences: a changed turns left with Tab, saved with Ctrl+S and reported;
// the saved current case holds the results of its own inputs.
void RandomSession::turnsTabSaveReport() {
    activate();
    const bool keys = active_ && QApplication::activeWindow() == main_.get();
    if (chance(60)) typeSpring();
    QLineEdit* turns = mainChild(QStringLiteral("Edit19"));
    if (keys) turns->setFocus(Qt::MouseFocusReason);
    typeInto(turns, QString::number(1 + rng_() % 80 / 8.0));
    if (keys) QTest::keyClick(turns, Qt::Key_Tab);
    const QString name = path(QStringLiteral("sequence.nbd"));
    const auto errors = dialogs_.errors.size();
    dialogs_.saveNames.push_back(name);
    if (keys) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : main_.get(), Qt::Key_S, Qt::ControlModifier);
        if (dialogs_.errors.size() == errors && !dialogs_.saveNames.empty())
            return fail("Ctrl+S did not ask for a file name");
    } else {
        menuItem("N3")->trigger();
    }
    if (dialogs_.errors.size() == errors) {
        const std::optional<Bytes> file = FileBytes(name);
        if (!file || file->size() != kCaseTableSize) return fail("Ctrl+S wrote no case file");
        const DesignCase saved = DecodeDesignCase(file->data());
        try {
            const DesignCase fresh = EvaluateDesign(saved, materials_).design;
            if (std::memcmp(&fresh.springConst, &saved.springConst, sizeof(double)) != 0 ||
                std::memcmp(&fresh.stress2, &saved.stress2, sizeof(double)) != 0 ||
                fresh.lifeClass != saved.lifeClass)
                fail("the saved current case holds results of other inputs");
        } catch (const CommandError&) {
        }
    }
    reportPdf();
}

}  // namespace torsion::random_use
