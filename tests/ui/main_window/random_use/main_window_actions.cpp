// The random user's actions on the main window: typing, switches, list choices, the
// history slots, case files, the clipboard, and sequences a designer would type.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "tests/ui/main_window/random_use/session.h"
#include "ui/main_window/history_grid.h"

namespace torsion::random_use {

// ---- main window -----------------------------------------------------------------

void RandomSession::typeMainBox() {
    const char* names[] = {"Edit4",  "Edit5",  "Edit6",  "Edit7", "Edit12", "Edit13", "Edit18",
                           "Edit19", "Edit18", "Edit19", "Edit8", "Edit9",  "Edit10", "Edit11"};
    const QString name = QString::fromLatin1(names[rng_() % std::size(names)]);
    QLineEdit* box = mainChild(name);
    detail_ = " " + name.toStdString();
    if (box == nullptr || !box->isEnabled()) return;  // a disabled box takes no typing
    if (active_) box->setFocus(Qt::MouseFocusReason);
    typeInto(box, HostileText(rng_));
    // A result box typed over no longer shows the calculation.
    if (QStringList{QStringLiteral("Edit8"), QStringLiteral("Edit9"), QStringLiteral("Edit10"),
                    QStringLiteral("Edit11")}
            .contains(name))
        calculated_.reset();
    const int after = static_cast<int>(rng_() % 10);
    if (after < 4) {
        QTest::keyClick(box, Qt::Key_Return);
    } else if (after < 7 && active_) {
        QWidget* other = mainChild<QWidget>(pick({QStringLiteral("Edit12"), QStringLiteral("Edit13"),
                                                  QStringLiteral("BitBtn2"), QStringLiteral("Edit8")}));
        other->setFocus(Qt::TabFocusReason);
    }
}

void RandomSession::leaveBox() {
    if (chance(50))
        main_->Edit18Exit();
    else
        main_->Edit19Exit();
}

void RandomSession::calculate() {
    const auto errors = dialogs_.errors.size();
    QTest::mouseClick(mainChild<QPushButton>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    auto* list = mainChild<QListWidget>(QStringLiteral("ListBox1"));
    if (list->count() > 0 && main_->cases()[0].springConst != 0) ++calculationsChecked_;
    noteCalculation(errors);
}
// After a calculation without error the window shows it. Its lists are those of the
// table at start-up: after the editor changed the table (a restart is asked for),
// the lists and the table differ and nothing is checked.
void RandomSession::noteCalculation(qsizetype errorsBefore) {
    calculated_.reset();
    const Bytes table = MaterialBytes(materials_);
    if (dialogs_.errors.size() != errorsBefore || table != listedTable_) return;
    // On a damaged table the wire list, refilled after the calculation, may show
    // another diameter than the one calculated (an open fault, counted in the
    // summary): nothing on screen is then checked against it.
    try {
        if (ParseNumber(mainChild<QComboBox>(QStringLiteral("ComboBox6"))->currentText().toStdString()) !=
            main_->cases()[0].wireDia) {
            ++wireListMoved_;
            return;
        }
    } catch (const CommandError&) {
        ++wireListMoved_;
        return;
    }
    calculated_ = SnapshotOf(*main_);
    calculatedTable_ = table;
}
void RandomSession::diameterSwitch() {
    QTest::mouseClick(mainChild<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
}
void RandomSession::angleLoadSwitch() {
    menuItem("dlcheng")->trigger();
    calculated_.reset();  // the shown numbers are now read the other way round
}
void RandomSession::switchUnit() {
    menuItem(main_->unitSystem() == UnitSystem::SI ? "UnitKgf" : "UnitSI")->trigger();
}

void RandomSession::toggleCheckBox() {
    QCheckBox* box = mainChild<QCheckBox>(chance(50) ? QStringLiteral("soto") : QStringLiteral("hidari"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

void RandomSession::chooseListEntry() {
    QComboBox* list = mainChild<QComboBox>(
        pick({QStringLiteral("ComboBox5"), QStringLiteral("ComboBox7"), QStringLiteral("ComboBox6")}));
    detail_ = " " + list->objectName().toStdString();
    if (chance(50) && list->count() > 0) {
        list->setCurrentIndex(static_cast<int>(rng_() % list->count()));
    } else {
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        QTest::keyClick(list, keys[rng_() % std::size(keys)]);
    }
}

void RandomSession::applyRecommended() {
    QTest::mouseClick(
        mainChild<QToolButton>(chance(50) ? QStringLiteral("SpeedButton7") : QStringLiteral("SpeedButton1")),
        Qt::LeftButton);
}

void RandomSession::typeSlotNumber() {
    auto* spin = mainChild<QSpinBox>(QStringLiteral("SpinEdit1"));
    QLineEdit* text = spin->findChild<QLineEdit*>();
    const QString typed =
        pick({QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("31"),
              QStringLiteral("-5"), QStringLiteral("x"), QString(), QStringLiteral("2147483648"),
              QStringLiteral(" 7 "), QString::number(1 + rng_() % 30), QString::number(1 + rng_() % 30)});
    detail_ = " '" + typed.toStdString() + "'";
    if (chance(50)) {
        text->setText(typed);  // as typed, before the spin box corrects it
    } else {
        text->selectAll();
        if (!typed.isEmpty()) QTest::keyClicks(text, typed);
    }
    if (chance(30)) QTest::keyClick(spin, chance(50) ? Qt::Key_Up : Qt::Key_Down);
    if (chance(30) && active_) {
        spin->setFocus(Qt::MouseFocusReason);
        mainChild<QWidget>(QStringLiteral("Edit12"))->setFocus(Qt::TabFocusReason);
    }
}

void RandomSession::store() {
    // What the window shows of a case calculated without error is kept to compare
    // with its recall.
    checkVisible();
    const std::optional<int> slot = shownSlot();
    QTest::mouseClick(mainChild<QToolButton>(QStringLiteral("SpeedButton5")), Qt::LeftButton);
    if (!slot) return;
    stored_.erase(*slot);
    if (calculated_ && slotBytes(*slot) == slotBytes(0))
        stored_[*slot] = {SnapshotOf(*main_), slotBytes(*slot), MaterialBytes(materials_)};
}
void RandomSession::recall() {
    const std::optional<int> slot = shownSlot();
    QTest::mouseClick(mainChild<QToolButton>(QStringLiteral("SpeedButton6")), Qt::LeftButton);
    if (slot) checkRecalled(*slot);
}

void RandomSession::clickGrid() {
    auto* grid = mainChild<HistoryGrid>(QStringLiteral("sg1"));
    if (chance(70)) {
        const int row = static_cast<int>(rng_() % grid->rowCount());
        const int col = static_cast<int>(rng_() % grid->columnCount());
        detail_ = " row " + std::to_string(row) + " col " + std::to_string(col);
        const QModelIndex index = grid->model()->index(row, col);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
        // Only a click on the slot's row recalls it (not one on the fixed column).
        if (row >= 2 && grid->currentRow() == row && grid->currentColumn() == col) checkRecalled(row - 1);
    } else {
        if (active_) grid->setFocus(Qt::TabFocusReason);
        const Qt::Key keys[] = {Qt::Key_Down,     Qt::Key_Up,     Qt::Key_Left, Qt::Key_Right,
                                Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
        QTest::keyClick(grid, keys[rng_() % std::size(keys)]);
    }
}

void RandomSession::switchPage() {
    auto* pages = mainChild<QTabWidget>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(static_cast<int>(rng_() % 2));
}

QString RandomSession::caseFileName() {
    switch (rng_() % 8) {
        case 0:
            return QString();  // cancelled
        case 1:
            return path(QStringLiteral("no-such-folder/x.nbd"));
        case 2:
            return path(QStringLiteral("plainfile/x.nbd"));
        case 3:
            return path(QStringLiteral("adir"));
        case 4:
            return path(QStringLiteral("ケース 1.nbd"));
        case 5:
            return path(QStringLiteral("case1"));
        default:
            return path(QStringLiteral("case%1.nbd").arg(rng_() % 3));
    }
}

void RandomSession::readCaseFile() {
    QString name;
    if (chance(60)) {
        name = path(QStringLiteral("damaged%1.nbd").arg(rng_() % 4));
        WriteBytes(name, DamagedCaseFile(rng_, main_->cases()));
    } else {
        name = caseFileName();
    }
    readCaseFileNamed(name);
}

// The first min(size, 6944) bytes of a readable file replace the table's; a file
// that cannot be read changes nothing and is reported.
void RandomSession::readCaseFileNamed(const QString& name, QAction* command) {
    detail_ += " " + QFileInfo(name).fileName().toStdString();
    const Bytes before = CaseBytes(main_->cases());
    const std::optional<Bytes> file = name.isEmpty() ? std::nullopt : FileBytes(name);
    const int errors = static_cast<int>(dialogs_.errors.size());
    if (command != nullptr) {
        command->trigger();  // a recent file: no dialog
    } else {
        if (!name.isEmpty()) dialogs_.openNames.push_back(name);
        menuItem("Edit2")->trigger();
    }
    calculated_.reset();  // the window shows the case read, with the results it holds
    const Bytes after = CaseBytes(main_->cases());
    if (file) {
        Bytes expected = before;
        std::copy_n(file->begin(), std::min(file->size(), expected.size()), expected.begin());
        // A file without a current case (slot 0 unused) keeps the one shown.
        if (DecodeDesignCase(expected.data()).used == 0)
            std::copy_n(before.begin(), kDesignCaseSize, expected.begin());
        if (after != expected) fail("reading a case file did not copy it over the table");
        if (dialogs_.errors.size() != errors) fail("reading a readable case file reported an error");
        // What was just read is in its file.
        if (file->size() >= kCaseTableSize && main_->historyUnsaved())
            fail("a history just read from a whole file counts as unsaved");
    } else {
        if (after != before) fail("a case file that could not be read changed the table");
        if (!name.isEmpty() && dialogs_.errors.size() != errors + 1)
            fail("an unreadable case file was not reported");
    }
}

void RandomSession::saveCaseFile() {
    const QString name = caseFileName();
    detail_ = " " + QFileInfo(name).fileName().toStdString();
    const std::optional<Bytes> before = name.isEmpty() ? std::nullopt : FileBytes(name);
    const int errors = static_cast<int>(dialogs_.errors.size());
    if (!name.isEmpty()) dialogs_.saveNames.push_back(name);
    menuItem("N3")->trigger();
    if (name.isEmpty()) return;
    const std::optional<Bytes> after = FileBytes(name);
    if (dialogs_.errors.size() == errors) {
        if (after != CaseBytes(main_->cases())) fail("a save reported no error but the file differs");
        // Reading the file back gives the same table, byte for byte.
        const Bytes saved = CaseBytes(main_->cases());
        readCaseFileNamed(name);
        if (CaseBytes(main_->cases()) != saved) fail("save then read changed the table");
    } else if (after != before) {
        fail("a failed save changed the file");
    }
}

void RandomSession::copy() {
    if (chance(50)) {
        menuItem("N2")->trigger();
        const QString text = QGuiApplication::clipboard()->text();
        auto* grid = mainChild<HistoryGrid>(QStringLiteral("sg1"));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        if (lines.size() != grid->rowCount() + 1 || !lines.takeLast().isEmpty())
            fail("the copied history does not have one line per grid row");
        else if (std::any_of(lines.begin(), lines.end(), [grid](const QString& line) {
                     return line.count(u'\t') != grid->columnCount() - 1;
                 }))
            fail("a line of the copied history does not have one field per grid column");
    } else {
        menuItem("N4")->trigger();
    }
}

void RandomSession::fillPrintPage() {
    printPage_->fillFrom(main_->cases()[0]);
    if (chance(30)) printPage_->grab();
}

void RandomSession::paint() {
    main_->grab();
}

void RandomSession::tryClose() {
    // Cancelled or answered with a save that is cancelled: the window stays. A
    // completed save or "no" closes it; it is then shown again.
    const int answer = static_cast<int>(rng_() % 4);
    if (answer == 0) dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::Cancel);
    if (answer == 1) dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::Yes);  // save cancelled
    if (answer == 2) {
        dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::Yes);
        dialogs_.saveNames.push_back(path(QStringLiteral("closing.nbd")));
    }
    if (answer == 3) dialogs_.yesNoCancelAnswers.push_back(Dialogs::Answer::No);
    const bool unsaved = main_->historyUnsaved();
    const bool closed = main_->close();
    if (closed && unsaved && answer < 2) fail("the window closed although the question was not answered");
    if (!closed && !unsaved) fail("the window stayed open with nothing unsaved");
    if (closed) activate();
}

// A spring typed as a designer would, key by key, and calculated.
void RandomSession::typeSpring() {
    const auto number = [this](int from, int to) { return QString::number(from + rng_() % (to - from + 1)); };
    const bool anglesGiven = mainChild(QStringLiteral("Edit4"))->isEnabled();
    const std::pair<const char*, QString> boxes[] = {
        {"Edit18", number(4, 30)},
        {"Edit12", number(5, 40)},
        {"Edit13", number(5, 40)},
        {anglesGiven ? "Edit4" : "Edit6", number(1, 20)},
        {anglesGiven ? "Edit5" : "Edit7", number(21, 60)},
    };
    for (const auto& [name, text] : boxes) TypeOver(mainChild(QString::fromLatin1(name)), text);
    calculate();
}

// A case stored, another calculated, the first recalled: the window shows the first
// again, captions included.
void RandomSession::storeChangeRecall() {
    calculate();
    store();
    if (chance(50))
        chooseListEntry();
    else
        typeMainBox();
    calculate();
    recall();
}

// A number typed in full-width digits, key by key (one input-method commit per
// character), then "計算": the box holds its half-width digits and the results follow.
void RandomSession::fullWidthDigits() {
    const QString name = pick({QStringLiteral("Edit18"), QStringLiteral("Edit19"), QStringLiteral("Edit4"),
                               QStringLiteral("Edit5"), QStringLiteral("Edit12")});
    QLineEdit* box = mainChild(name);
    if (!box->isEnabled()) return;
    const QString half = QString::number(1 + rng_() % 400 / 8.0);
    QString full;
    for (const QChar ch : half) full += ch == u'.' ? QChar(u'．') : QChar(ch.unicode() - u'0' + u'０');
    detail_ = " " + name.toStdString();
    if (active_) box->setFocus(Qt::MouseFocusReason);
    typeInto(box, full);
    if (box->text() != half)
        fail("'" + full.toStdString() + "' typed shows '" + box->text().toStdString() + "'");
    calculate();
}

}  // namespace torsion::random_use
