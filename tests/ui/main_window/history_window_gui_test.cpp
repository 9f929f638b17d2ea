// History commands of the main window with the generated default material table:
// store and recall, grid click recall, case files, the clipboard copy and the
// question before closing with unsaved history.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "core/model/design_case.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/test_cases.h"
#include "tests/support/test_files.h"
#include "tests/support/visible_state.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A case that a calculation could have left, marked used, with recognisable numbers.
DesignCase FileCase(double turns) {
    DesignCase c = SampleCase();
    c.wireDiaIndex = 22;
    c.meanDia = 10;
    c.innerDia = 9;
    c.outerDia = 11;
    c.diaMode = 1;
    c.turns = c.calcTurns = turns;
    c.angle2 = 60;
    c.inputMode = 1;
    return c;
}

class HistoryWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"zaidat.dst", "keisuu.dat"}) {
            const QString from = QDir(QStringLiteral(TS_DATA_DIR)).filePath(QString::fromLatin1(name));
            ASSERT_TRUE(QFile::copy(from, path(QString::fromLatin1(name)))) << name;
        }
        window = std::make_unique<Tf_vek>(materials, kinds, coefficients, dialogs, folder.path());
        grid = window->findChild<HistoryGrid*>(QStringLiteral("sg1"));
        spin = window->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
        ASSERT_NE(grid, nullptr);
        ASSERT_NE(spin, nullptr);
        ASSERT_EQ(dialogs.messageCount(), 0) << dialogs.errors.join("|").toStdString();
    }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QLineEdit* edit(const char* name) const {
        return window->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return edit(name)->text(); }
    void setText(const char* name, const QString& value) const {
        QLineEdit* box = edit(name);
        box->selectAll();
        QTest::keyClicks(box, value);
    }
    void press(const char* button) const {
        QTest::mouseClick(window->findChild<QToolButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    void calculate() const {
        QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    }
    void menu(const char* action) const {
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    // The slot number as typed, before the spin box corrects it.
    void typeSlot(const QString& typed) const { spin->findChild<QLineEdit*>()->setText(typed); }
    void store(int slot) const {
        spin->setValue(slot);
        press("SpeedButton5");
    }
    QStringList row(int r) const {
        QStringList cells;
        for (int c = 0; c < 15; ++c) cells << grid->cellText(r, c);
        return cells;
    }
    static QStringList emptyRow(int slot) {
        QStringList cells(15, QString());
        cells[0] = QString::number(slot);
        return cells;
    }
    QStringList allRows() const {
        QStringList rows;
        for (int r = 0; r < grid->rowCount(); ++r) rows << row(r).join('\t');
        return rows;
    }
    // The result boxes and inputs that show a case.
    QStringList shownCase() const {
        QStringList texts;
        for (const char* name : {"Edit18", "Edit19", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                                 "Edit10", "Edit11", "Edit12", "Edit13"})
            texts << text(name);
        texts << window->findChild<QComboBox*>(QStringLiteral("ComboBox6"))->currentText();
        return texts;
    }
    Bytes tableBytes() const { return EncodeCaseTable(window->cases()); }
    void clickCell(int r, int c) const {
        grid->scrollToItem(grid->item(r, c));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(r, c)).center());
    }
    void writeCaseFile(const QString& name, const CaseTable& table) const {
        WriteBytes(path(name), EncodeCaseTable(table));
    }
    void readCaseFile(const QString& name) {
        dialogs.openNames.push_back(path(name));
        menu("Edit2");
    }

    QTemporaryDir folder;
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    FakeDialogs dialogs;
    std::unique_ptr<Tf_vek> window;
    HistoryGrid* grid = nullptr;
    QSpinBox* spin = nullptr;
};

}  // namespace

