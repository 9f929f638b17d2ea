// The random user's session: the windows it works on, the checks after every action
// and the actions themselves (their bodies are in the *_actions.cpp files beside).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/materials/coefficients.h"
#include "tests/support/typing.h"
#include "tests/support/visible_state.h"
#include "tests/ui/main_window/random_use/program_messages.h"
#include "tests/ui/main_window/random_use/random_data.h"
#include "ui/common/settings.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"
#include "ui/main_window/vek.h"
#include "ui/print/prin.h"

namespace torsion::random_use {

// The captions of the recommended values and the spring index are checked with the
// results; TS_CHECK_CAPTIONS=0 leaves them out, and the run says whether they were.
inline const bool kCheckCaptions = qEnvironmentVariable("TS_CHECK_CAPTIONS") != QStringLiteral("0");

// A cell editor that a move of the current cell closed is deleted as soon as the event
// loop runs, which it does between any two user actions.
inline void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- the session -----------------------------------------------------------------------

class RandomSession {
  public:
    RandomSession(std::uint32_t seed, bool verbose) : rng_(seed), verbose_(verbose) {
        dataDir_ = QStringLiteral(TS_DATA_DIR);
        defaultTable_ = FileBytes(QDir(dataDir_).filePath(QStringLiteral("zaidat.dst"))).value_or(Bytes{});
        defaultCoefficients_ =
            FileBytes(QDir(dataDir_).filePath(QStringLiteral("keisuu.dat"))).value_or(Bytes{});
        QDir(folder_.path()).mkpath(QStringLiteral("adir"));
        WriteBytes(path(QStringLiteral("plainfile")), Bytes{1, 2, 3});
        dialogs_.rules = [this](QWidget* parent) { return rules(parent); };
        start(true);
    }

    ~RandomSession() { stop(); }