TEST_F(HistoryWindowTest, StartUpSizesTheGridAndRecallFindsNothing) {
    EXPECT_EQ(grid->rowCount(), 32);
    EXPECT_EQ(spin->maximum(), 30);
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(grid->cellText(0, 1), "材質");
    EXPECT_EQ(grid->cellText(31, 0), "30");
    for (int slot = 1; slot <= 30; ++slot) EXPECT_EQ(row(slot + 1), emptyRow(slot));

    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    setText("Edit19", "7");  // typed only: a recall would overwrite it
    const QStringList before = shownCase();
    const Bytes current = tableBytes();
    for (int slot = 1; slot <= 30; ++slot) {
        spin->setValue(slot);
        press("SpeedButton6");
    }
    clickCell(5, 3);
    clickCell(12, 8);
    EXPECT_EQ(shownCase(), before);
    EXPECT_EQ(tableBytes(), current);
    EXPECT_EQ(dialogs.messageCount(), 0);
}

TEST_F(HistoryWindowTest, StoredCaseRowMatchesTheWindowAndButtonRecallRestoresIt) {
    calculate();
    const QStringList stored = shownCase();
    store(5);
    const QStringList cells = row(6);
    EXPECT_EQ(cells[0], "5");
    EXPECT_EQ(cells[1], "SWP-B");
    EXPECT_EQ(cells[2], window->findChild<QComboBox*>(QStringLiteral("ComboBox6"))->currentText());
    EXPECT_EQ(cells[3], "10");  // mean diameter
    EXPECT_EQ(cells[4], text("Edit19"));
    EXPECT_EQ(cells.mid(5, 10),
              QStringList({text("Edit12"), text("Edit13"), text("Edit6"), text("Edit7"), text("Edit4"),
                           text("Edit5"), text("Edit8"), text("Edit9"), text("Edit11"), text("Edit10")}));
    EXPECT_FALSE(cells[14].isEmpty());
    EXPECT_EQ(row(5), emptyRow(4));
    EXPECT_EQ(row(7), emptyRow(6));

    setText("Edit19", "2.5");
    setText("Edit5", "50");
    calculate();
    ASSERT_NE(shownCase(), stored);
    spin->setValue(5);
    press("SpeedButton6");
    EXPECT_EQ(shownCase(), stored);
    EXPECT_EQ(window->cases()[0].turns, window->cases()[5].turns);
    EXPECT_EQ(row(6), cells);  // the slot itself is unchanged
}

// Storing into a used slot asks first; "いいえ" keeps the stored case.
TEST_F(HistoryWindowTest, StoringTwiceIntoOneSlotAsksAndKeepsOnlyTheSecondCase) {
    calculate();
    store(5);
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    const QStringList first = row(6);
    setText("Edit19", "4");
    calculate();
    dialogs.confirmAnswers = {false};
    store(5);
    EXPECT_EQ(dialogs.confirmations,
              QStringList{QStringLiteral("番号 5 には計算結果が記憶されています。上書きしますか？")});
    EXPECT_EQ(row(6), first);
    store(5);  // answered "はい"
    EXPECT_NE(row(6), first);
    EXPECT_EQ(row(6)[4], "4");
    for (int slot = 1; slot <= 30; ++slot)
        if (slot != 5) {
            EXPECT_EQ(row(slot + 1), emptyRow(slot));
        }
}

TEST_F(HistoryWindowTest, OuterDiameterCaseShowsTheMeanDiameter) {
    // The diameter button switches from mean to outer diameter.
    QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    ASSERT_EQ(window->cases()[0].diaMode, 2);
    setText("Edit18", "12");
    calculate();
    ASSERT_EQ(window->cases()[0].wireDia, 1.0);
    store(1);
    EXPECT_EQ(grid->cellText(2, 3), "11");
}

TEST_F(HistoryWindowTest, TypedSlotNumberOutsideTheHistoryTouchesNoSlot) {
    calculate();
    store(2);
    const Bytes before = tableBytes();
    const QStringList shown = shownCase();
    for (const QString& typed : {QStringLiteral("0"), QStringLiteral("31"), QStringLiteral("45"),
                                 QStringLiteral("-3"), QStringLiteral("99999999999")}) {
        typeSlot(typed);
        press("SpeedButton5");
        typeSlot(typed);
        press("SpeedButton6");
        const Bytes after = tableBytes();
        for (std::size_t i = 0; i < after.size(); ++i)
            ASSERT_EQ(after[i], before[i]) << typed.toStdString() << " byte " << i;
    }
    EXPECT_EQ(shownCase(), shown);
    EXPECT_EQ(dialogs.messageCount(), 0);

    // A text that is no integer counts as slot 1.
    typeSlot(QString());
    press("SpeedButton5");
    EXPECT_EQ(row(2)[1], "SWP-B");
    EXPECT_EQ(std::memcmp(&tableBytes()[224], &tableBytes()[0], 224), 0);
}

TEST_F(HistoryWindowTest, LeavingTheSlotBoxPullsATypedNumberToTheNearestSlot) {
    spin->setValue(7);
    for (const auto& [typed, corrected] :
         {std::pair{QStringLiteral("0"), 1}, std::pair{QStringLiteral("00"), 1}, std::pair{QString(), 1}}) {
        spin->setValue(7);
        typeSlot(typed);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(spin, &leave);
        EXPECT_EQ(spin->value(), corrected) << typed.toStdString();
        EXPECT_EQ(spin->text(), QString::number(corrected)) << typed.toStdString();
    }
}

TEST_F(HistoryWindowTest, GridClickAndArrowKeysRecallOnlyUsedSlots) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    calculate();
    const QStringList first = shownCase();
    store(3);
    setText("Edit19", "3");
    calculate();
    const QStringList second = shownCase();
    store(5);
    setText("Edit19", "9");
    calculate();
    const QStringList third = shownCase();

    clickCell(4, 0);  // slot number column
    clickCell(0, 6);  // headings
    clickCell(1, 6);  // units
    clickCell(5, 6);  // empty slot 4
    EXPECT_EQ(shownCase(), third);

    clickCell(4, 6);
    EXPECT_EQ(shownCase(), first);
    // Clicking the current cell again recalls again.
    setText("Edit19", "11");
    clickCell(4, 6);
    EXPECT_EQ(shownCase(), first);

    // Down twice: slot 4 (empty, nothing) then slot 5.
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(shownCase(), first);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(shownCase(), second);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(shownCase(), first);
}

TEST_F(HistoryWindowTest, ClickRecallSelectsTheStoredWireDiameter) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* diameters = window->findChild<QComboBox*>(QStringLiteral("ComboBox6"));
    const int two = diameters->findText("2");
    ASSERT_GE(two, 0);
    diameters->setCurrentIndex(two);
    calculate();
    store(1);
    EXPECT_EQ(grid->cellText(2, 2), "2");
    diameters->setCurrentIndex(diameters->findText("1"));
    calculate();
    clickCell(2, 4);
    EXPECT_EQ(diameters->currentText(), "2");
    EXPECT_EQ(window->cases()[0].wireDia, 2.0);
    EXPECT_EQ(dialogs.errors, QStringList());
}

TEST_F(HistoryWindowTest, ButtonRecallTakesAnyUsedValueButTheGridOnlyOne) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    CaseTable file = window->cases();
    DesignCase odd = FileCase(6);
    odd.used = 2;
    file[4] = odd;
    writeCaseFile("odd.nbd", file);
    readCaseFile("odd.nbd");
    EXPECT_EQ(row(5), emptyRow(4));  // not shown as a stored case

    const QStringList before = shownCase();
    clickCell(5, 4);
    EXPECT_EQ(shownCase(), before);
    spin->setValue(4);
    press("SpeedButton6");
    EXPECT_EQ(text("Edit19"), "6");
    EXPECT_EQ(window->cases()[0].used, 2);
    // Stored from a current case whose used is not 1, a slot shows an empty row.
    store(9);
    EXPECT_EQ(row(10), emptyRow(9));
    EXPECT_EQ(window->cases()[9].used, 2);
}