    bool ready() const { return !defaultTable_.empty() && folder_.isValid(); }
    const std::map<std::string, int>& counts() const { return counts_; }
    // How the program answered: each message kind with its number, so that a run shows
    // how far the actions got past the input checks.
    std::map<std::string, int> messageKinds() const {
        std::map<std::string, int> kinds;
        static const QRegularExpression typedText(QStringLiteral("^'.*' "),
                                                  QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression fileName(QStringLiteral("^ファイル .* "));
        for (QString m :
             dialogs_.errors + dialogs_.informations + dialogs_.confirmations + dialogs_.questions) {
            m.replace(typedText, QStringLiteral("'…' ")).replace(fileName, QStringLiteral("ファイル … "));
            ++kinds[m.toStdString()];
        }
        kinds["(calculations that reached the checks: " + std::to_string(calculationsChecked_) + ")"] = 0;
        kinds["(reports and data sheets checked: " + std::to_string(printoutsChecked_) + ")"] = 0;
        kinds["(calculations after which the wire list showed another diameter: " +
              std::to_string(wireListMoved_) + ")"] = 0;
        kinds[active_ ? "(focus moves between controls)" : "(window never active: no focus moves)"] = 0;
        return kinds;
    }
    int failures() const { return failures_; }

    void step(int index) {
        index_ = index;
        const int pick = static_cast<int>(rng_() % totalWeight());
        int sum = 0;
        for (const Action& a : actions()) {
            sum += a.weight;
            if (pick < sum) {
                run(a);
                break;
            }
        }
    }

    // Checks at the end: nothing left behind by the replacing writes.
    void finish() {
        const QStringList leftovers =
            QDir(folder_.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
        if (!leftovers.isEmpty()) fail("temporary files left: " + leftovers.join(u' ').toStdString());
    }

  private:
    struct Action {
        const char* name;
        int weight;
        void (RandomSession::*run)();
    };

    static const std::vector<Action>& actions() {
        static const std::vector<Action> list = {
            {"type into a main box", 44, &RandomSession::typeMainBox},
            {"leave a diameter or turns box", 6, &RandomSession::leaveBox},
            {"calculate", 18, &RandomSession::calculate},
            {"diameter switch", 8, &RandomSession::diameterSwitch},
            {"angle/load switch", 6, &RandomSession::angleLoadSwitch},
            {"switch the unit", 4, &RandomSession::switchUnit},
            {"check box", 8, &RandomSession::toggleCheckBox},
            {"choose a list entry", 14, &RandomSession::chooseListEntry},
            {"apply a recommended value", 6, &RandomSession::applyRecommended},
            {"type a slot number", 8, &RandomSession::typeSlotNumber},
            {"store into a slot", 10, &RandomSession::store},
            {"recall a slot", 10, &RandomSession::recall},
            {"click the history grid", 10, &RandomSession::clickGrid},
            {"switch page", 2, &RandomSession::switchPage},
            {"read a case file", 8, &RandomSession::readCaseFile},
            {"save a case file", 8, &RandomSession::saveCaseFile},
            {"copy to the clipboard", 4, &RandomSession::copy},
            {"fill the print page", 2, &RandomSession::fillPrintPage},
            {"paint the windows", 2, &RandomSession::paint},
            {"try to close", 2, &RandomSession::tryClose},
            {"type into an editor box", 16, &RandomSession::typeEditorBox},
            {"type into an editor cell", 24, &RandomSession::typeEditorCell},
            {"next or previous record", 8, &RandomSession::moveRecord},
            {"insert or delete a row", 10, &RandomSession::insertOrDeleteRow},
            {"erase a record", 4, &RandomSession::eraseRecord},
            {"kind number", 6, &RandomSession::kindNumber},
            {"clear the comments", 2, &RandomSession::clearComments},
            {"load a material table", 6, &RandomSession::loadMaterialTable},
            {"save the material table", 6, &RandomSession::saveMaterialTable},
            {"type a coefficient", 8, &RandomSession::typeCoefficient},
            {"set the coefficients", 6, &RandomSession::setCoefficients},
            {"restart on damaged data files", 2, &RandomSession::restart},
            // Printouts, exports, the design search and the sequences: slower, so rarer.
            {"report as PDF", 1, &RandomSession::reportPdf},
            {"data sheet", 1, &RandomSession::dataSheet},
            {"export CSV or DXF", 1, &RandomSession::exportFile},
            {"design search", 1, &RandomSession::designSearch},
            {"tolerance grade", 1, &RandomSession::toleranceGrade},
            {"recent file", 1, &RandomSession::recentFile},
            {"title block", 1, &RandomSession::titleBlock},
            {"turns, Tab, Ctrl+S, report", 1, &RandomSession::turnsTabSaveReport},
            {"store, change, recall", 1, &RandomSession::storeChangeRecall},
            {"full-width digits then calculate", 1, &RandomSession::fullWidthDigits},
        };
        return list;
    }
    static int totalWeight() {
        int sum = 0;
        for (const Action& a : actions()) sum += a.weight;
        return sum;
    }

    void run(const Action& a) {
        ++counts_[a.name];
        current_ = a.name;
        if (verbose_) std::cerr << "[" << index_ << "] " << a.name << std::endl;
        const int strayBefore = static_cast<int>(dialogs_.strayMessages.size());
        (this->*a.run)();
        dialogs_.forgetAnswers();
        QCoreApplication::processEvents();
        FlushDeletes();
        for (int i = strayBefore; i < dialogs_.strayMessages.size(); ++i)
            fail("message the program does not have: " + dialogs_.strayMessages[i].toStdString());
        checkRoundTrips();
        checkVisible();
        recent_.push_back(std::to_string(index_) + " " + a.name + detail_);
        detail_.clear();
        if (recent_.size() > 12) recent_.pop_front();
    }

    void fail(const std::string& what) {
        ++failures_;
        std::string trail;
        for (const std::string& r : recent_) trail += "\n  " + r;
        ADD_FAILURE() << "action " << index_ << " (" << current_ << detail_ << "): " << what
                      << "\nearlier actions:" << trail;
    }

    // Every table the windows hold must give back its bytes through decode and encode.
    void checkRoundTrips() {
        const Bytes cases = CaseBytes(main_->cases());
        CaseTable decoded{};
        OverlayCaseTable(decoded, cases);
        if (CaseBytes(decoded) != cases) fail("case table does not round-trip");

        const Bytes table = MaterialBytes(materials_);
        MaterialTable decodedTable{};
        OverlayMaterialTable(decodedTable, table);
        if (MaterialBytes(decodedTable) != table) fail("material table does not round-trip");

        const Bytes coefficients = EncodeCoefficients(coefficients_);
        CoefficientRecord decodedCoefficients{};
        OverlayCoefficients(decodedCoefficients, coefficients);
        if (EncodeCoefficients(decodedCoefficients) != coefficients) fail("coefficients do not round-trip");

        if (dataMake_->editRecordNo() < 0 || dataMake_->editRecordNo() >= kMaterialRecords)
            fail("editor record number out of range");
    }

    // ---- what the main window shows --------------------------------------------------

    // While the inputs shown are those of the last calculation that ended without an
    // error, every result, caption and message shown is what they give through the one
    // evaluation.
    void checkVisible() {
        if (!calculated_) return;
        const VisibleState now = SnapshotOf(*main_);
        if (!SameInputs(*calculated_, now) || MaterialBytes(materials_) != calculatedTable_) {
            calculated_.reset();
            return;
        }
        const std::optional<QStringList> wrong = ResultsDisagreeing(*main_, kCheckCaptions);
        // A derived angle or moment that is no number shows as an empty box, which no
        // calculation reads back.
        const bool emptyResult =
            std::any_of(InputControls().begin(), InputControls().end(),
                        [&now](const QString& name) { return now.shown.at(name).isEmpty(); });
        if (!wrong && emptyResult) {
            calculated_.reset();
        } else if (!wrong) {
            fail("the inputs of a calculation without error do not read as a case");
        } else {
            for (const QString& line : *wrong) fail("shown: " + line.toStdString());
        }
        if (!wrong || !wrong->isEmpty()) calculated_.reset();  // named once
    }

    // The slot number the main window reads, when it is one of the history.
    std::optional<int> shownSlot() {
        bool ok = false;
        const int slot = mainChild<QSpinBox>(QStringLiteral("SpinEdit1"))->cleanText().trimmed().toInt(&ok);
        if (!ok || slot < 1 || slot >= kCaseSlots) return std::nullopt;
        return slot;
    }
    Bytes slotBytes(int slot) const {
        const Bytes all = CaseBytes(main_->cases());
        const auto from =
            all.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(slot) * kDesignCaseSize);
        return Bytes(from, from + kDesignCaseSize);
    }

    // A recalled case shows what the window showed when it was stored.
    void checkRecalled(int slot) {
        const auto found = stored_.find(slot);
        if (found == stored_.end()) return;
        const Stored& was = found->second;
        if (slotBytes(slot) != was.bytes || MaterialBytes(materials_) != was.table) {
            stored_.erase(found);  // replaced since: by a file, a grid edit or a new table
            return;
        }
        if (slotBytes(0) != was.bytes) return;  // nothing recalled
        const VisibleState now = SnapshotOf(*main_);
        if (now.unit != was.view.unit) return;
        QStringList controls = CaseControls();
        if (!kCheckCaptions)
            for (const QString& caption : CaptionControls()) controls.removeAll(caption);
        const QStringList differences = Differences(was.view, now, controls);
        for (const QString& line : differences)
            fail("recalled slot " + std::to_string(slot) + " shows " + line.toStdString());
        if (differences.isEmpty()) {
            calculated_ = now;
            calculatedTable_ = was.table;
        }
    }

    // The window showing the message counts too: at start-up it is not yet the session's.
    MessageRules rules(QWidget* parent) const {
        MessageRules r;
        r.paths << path(QStringLiteral("zaidat.dst")) << path(QStringLiteral("keisuu.dat"));
        std::vector<QWidget*> windows = {main_.get(), dataMake_, keisuu_};
        if (parent != nullptr) windows.push_back(parent->window());
        for (QWidget* w : windows) {
            if (w == nullptr) continue;
            for (QLineEdit* e : w->findChildren<QLineEdit*>()) r.texts << e->text();
            for (QComboBox* c : w->findChildren<QComboBox*>()) r.texts << c->currentText();
            for (QTableWidget* g : w->findChildren<QTableWidget*>())
                for (int row = 0; row < g->rowCount(); ++row)
                    for (int col = 0; col < g->columnCount(); ++col)
                        if (const QTableWidgetItem* item = g->item(row, col)) r.texts << item->text();
        }
        return r;
    }

    // ---- start and stop --------------------------------------------------------------

    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    void start(bool cleanFiles) {
        if (cleanFiles) {
            WriteBytes(path(QStringLiteral("zaidat.dst")), defaultTable_);
            WriteBytes(path(QStringLiteral("keisuu.dat")), defaultCoefficients_);
        }
        materials_ = MaterialTable{};
        kinds_ = KindIndex{};
        coefficients_ = CoefficientRecord{};
        main_ = std::make_unique<Tf_vek>(materials_, kinds_, coefficients_, dialogs_, folder_.path());
        main_->setSettings(settings_);
        dataMake_ = new Tdata_make(materials_, dialogs_, main_.get());
        keisuu_ = new Tkeisuu_make(coefficients_, dialogs_, folder_.path(), main_.get());
        printPage_ = new Tprinform(materials_, dialogs_, main_.get());
        main_->setToolWindows(dataMake_, keisuu_, printPage_);
        // The tool windows are shown without modality, so that nothing waits for them
        // and a cell editor opens as it does on screen; the main window then takes the
        // focus back.
        for (QDialog* tool : {static_cast<QDialog*>(dataMake_), static_cast<QDialog*>(keisuu_)}) {
            tool->setModal(false);
            tool->show();
        }
        listedTable_ = MaterialBytes(materials_);
        activate();
    }

    void stop() {
        if (!main_) return;
        main_->hide();
        main_.reset();
        dataMake_ = nullptr;
        keisuu_ = nullptr;
        printPage_ = nullptr;
    }

    void activate() {
        main_->show();
        main_->activateWindow();
        active_ = QTest::qWaitForWindowActive(main_.get(), 2000);
    }

    // Searched below the client area and the menu only: the tool windows, children of
    // the main window, reuse some of its control names.
    template <typename T = QLineEdit>
    T* mainChild(const QString& name) const {
        T* w = main_->centralWidget()->findChild<T*>(name);
        if (w == nullptr) ADD_FAILURE() << "no control " << name.toStdString();
        return w;
    }
    template <typename T>
    T pick(std::initializer_list<T> items) {
        return *(items.begin() + rng_() % items.size());
    }
    QAction* menuItem(const char* name) const {
        auto* item = main_->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
        if (item == nullptr) ADD_FAILURE() << "no menu item " << name;
        return item;
    }
    bool chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }

    // Types as the user would: one key or input-method commit per character; a text of
    // hundreds of characters is pasted.
    void typeInto(QLineEdit* box, const QString& text) {
        detail_ += " '" + text.left(40).toStdString() + (text.size() > 40 ? "...'" : "'");
        if (text.size() <= 100) {
            TypeOver(box, text);
        } else {
            box->selectAll();
            box->insert(text);
        }
    }

    // ---- the actions (in the *_actions.cpp files) -----------------------------------
    // ---- main window -----------------------------------------------------------------
    void typeMainBox();
    void leaveBox();
    void calculate();
    void noteCalculation(qsizetype errorsBefore);
    void diameterSwitch();
    void angleLoadSwitch();
    void switchUnit();
    void toggleCheckBox();
    void chooseListEntry();
    void applyRecommended();
    void typeSlotNumber();
    void store();
    void recall();
    void clickGrid();
    void switchPage();
    QString caseFileName();
    void readCaseFile();
    void readCaseFileNamed(const QString& name, QAction* command = nullptr);
    void saveCaseFile();
    void copy();
    void fillPrintPage();
    void paint();
    void tryClose();
    void typeSpring();
    void storeChangeRecall();
    void fullWidthDigits();

    // ---- printouts and exports ---------------------------------------------------------
    void onModal(std::function<void(QWidget*)> handle);
    void endModal();
    void fillTitleBlock(QWidget* modal);
    void titleBlock();
    void reportPdf();
    void dataSheet();
    void exportFile();
    void designSearch();
    void toleranceGrade();
    void recentFile();
    void turnsTabSaveReport();