TEST_F(HistoryWindowTest, ForeignSlotValuesAreShownRecalledAndCopiedSafely) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CaseTable file{};
    file[0] = window->cases()[0];
    DesignCase foreign = FileCase(5);
    foreign.materialNo = 99;
    foreign.lifeClass = -5;
    foreign.wireDiaIndex = 9999;
    foreign.diaMode = 7;
    foreign.springConst = nan;
    foreign.stress1 = nan;
    foreign.stress2 = std::numeric_limits<double>::infinity();
    file[4] = foreign;
    DesignCase negative = FileCase(8);
    negative.materialNo = -2147483647 - 1;
    negative.lifeClass = 2147483647;
    negative.wireDiaIndex = -5;
    negative.diaMode = -1;
    file[6] = negative;
    writeCaseFile("foreign.nbd", file);
    readCaseFile("foreign.nbd");
    EXPECT_EQ(row(5), QStringList({"4", "", "1", "10", "5", "15", "20", "1.235E4", "1E4", "30", "60", "", "",
                                   "1019", ""}));
    EXPECT_EQ(row(7)[1], "");
    EXPECT_EQ(row(7)[14], "");

    clickCell(5, 3);
    EXPECT_EQ(text("Edit19"), "5");
    EXPECT_EQ(text("Edit8"), "");
    EXPECT_EQ(text("Edit9"), "");
    spin->setValue(6);
    press("SpeedButton6");
    EXPECT_EQ(text("Edit19"), "8");
    clickCell(7, 2);
    EXPECT_EQ(text("Edit19"), "8");

    menu("N2");
    const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(lines.size(), 33);
    EXPECT_EQ(lines[5], row(5).join('\t'));
    EXPECT_EQ(dialogs.errors, QStringList());
}

TEST_F(HistoryWindowTest, SaveRightAfterStartUpWritesCurrentCaseAndEmptySlots) {
    dialogs.saveNames.push_back(path("nspring.nbd"));
    menu("N3");
    EXPECT_EQ(dialogs.saveFilters, QStringList({"ねじりばねデーター|*.nbd|設計ファイル|*.nbdx"}));
    EXPECT_EQ(dialogs.saveInitialNames, QStringList({"nspring.nbd"}));
    const Bytes bytes = ReadBytes(path("nspring.nbd"));
    ASSERT_EQ(bytes.size(), 6944u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
    EXPECT_EQ(Bytes(bytes.begin() + 224, bytes.end()), Bytes(6720, 0));
    const Bytes table = tableBytes();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 224), Bytes(table.begin(), table.begin() + 224));

    // The next save starts from the last name; a name without extension stays so.
    dialogs.saveNames.push_back(path("case1"));
    menu("N3");
    EXPECT_EQ(dialogs.saveInitialNames.value(1), path("nspring.nbd"));
    EXPECT_TRUE(QFile::exists(path("case1")));
    EXPECT_FALSE(QFile::exists(path("case1.nbd")));
    EXPECT_EQ(ReadBytes(path("case1")).size(), 6944u);
    EXPECT_EQ(dialogs.errors, QStringList());
}

TEST_F(HistoryWindowTest, SaveTakesTheWindowInputsFirstAndStopsAtABadNumber) {
    setText("Edit19", "4.5");  // typed, not calculated
    dialogs.saveNames.push_back(path("typed.nbd"));
    menu("N3");
    CaseTable saved{};
    OverlayCaseTable(saved, ReadBytes(path("typed.nbd")));
    EXPECT_EQ(saved[0].turns, 4.5);

    setText("Edit19", "abc");
    dialogs.saveNames.push_back(path("bad.nbd"));
    menu("N3");
    EXPECT_EQ(dialogs.errors, QStringList({"'abc' は浮動小数点数ではありません"}));
    EXPECT_EQ(dialogs.saveFilters.size(), 1);  // no second dialog
    EXPECT_FALSE(QFile::exists(path("bad.nbd")));

    // A cancelled dialog writes nothing; a folder that does not exist gives the create error.
    setText("Edit19", "4.5");
    menu("N3");
    const QString missing = path("no-such-folder/x.nbd");
    dialogs.saveNames.push_back(missing);
    menu("N3");
    EXPECT_EQ(dialogs.errors.value(1), "ファイル " + missing + " を作成できません");
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(HistoryWindowTest, SavedFileReadsBackByteForByte) {
    calculate();
    store(1);
    setText("Edit19", "3");
    calculate();
    store(4);
    store(30);
    dialogs.saveNames.push_back(path("all.nbd"));
    menu("N3");
    const Bytes saved = tableBytes();
    const QStringList rows = allRows();
    EXPECT_EQ(ReadBytes(path("all.nbd")), saved);

    setText("Edit19", "6");
    calculate();
    store(2);
    store(4);
    readCaseFile("all.nbd");
    EXPECT_EQ(tableBytes(), saved);
    EXPECT_EQ(allRows(), rows);
    // No name yet; the folder the history was saved in.
    EXPECT_EQ(dialogs.openInitialNames, QStringList({folder.path() + "/"}));
    EXPECT_EQ(dialogs.openFilters, QStringList({"ねじりばねデーター|*.nbd;*.nbdx"}));
    readCaseFile("all.nbd");
    EXPECT_EQ(dialogs.openInitialNames.value(1), path("all.nbd"));
}

TEST_F(HistoryWindowTest, ReadReplacesOnlyTheBytesTheFileHolds) {
    calculate();
    for (int slot = 1; slot <= 5; ++slot) store(slot);
    const QStringList shown = shownCase();

    CaseTable file{};
    file[2] = FileCase(2);
    file[3] = FileCase(3);
    writeCaseFile("two.nbd", file);
    readCaseFile("two.nbd");
    EXPECT_EQ(row(2), emptyRow(1));
    EXPECT_EQ(row(3)[4], "2");
    EXPECT_EQ(row(4)[4], "3");
    EXPECT_EQ(row(5), emptyRow(4));
    EXPECT_EQ(row(6), emptyRow(5));
    // The history is the file's; without a current case in the file the window's stays.
    file[0] = window->cases()[0];
    EXPECT_EQ(tableBytes(), EncodeCaseTable(file));
    EXPECT_EQ(shownCase(), shown);

    CaseTable late{};
    for (int slot = 25; slot <= 30; ++slot) late[static_cast<std::size_t>(slot)] = FileCase(slot);
    writeCaseFile("late.nbd", late);
    readCaseFile("late.nbd");
    for (int slot = 1; slot <= 24; ++slot) EXPECT_EQ(row(slot + 1), emptyRow(slot));
    for (int slot = 25; slot <= 30; ++slot) EXPECT_EQ(row(slot + 1)[4], QString::number(slot));
}

// The current case of a file replaces the one shown, its diameter and input modes too:
// the window shows it, and "計算" calculates the spring shown.
TEST_F(HistoryWindowTest, ReadShowsTheFilesCurrentCaseAndCalculatesIt) {
    calculate();
    CaseTable file{};
    file[0] = FileCase(3);
    file[0].diaMode = 0;  // inner diameter 9 typed
    file[0].inputMode = 0;
    file[0].moment1 = 1;
    file[0].moment2 = 2;
    writeCaseFile("inner.nbd", file);
    readCaseFile("inner.nbd");
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label48"))->text(), QStringLiteral("内径"));
    EXPECT_EQ(text("Edit18"), QStringLiteral("9"));
    EXPECT_EQ(text("Edit19"), QStringLiteral("3"));
    EXPECT_EQ(text("Edit7"), QStringLiteral("2"));
    EXPECT_TRUE(edit("Edit7")->isEnabled());
    EXPECT_FALSE(edit("Edit5")->isEnabled());
    calculate();
    EXPECT_EQ(window->cases()[0].innerDia, 9);
    EXPECT_EQ(window->cases()[0].meanDia, 10);
    EXPECT_EQ(window->cases()[0].moment2, 2);
    EXPECT_EQ(ResultsDisagreeing(*window, true), QStringList{});
}

TEST_F(HistoryWindowTest, ShortLongAndZeroFiles) {
    calculate();
    store(1);
    store(2);
    const QStringList rows = allRows();
    const Bytes before = tableBytes();

    // 224 bytes: slot 0 only.
    Bytes slot0(224, 0);
    DesignCase c = FileCase(7);
    EncodeDesignCase(c, slot0.data());
    WriteBytes(path("one.nbd"), slot0);
    readCaseFile("one.nbd");
    EXPECT_EQ(allRows(), rows);
    Bytes expected = before;
    std::copy(slot0.begin(), slot0.end(), expected.begin());
    EXPECT_EQ(tableBytes(), expected);

    // A file ending inside slot 1 leaves the rest of that record as it was; its unused
    // current case leaves the one shown.
    Bytes cut(300, 0);
    WriteBytes(path("cut.nbd"), cut);
    readCaseFile("cut.nbd");
    std::fill(expected.begin() + kDesignCaseSize, expected.begin() + 300, 0);
    EXPECT_EQ(tableBytes(), expected);
    EXPECT_EQ(row(2), emptyRow(1));  // used of slot 1 is now 0
    EXPECT_EQ(row(3), rows[3].split('\t'));

    // 7000 bytes: the last 56 are ignored.
    CaseTable file{};
    file[9] = FileCase(9);
    Bytes longer = EncodeCaseTable(file);
    longer.resize(7000, 0xAB);
    WriteBytes(path("long.nbd"), longer);
    readCaseFile("long.nbd");
    file[0] = window->cases()[0];
    EXPECT_EQ(tableBytes(), EncodeCaseTable(file));
    EXPECT_EQ(row(10)[4], "9");

    // 6944 zeros: every row empty and no current case; the window's stays.
    WriteBytes(path("zero.nbd"), Bytes(6944, 0));
    const DesignCase current = window->cases()[0];
    const QStringList shown = shownCase();
    readCaseFile("zero.nbd");
    CaseTable zero{};
    zero[0] = current;
    EXPECT_EQ(tableBytes(), EncodeCaseTable(zero));
    for (int slot = 1; slot <= 30; ++slot) EXPECT_EQ(row(slot + 1), emptyRow(slot));
    EXPECT_EQ(shownCase(), shown);
    EXPECT_EQ(dialogs.errors, QStringList());
}

TEST_F(HistoryWindowTest, FailedOrCancelledReadKeepsTheTable) {
    calculate();
    store(3);
    const Bytes before = tableBytes();
    const QStringList rows = allRows();
    const QString missing = path("missing.nbd");
    dialogs.openNames.push_back(missing);
    menu("Edit2");
    EXPECT_EQ(dialogs.errors, QStringList({"ファイル " + missing + " は開けません"}));
    EXPECT_EQ(tableBytes(), before);
    EXPECT_EQ(allRows(), rows);

    // A cancelled read still draws every row again from its slot.
    window->cases()[8] = FileCase(8);
    menu("Edit2");
    EXPECT_EQ(row(9)[4], "8");
    EXPECT_EQ(tableBytes().size(), 6944u);
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(HistoryWindowTest, CopyAllDataPutsTheGridOnTheClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    menu("N2");
    QString expected =
        "項目\t材質\t線径\tｺｲﾙ径\t巻数(N)\t腕長(a1)\t腕長(a2)\t荷重(M1)\t荷重(M2)\t角度(φ1)\t角度(φ2)"
        "\tばね定数\t曲げ"
        "応力\t許容曲げ応力\t寿命\r\n"
        "単位\t\tmm\tmm\t巻\tmm\tmm\tkgf･mm\tkgf･mm\t度\t度\tkgf･mm/度\tkgf/mm^2\tkgf/mm^2\t回数\r\n";
    for (int slot = 1; slot <= 30; ++slot) expected += QString::number(slot) + QString(14, u'\t') + "\r\n";
    EXPECT_EQ(clipboard->text(), expected);

    CaseTable file{};
    file[0] = window->cases()[0];
    file[7] = FileCase(5.5);
    writeCaseFile("seven.nbd", file);
    readCaseFile("seven.nbd");
    menu("N2");
    const QString copied = clipboard->text();
    expected.replace("\r\n7" + QString(14, u'\t'),
                     "\r\n7\tSWP-B\t1\t10\t5.5\t15\t20\t1.235E4\t1E4\t30\t60\t0.1235\t20\t1019\t10万");
    EXPECT_EQ(copied.split("\r\n"), expected.split("\r\n"));
    menu("N2");
    EXPECT_EQ(clipboard->text(), copied);
    EXPECT_EQ(grid->cellText(8, 14), "10万");
}

TEST_F(HistoryWindowTest, ClosingWithUnsavedHistoryAsks) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    calculate();
    store(2);

    dialogs.yesNoCancelAnswers.push_back(Dialogs::Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.questions, QStringList({"履歴が保存されていません。保存しますか？"}));

    // Yes, then the save dialog is cancelled: nothing saved, the window stays.
    dialogs.yesNoCancelAnswers.push_back(Dialogs::Answer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.saveFilters.size(), 1);

    // Yes with a name: saved, then closed.
    dialogs.yesNoCancelAnswers.push_back(Dialogs::Answer::Yes);
    dialogs.saveNames.push_back(path("closing.nbd"));
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadBytes(path("closing.nbd")), tableBytes());
    EXPECT_FALSE(window->historyUnsaved());

    // Saved history closes without a question.
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs.questions.size(), 3);
}