    // ---- material editor ---------------------------------------------------------------
    void typeEditorBox();
    void typeEditorCell();
    void moveRecord();
    void insertOrDeleteRow();
    void eraseRecord();
    void kindNumber();
    void clearComments();
    QString tableFileName();
    void loadMaterialTable();
    void saveMaterialTable();

    // ---- coefficient window ------------------------------------------------------------
    void typeCoefficient();
    void setCoefficients();

    // ---- restart -----------------------------------------------------------------------
    void restart();

    std::mt19937 rng_;
    int coefficientSaves_ = 0;
    bool verbose_;
    QTemporaryDir folder_;
    QString dataDir_;
    Bytes defaultTable_;
    Bytes defaultCoefficients_;
    MaterialTable materials_{};
    KindIndex kinds_{};
    CoefficientRecord coefficients_{};
    CheckingDialogs dialogs_;
    Settings settings_{QDir(folder_.path()).filePath(QStringLiteral("settings.ini"))};
    std::unique_ptr<Tf_vek> main_;
    Tdata_make* dataMake_ = nullptr;
    Tkeisuu_make* keisuu_ = nullptr;
    Tprinform* printPage_ = nullptr;
    bool active_ = false;

    // The last calculation without error, while its inputs are shown, and the table it used.
    std::optional<VisibleState> calculated_;
    Bytes calculatedTable_;
    Bytes listedTable_;  // the table the window's lists were filled from
    struct Stored {
        VisibleState view;  // the window when the slot was stored
        Bytes bytes;        // the slot's record then
        Bytes table;
    };
    std::map<int, Stored> stored_;
    std::shared_ptr<bool> pendingModal_;

    int index_ = 0;
    int failures_ = 0;
    int calculationsChecked_ = 0;
    int printoutsChecked_ = 0;
    int wireListMoved_ = 0;
    std::string current_;
    std::string detail_;
    std::deque<std::string> recent_;
    std::map<std::string, int> counts_;
};

}  // namespace torsion::random_use