TEST_F(HistoryWindowTest, ReadOpensWhereTheHistoryWasLastReadOrSaved) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    calculate();
    store(1);
    dialogs.saveNames.push_back(path("sub/saved.nbd"));
    menu("N3");
    menu("Edit2");  // cancelled
    EXPECT_EQ(dialogs.openInitialNames.last(), path("sub/"));
    // A file read elsewhere is proposed again; a save beside it keeps it proposed.
    writeCaseFile("other.nbd", window->cases());
    readCaseFile("other.nbd");
    dialogs.saveNames.push_back(path("beside.nbd"));
    menu("N3");
    menu("Edit2");
    EXPECT_EQ(dialogs.openInitialNames.last(), path("other.nbd"));
}

TEST_F(HistoryWindowTest, CloseQuestionFollowsStoresReadsAndSaves) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_FALSE(window->historyUnsaved());
    calculate();  // calculating alone stores nothing
    EXPECT_FALSE(window->historyUnsaved());

    // What was just read is saved in its file: reading again and closing ask nothing.
    CaseTable file{};
    file[0] = window->cases()[0];
    file[12] = FileCase(4);
    writeCaseFile("some.nbd", file);
    readCaseFile("some.nbd");
    EXPECT_FALSE(window->historyUnsaved());
    readCaseFile("some.nbd");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(window->close());

    // A store after the read is a change: "no" closes.
    window->show();
    store(3);
    EXPECT_TRUE(window->historyUnsaved());
    dialogs.yesNoCancelAnswers.push_back(Dialogs::Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs.questions.size(), 1);

    // A short file replaces only its first slots: the others stay unsaved.
    window->show();
    WriteBytes(path("first.nbd"), Bytes(224, 0));
    readCaseFile("first.nbd");  // asked first, answered "no"
    EXPECT_TRUE(window->historyUnsaved());

    // A save that fails keeps the window open and the history unsaved.
    store(1);
    setText("Edit19", "x");
    dialogs.yesNoCancelAnswers.push_back(Dialogs::Answer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->historyUnsaved());
    EXPECT_EQ(dialogs.errors, QStringList({"'x' は浮動小数点数ではありません"}));
    EXPECT_EQ(dialogs.saveFilters.size(), 0);

    // A read that empties every slot leaves nothing to lose.
    WriteBytes(path("zero.nbd"), Bytes(6944, 0));
    readCaseFile("zero.nbd");  // asked first, since slot 1 is not saved
    EXPECT_FALSE(window->historyUnsaved());
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs.questions.size(), 4);
}
