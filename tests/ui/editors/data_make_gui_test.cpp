// The material table editor on its real controls: showing and storing records,
// the end of the row list, row insert and delete, erase, the kind check, and
// loading and saving table files, with every failure path.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/base/number_text.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/test_files.h"
#include "ui/common/sjis.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"
#include "ui/main_window/vek.h"

using namespace torsion;

namespace {

constexpr int kFixed = Tdata_make::kFixedRows;

// The value that a 15-digit text of x reads back as: shows and stores unchanged.
double Exact(double x) {
    return ParseNumber(FormatFull(x));
}

void FillRows(MaterialRecord& r, int rows, int seed) {
    r.rowCount = rows;
    for (int j = 0; j < rows; ++j) {
        r.diameter[j] = Exact(0.1 * (j + 1) + 0.01 * seed);
        r.tensileStrength[j] = Exact(2500.0 - 13.7 * j - seed);
        r.allowTorsion[j] = Exact(r.tensileStrength[j] * 0.4);
        r.allowBending[j] = seed % 3 == 0 ? 0.0 : Exact(r.tensileStrength[j] * 0.7);
    }
}

// A table as a careful user would leave it: no empty record, at most eight
// records per kind, kinds from 0 without gaps, and bytes that no field shows
// (reserved bytes, bytes behind the string lengths) that are not zero.
MaterialTable ValidTable() {
    MaterialTable table{};
    const char* kinds[] = {"ピアノ線", "硬鋼線", "ステンレス鋼線", "オイルテンパー線"};
    for (int i = 0; i < kMaterialRecords; ++i) {
        MaterialRecord& r = table[static_cast<std::size_t>(i)];
        r.kindName.fill(static_cast<std::uint8_t>(0x40 + i));
        r.symbol.fill(static_cast<std::uint8_t>(0x90 + i));
        SetShortString(r.kindName, ToSjis(QString::fromUtf8(kinds[i / 8])));
        SetShortString(r.symbol, ToSjis(QStringLiteral("SWP-%1 記号").arg(i)));
        r.reserved = {static_cast<std::uint8_t>(i), 0xCC};
        r.kindNo = i / 8;
        r.shearModulus = Exact(78500 + i * 0.125);
        r.youngModulus = Exact(206000 - i * 1.1);
        r.torsionRatio = 40 + i;
        r.bendingRatio = -i;
        FillRows(r, i == 5 ? kMaterialRows : 1 + (i * 7) % kMaterialRows, i);
    }
    return table;
}

MaterialRecord EmptyRecordWithKind(std::int32_t kindNo) {
    MaterialRecord r{};
    r.kindNo = kindNo;
    return r;
}

class DataMakeTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void Open(const MaterialTable& start) {
        table = start;
        window = std::make_unique<Tdata_make>(table, dialogs);
        grid = window->findChild<QTableWidget*>(QStringLiteral("SG1"));
        ASSERT_NE(grid, nullptr);
    }
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    QString saveTable(const MaterialTable& t, const QString& name) {
        SaveMaterialTable(t, path(name).toStdString());
        return path(name);
    }
    QLineEdit* edit(const char* name) const { return window->findChild<QLineEdit*>(QString::fromUtf8(name)); }
    QSpinBox* kindBox() const { return window->findChild<QSpinBox*>(QStringLiteral("SE1")); }
    QListWidget* comments() const { return window->findChild<QListWidget*>(QStringLiteral("ListBox1")); }
    void click(const char* name) {
        auto* button = window->findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString cell(int dataRow, int column) const { return grid->item(dataRow + kFixed, column)->text(); }
    void setCell(int dataRow, int column, const QString& text) {
        grid->item(dataRow + kFixed, column)->setText(text);
    }
    void fillGridRow(int dataRow, double diameter) {
        setCell(dataRow, 1, QString::fromStdString(FormatFull(diameter)));
        for (int c = 2; c <= 4; ++c) setCell(dataRow, c, QStringLiteral("100"));
    }
    const MaterialRecord& record(int n) const { return table[static_cast<std::size_t>(n)]; }

    QTemporaryDir dir;
    MaterialTable table{};
    FakeDialogs dialogs;
    std::unique_ptr<Tdata_make> window;
    QTableWidget* grid = nullptr;
};

TEST_F(DataMakeTest, CreationWritesTheFixedGridAndShowsRecordZero) {
    Open(ValidTable());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("材料編集"));
    EXPECT_EQ(window->objectName(), QStringLiteral("data_make"));
    ASSERT_EQ(grid->rowCount(), 52);
    ASSERT_EQ(grid->columnCount(), 5);
    const int widths[] = {20, 54, 101, 100, 107};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(grid->columnWidth(c), widths[c]) << c;
    EXPECT_EQ(grid->rowHeight(0), 20);
    EXPECT_EQ(grid->rowHeight(51), 20);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("No"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("材料線径"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("引張り強さ"));
    EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("許容ねじり応力"));
    EXPECT_EQ(grid->item(0, 4)->text(), QStringLiteral("許容曲げ応力"));
    EXPECT_EQ(grid->item(1, 0)->text(), QString());
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("        mm"));
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(grid->item(1, c)->text(), QStringLiteral("           N/mm^2"));
    EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("0"));
    EXPECT_EQ(grid->item(51, 0)->text(), QStringLiteral("49"));
    // Header cells cannot be edited or selected; data cells can be edited.
    EXPECT_FALSE(grid->item(1, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(30, 0)->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(grid->item(30, 3)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ContiguousSelection);

    const MaterialRecord& r0 = record(0);
    EXPECT_EQ(edit("Edit7")->text(), QStringLiteral("0"));
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("ピアノ線"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("SWP-0 記号"));
    EXPECT_EQ(edit("Edit3")->text(), QStringLiteral("78500"));
    EXPECT_EQ(edit("Edit5")->text(), QStringLiteral("206000"));
    EXPECT_EQ(edit("Edit4")->text(), QString::number(r0.rowCount));
    EXPECT_EQ(edit("Edit10")->text(), QStringLiteral("40"));
    EXPECT_EQ(edit("Edit11")->text(), QStringLiteral("0"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("0.1"));
    EXPECT_EQ(cell(0, 4), QStringLiteral("0"));  // record 0 carries no allowable bending stress
    EXPECT_EQ(cell(1, 1), QStringLiteral("0"));  // after the end of the list
}

TEST_F(DataMakeTest, KindNumberChangesOnlyWithTheArrows) {
    Open(ValidTable());
    QSpinBox* box = kindBox();
    EXPECT_EQ(box->minimum(), 0);
    EXPECT_EQ(box->maximum(), 10);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("7"));
    EXPECT_EQ(box->value(), 0);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->value(), 2);
    click("BitBtn3");
    EXPECT_EQ(record(0).kindNo, 2);
}

TEST_F(DataMakeTest, OutputBoxesAreNeverReadBack) {
    Open(ValidTable());
    const int rows = record(0).rowCount;
    edit("Edit4")->setText(QStringLiteral("33"));
    edit("Edit7")->setText(QStringLiteral("5"));
    click("BitBtn3");
    EXPECT_EQ(window->editRecordNo(), 1);
    EXPECT_EQ(record(0).rowCount, rows);
}

TEST_F(DataMakeTest, LoadThenSaveWritesAValidTableBackByteForByte) {
    const QString source = saveTable(ValidTable(), QStringLiteral("source.dst"));
    const std::vector<std::uint8_t> original = ReadBytes(source);
    ASSERT_EQ(original.size(), kMaterialTableSize);
    Open(MaterialTable{});

    dialogs.openNames.push_back(source);
    click("BitBtn1");
    dialogs.saveNames.push_back(path(QStringLiteral("direct.dst")));
    click("BitBtn2");
    EXPECT_EQ(ReadBytes(path(QStringLiteral("direct.dst"))), original);

    // Walking through every record stores each one from the boxes and the grid.
    for (int i = 0; i < kMaterialRecords; ++i) click("BitBtn3");
    EXPECT_EQ(window->editRecordNo(), 29);
    dialogs.saveNames.push_back(path(QStringLiteral("walked.dst")));
    click("BitBtn2");
    EXPECT_EQ(ReadBytes(path(QStringLiteral("walked.dst"))), original);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    EXPECT_EQ(dialogs.informations,
              QStringList(2, QStringLiteral("材料特性を変更した場合は、ソフトを一度終了して下さい！")));
}

TEST_F(DataMakeTest, EditorLoadMarksEmptyRecordsButTheStartUpLoadDoesNot) {
    MaterialTable start = ValidTable();
    start[7] = EmptyRecordWithKind(0);
    start[8] = EmptyRecordWithKind(-1);
    const QString file = saveTable(start, QStringLiteral("with-empty.dst"));

    MaterialTable startUp{};
    LoadMaterialTable(startUp, file.toStdString());
    EXPECT_EQ(startUp[7].kindNo, 0);

    Open(MaterialTable{});
    click("BitBtn3");
    click("BitBtn3");
    ASSERT_EQ(window->editRecordNo(), 2);
    dialogs.openNames.push_back(file);
    click("BitBtn1");
    EXPECT_EQ(record(7).kindNo, kEmptyKindNo);
    EXPECT_EQ(record(8).kindNo, kEmptyKindNo);
    EXPECT_EQ(record(6).kindNo, 0);
    EXPECT_EQ(window->editRecordNo(), 0);
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("ピアノ線"));

    // A cancelled open still normalises and goes back to record 0.
    table[7].kindNo = 0;
    click("BitBtn3");
    click("BitBtn1");
    EXPECT_EQ(record(7).kindNo, kEmptyKindNo);
    EXPECT_EQ(window->editRecordNo(), 0);
    EXPECT_EQ(edit("Edit7")->text(), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DataMakeTest, TheRowListEndsAtTheFirstDiameterThatReadsExactlyZero) {
    Open(ValidTable());
    for (int i = 0; i < 16; ++i) fillGridRow(i, 0.5 * (i + 1));
    setCell(10, 1, QStringLiteral("0"));
    click("BitBtn3");
    const MaterialRecord& r = record(0);
    EXPECT_EQ(r.rowCount, 10);
    EXPECT_EQ(r.diameter[9], 5.0);
    for (int j = 10; j < kMaterialRows; ++j) {
        EXPECT_EQ(r.diameter[j], 0) << j;
        EXPECT_EQ(r.tensileStrength[j], 0) << j;
        EXPECT_EQ(r.allowTorsion[j], 0) << j;
        EXPECT_EQ(r.allowBending[j], 0) << j;
    }

    // "0.0" and " 0" are numbers of the list, not its end.
    click("BitBtn4");
    EXPECT_EQ(edit("Edit4")->text(), QStringLiteral("10"));
    fillGridRow(10, 0);
    setCell(10, 1, QStringLiteral("0.0"));
    fillGridRow(11, 0);
    setCell(11, 1, QStringLiteral(" 0"));
    setCell(12, 1, QStringLiteral("0"));
    click("BitBtn3");
    EXPECT_EQ(record(0).rowCount, 12);
    EXPECT_EQ(record(0).diameter[10], 0);
    EXPECT_EQ(record(0).tensileStrength[10], 100);
    EXPECT_EQ(record(0).tensileStrength[11], 100);
}

TEST_F(DataMakeTest, AllFiftyRowsFilledKeepFiftyRows) {
    MaterialTable start = ValidTable();
    FillRows(start[0], 49, 0);
    Open(start);
    fillGridRow(49, 9.75);
    click("BitBtn3");
    EXPECT_EQ(record(0).rowCount, 50);
    EXPECT_EQ(record(0).diameter[49], 9.75);
    click("BitBtn4");
    EXPECT_EQ(edit("Edit4")->text(), QStringLiteral("50"));
    EXPECT_EQ(cell(49, 1), QStringLiteral("9.75"));
}

TEST_F(DataMakeTest, InsertAtTheFirstAndLastGridRows) {
    const MaterialTable start = ValidTable();
    const MaterialRecord& full = start[5];  // 50 rows in use
    Open(start);
    for (int i = 0; i < 5; ++i) click("BitBtn3");
    ASSERT_EQ(window->editRecordNo(), 5);

    grid->setCurrentCell(kFixed + 49, 2);
    click("BitBtn6");
    EXPECT_EQ(record(5).diameter[48], full.diameter[48]);
    EXPECT_EQ(record(5).diameter[49], 0);
    EXPECT_EQ(cell(49, 3), QStringLiteral("0"));

    grid->setCurrentCell(kFixed, 1);
    click("BitBtn6");
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(cell(0, c), QStringLiteral("0")) << c;
    EXPECT_EQ(record(5).diameter[0], 0);
    for (int j = 1; j < kMaterialRows; ++j) {
        EXPECT_EQ(record(5).diameter[j], full.diameter[j - 1]) << j;
        EXPECT_EQ(record(5).allowBending[j], full.allowBending[j - 1]) << j;
    }

    // Typing a diameter into the new row keeps the list; leaving it "0" would end it.
    fillGridRow(0, 0.05);
    click("BitBtn3");
    EXPECT_EQ(record(5).rowCount, 50);
    EXPECT_EQ(record(5).diameter[0], 0.05);
    EXPECT_EQ(record(5).diameter[1], full.diameter[0]);
}

TEST_F(DataMakeTest, AnInsertedRowLeftAtZeroEndsTheListAtTheNextStore) {
    const MaterialTable start = ValidTable();
    Open(start);
    click("BitBtn3");  // record 1
    ASSERT_GT(record(1).rowCount, 3);
    grid->setCurrentCell(kFixed + 2, 1);
    click("BitBtn6");
    EXPECT_EQ(record(1).diameter[3], start[1].diameter[2]);
    click("BitBtn3");
    EXPECT_EQ(record(1).rowCount, 2);
    EXPECT_EQ(record(1).diameter[3], 0);
    EXPECT_EQ(record(1).diameter[1], start[1].diameter[1]);
}

TEST_F(DataMakeTest, DeleteAtTheFirstAndLastGridRows) {
    const MaterialTable start = ValidTable();
    const MaterialRecord& full = start[5];
    Open(start);
    for (int i = 0; i < 5; ++i) click("BitBtn3");

    grid->setCurrentCell(kFixed + 49, 1);
    click("BitBtn7");
    EXPECT_EQ(record(5).diameter[48], full.diameter[48]);
    EXPECT_EQ(record(5).diameter[49], 0);
    EXPECT_EQ(record(5).tensileStrength[49], 0);

    grid->setCurrentCell(kFixed, 4);
    click("BitBtn7");
    for (int j = 0; j < 48; ++j) {
        EXPECT_EQ(record(5).diameter[j], full.diameter[j + 1]) << j;
        EXPECT_EQ(record(5).allowTorsion[j], full.allowTorsion[j + 1]) << j;
    }
    EXPECT_EQ(record(5).diameter[48], 0);  // cleared by the first delete, moved up
    EXPECT_EQ(cell(48, 1), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DataMakeTest, InsertAndDeleteOnAHeaderRowOnlyStore) {
    const MaterialTable start = ValidTable();
    Open(start);
    edit("Edit3")->setText(QStringLiteral("80000"));
    grid->setCurrentItem(nullptr);
    click("BitBtn6");
    EXPECT_EQ(record(0).shearModulus, 80000);
    EXPECT_EQ(record(0).diameter, start[0].diameter);
    grid->setCurrentCell(1, 2);
    click("BitBtn7");
    EXPECT_EQ(record(0).diameter, start[0].diameter);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DataMakeTest, EraseAsksFirstAndAnErasedRecordSurvivesSaveAndLoadAsEmpty) {
    const MaterialTable start = ValidTable();
    Open(start);
    click("BitBtn3");
    click("BitBtn3");

    dialogs.confirmAnswers.push_back(false);
    click("BitBtn8");
    ASSERT_EQ(dialogs.confirmations, QStringList{QStringLiteral("本当に現在のデーターNo.の内容を消去")});
    EXPECT_EQ(record(2).kindNo, start[2].kindNo);
    EXPECT_EQ(record(2).diameter, start[2].diameter);

    click("BitBtn8");  // yes
    EXPECT_EQ(record(2).kindNo, kEmptyKindNo);
    EXPECT_EQ(record(2).rowCount, 0);
    EXPECT_EQ(record(2).kindName[0], 0);
    EXPECT_EQ(record(2).kindName[1], start[2].kindName[1]);  // only the length byte changes
    EXPECT_EQ(edit("Edit1")->text(), QString());
    EXPECT_EQ(kindBox()->value(), 10);

    const QString file = path(QStringLiteral("erased.dst"));
    dialogs.saveNames.push_back(file);
    click("BitBtn2");
    const std::vector<std::uint8_t> bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), kMaterialTableSize);
    const MaterialRecord saved = DecodeMaterialRecord(bytes.data() + 2 * kMaterialRecordSize);
    EXPECT_EQ(saved.kindNo, kEmptyKindNo);
    EXPECT_EQ(saved.rowCount, 0);
    EXPECT_EQ(saved.reserved, start[2].reserved);

    table = ValidTable();
    dialogs.openNames.push_back(file);
    click("BitBtn1");
    click("BitBtn3");
    click("BitBtn3");
    EXPECT_EQ(edit("Edit1")->text(), QString());
    EXPECT_EQ(edit("Edit2")->text(), QString());
    EXPECT_EQ(kindBox()->value(), 10);
    for (int i = 0; i < kMaterialRows; ++i) EXPECT_EQ(cell(i, 1), QStringLiteral("0")) << i;
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DataMakeTest, KindCountShowsTheNextCountAndWarnsFromTheNinthRecord) {
    MaterialTable start = ValidTable();
    for (int i = 0; i < 30; ++i)
        start[static_cast<std::size_t>(i)].kindNo = i < 5 ? 3 : i < 12 ? 0 : i < 19 ? 1 : i < 26 ? 2 : 4;
    Open(start);
    for (int i = 0; i < 5; ++i) click("BitBtn3");
    ASSERT_EQ(kindBox()->value(), 0);
    QTest::keyClick(kindBox(), Qt::Key_Up);
    QTest::keyClick(kindBox(), Qt::Key_Up);
    QTest::keyClick(kindBox(), Qt::Key_Up);
    EXPECT_EQ(kindBox()->value(), 3);
    EXPECT_EQ(edit("Edit9")->text(), QStringLiteral("6"));
    EXPECT_EQ(comments()->count(), 0);
}

TEST_F(DataMakeTest, KindCheckWarnsForANinthRecordAndCountsTheShownRecordByItsStoredKind) {
    MaterialTable start = ValidTable();
    for (int i = 0; i < 30; ++i) start[static_cast<std::size_t>(i)].kindNo = i < 8 ? 3 : (i < 15 ? 0 : 1);
    Open(start);
    const QString warning = QStringLiteral("種類番号＝ 3 は８以上登録できません！");
    // Record 0 is one of the eight: showing it after the spin box read 0 counts nine.
    ASSERT_EQ(comments()->count(), 1);
    EXPECT_EQ(comments()->item(0)->text(), warning);
    EXPECT_EQ(edit("Edit9")->text(), QStringLiteral("9"));

    QTest::mouseDClick(comments()->viewport(), Qt::LeftButton);
    EXPECT_EQ(comments()->count(), 0);

    for (int i = 0; i < 8; ++i) click("BitBtn3");
    ASSERT_EQ(window->editRecordNo(), 8);
    EXPECT_EQ(edit("Edit9")->text(), QStringLiteral("8"));  // seven stored at 0, plus this one
    kindBox()->stepBy(3);
    EXPECT_EQ(edit("Edit9")->text(), QStringLiteral("9"));
    ASSERT_EQ(comments()->count(), 1);
    EXPECT_EQ(comments()->item(0)->text(), warning);

    // Only a warning: the ninth record is stored with kind 3.
    click("BitBtn3");
    EXPECT_EQ(record(8).kindNo, 3);
    // Record 9 has kind 0, record 8 now 3: going back shows 3 again and counts 10.
    click("BitBtn4");
    EXPECT_EQ(edit("Edit9")->text(), QStringLiteral("10"));
    EXPECT_EQ(comments()->count(), 2);
    // Same kind as the record shown before: the count is not redone.
    click("BitBtn4");
    EXPECT_EQ(edit("Edit9")->text(), QStringLiteral("10"));
    EXPECT_EQ(comments()->count(), 2);
}

TEST_F(DataMakeTest, LongNamesAreCutAtFiftyBytesWithoutSplittingACharacter) {
    Open(ValidTable());
    edit("Edit1")->setText(QString(30, QChar(u'ば')));         // 60 bytes
    edit("Edit2")->setText(u'a' + QString(30, QChar(u'線')));  // 61 bytes
    click("BitBtn3");
    const std::string kind = ShortStringValue(record(0).kindName);
    EXPECT_EQ(record(0).kindName[0], 50);
    EXPECT_EQ(FromSjis(kind), QString(25, QChar(u'ば')));
    EXPECT_EQ(record(0).symbol[0], 49);
    EXPECT_EQ(FromSjis(ShortStringValue(record(0).symbol)), u'a' + QString(24, QChar(u'線')));
    click("BitBtn4");
    EXPECT_EQ(edit("Edit1")->text(), QString(25, QChar(u'ば')));
}

TEST_F(DataMakeTest, AFieldThatIsNotANumberStopsTheCommandThere) {
    MaterialTable start = ValidTable();
    FillRows(start[0], 20, 1);
    Open(start);
    edit("Edit3")->setText(QStringLiteral("1234"));
    setCell(3, 1, QStringLiteral("9.5"));
    setCell(3, 2, QStringLiteral("x"));
    grid->setCurrentCell(kFixed + 1, 1);
    click("BitBtn3");
    ASSERT_EQ(dialogs.errors, QStringList{QStringLiteral("'x' は浮動小数点数ではありません")});
    EXPECT_EQ(window->editRecordNo(), 0);
    EXPECT_EQ(record(0).shearModulus, 1234);
    EXPECT_EQ(record(0).diameter[3], 9.5);
    EXPECT_EQ(record(0).tensileStrength[3], start[0].tensileStrength[3]);
    EXPECT_EQ(record(0).rowCount, start[0].rowCount);

    click("BitBtn6");  // nothing inserted
    EXPECT_EQ(record(0).diameter[3], 9.5);
    EXPECT_EQ(record(0).diameter[4], start[0].diameter[4]);
    EXPECT_EQ(cell(3, 2), QStringLiteral("x"));
    click("BitBtn7");  // nothing deleted
    EXPECT_EQ(record(0).diameter[1], start[0].diameter[1]);
    EXPECT_EQ(record(0).diameter[3], 9.5);
    EXPECT_EQ(cell(3, 2), QStringLiteral("x"));

    const QString file = path(QStringLiteral("never.dst"));
    dialogs.saveNames.push_back(file);
    click("BitBtn2");
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(dialogs.informations.isEmpty());
    EXPECT_TRUE(dialogs.saveInitialNames.isEmpty());  // no dialog was opened
    EXPECT_EQ(dialogs.errors.size(), 4);

    setCell(3, 2, QString());
    click("BitBtn3");
    EXPECT_EQ(dialogs.errors.last(), QStringLiteral("'' は浮動小数点数ではありません"));

    setCell(3, 2, QStringLiteral("1500"));
    edit("Edit11")->setText(QStringLiteral("1.5"));
    click("BitBtn3");
    EXPECT_EQ(dialogs.errors.last(), QStringLiteral("'1.5' は整数ではありません"));
    EXPECT_EQ(window->editRecordNo(), 0);

    edit("Edit11")->setText(QStringLiteral("70"));
    click("BitBtn3");
    EXPECT_EQ(window->editRecordNo(), 1);
    EXPECT_EQ(record(0).tensileStrength[3], 1500);
    EXPECT_EQ(record(0).bendingRatio, 70);
}

TEST_F(DataMakeTest, AFailedLoadChangesNothing) {
    const MaterialTable start = ValidTable();
    Open(start);
    click("BitBtn3");
    edit("Edit1")->setText(QStringLiteral("typed"));
    const QString missing = path(QStringLiteral("missing.dst"));
    dialogs.openNames.push_back(missing);
    click("BitBtn1");
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("ファイル %1 は開けません").arg(missing)});
    EXPECT_EQ(window->editRecordNo(), 1);
    EXPECT_EQ(edit("Edit7")->text(), QStringLiteral("1"));
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("typed"));
    EXPECT_EQ(EncodeMaterialTable(table), EncodeMaterialTable(start));
}

TEST_F(DataMakeTest, ASaveThatCannotCreateItsFileShowsNoInformation) {
    MaterialTable start = ValidTable();
    start[20] = EmptyRecordWithKind(1);
    Open(start);
    edit("Edit3")->setText(QStringLiteral("79000"));
    const QString bad = path(QStringLiteral("no-folder/table.dst"));
    dialogs.saveNames.push_back(bad);
    click("BitBtn2");
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("ファイル %1 を作成できません").arg(bad)});
    EXPECT_TRUE(dialogs.informations.isEmpty());
    EXPECT_FALSE(QFile::exists(bad));
    // What was stored and normalised before the dialog stays in memory.
    EXPECT_EQ(record(0).shearModulus, 79000);
    EXPECT_EQ(record(20).kindNo, kEmptyKindNo);

    // A cancelled save writes nothing but still shows the information.
    click("BitBtn2");
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(DataMakeTest, FileDialogsUseTheTableFilterAndRememberTheirLastName) {
    const QString file = saveTable(ValidTable(), QStringLiteral("a.dst"));
    Open(ValidTable());
    const QString filter = QStringLiteral("材料のデーター|*.dst|すべてのファイル|*.*");
    dialogs.openNames.push_back(file);
    click("BitBtn1");
    click("BitBtn1");  // cancelled
    click("BitBtn1");
    EXPECT_EQ(dialogs.openInitialNames, (QStringList{QString(), file, file}));
    EXPECT_EQ(dialogs.openFilters, QStringList(3, filter));

    const QString saved = path(QStringLiteral("b"));  // used as typed, no extension added
    dialogs.saveNames.push_back(saved);
    click("BitBtn2");
    click("BitBtn2");
    EXPECT_EQ(dialogs.saveInitialNames, (QStringList{QString(), saved}));
    EXPECT_EQ(dialogs.saveFilters, QStringList(2, filter));
    EXPECT_EQ(ReadBytes(saved).size(), kMaterialTableSize);
}

TEST_F(DataMakeTest, TextBeingTypedIntoACellIsTakenOverByTheNextCommand) {
    Open(ValidTable());
    window->show();
    grid->setCurrentCell(kFixed, 1);
    grid->editItem(grid->item(kFixed, 1));
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("7.5"));
    window->BitBtn3Click();
    EXPECT_EQ(record(0).diameter[0], 7.5);
    click("BitBtn4");
    EXPECT_EQ(cell(0, 1), QStringLiteral("7.5"));
}

TEST_F(DataMakeTest, TabMovesToTheNextDataCellSkippingTheRowNumbers) {
    Open(ValidTable());
    window->show();
    grid->setFocus();
    grid->setCurrentCell(kFixed + 3, 4);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentRow(), kFixed + 4);
    EXPECT_EQ(grid->currentColumn(), 1);
}

// The tools menu of the main window opens both windows modally over the data the
// main window read at start-up.
TEST_F(DataMakeTest, HeadingRowsStayInPlaceWhileTheRowsScroll) {
    Open(ValidTable());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QScrollBar* down = grid->verticalScrollBar();
    ASSERT_GT(down->maximum(), 0);
    const QRect area = grid->viewport()->geometry();
    const QRect headings(area.topLeft(), QSize(area.width(), grid->rowHeight(0) + grid->rowHeight(1)));
    const QRect below(headings.bottomLeft() + QPoint(0, 1), QSize(area.width(), 20));
    const QImage before = grid->grab().toImage();

    down->setValue(down->maximum());
    const QImage after = grid->grab().toImage();
    EXPECT_EQ(after.copy(headings), before.copy(headings));
    EXPECT_NE(after.copy(below), before.copy(below));
    // The last data row can be reached and edited.
    EXPECT_LE(grid->rowViewportPosition(kFixed + 49) + grid->rowHeight(kFixed + 49), area.height());
}

TEST(ToolWindows, TheToolsMenuShowsEachWindowModally) {
    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    FakeDialogs dialogs;
    Tf_vek f_vek(materials, kinds, coefficients, dialogs, QStringLiteral(TS_DATA_DIR));
    Tdata_make data_make(materials, dialogs, &f_vek);
    Tkeisuu_make keisuu_make(coefficients, dialogs, QStringLiteral(TS_DATA_DIR), &f_vek);
    f_vek.setToolWindows(&data_make, &keisuu_make, nullptr);
    f_vek.show();
    EXPECT_FALSE(data_make.isVisible());
    EXPECT_FALSE(keisuu_make.isVisible());

    QWidget* seenModal = nullptr;
    QString shownKind;
    QTimer::singleShot(0, [&] {
        seenModal = QApplication::activeModalWidget();
        shownKind = data_make.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text();
        data_make.reject();
    });
    f_vek.findChild<QAction*>(QStringLiteral("N7"))->trigger();
    EXPECT_EQ(seenModal, &data_make);
    EXPECT_EQ(shownKind, FromSjis(ShortStringValue(materials[0].kindName)));
    EXPECT_FALSE(shownKind.isEmpty());

    QString shownFirst;
    QTimer::singleShot(0, [&] {
        seenModal = QApplication::activeModalWidget();
        shownFirst = keisuu_make.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text();
        keisuu_make.reject();
    });
    f_vek.findChild<QAction*>(QStringLiteral("N8"))->trigger();
    EXPECT_EQ(seenModal, &keisuu_make);
    EXPECT_EQ(shownFirst, QString::fromStdString(FormatFull(coefficients.values[0])));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Writes the picture of the window for the documentation when TS_SCREENSHOT_DIR is set.
TEST(DataMakePicture, WritesThePictureWhenAsked) {
    const QString out = qEnvironmentVariable("TS_SCREENSHOT_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "TS_SCREENSHOT_DIR not set";
    MaterialTable table{};
    LoadMaterialTable(table, TS_DATA_DIR "/zaidat.dst");
    FakeDialogs dialogs;
    Tdata_make window(table, dialogs);
    window.show();
    QTest::qWait(50);
    EXPECT_TRUE(window.grab().save(out + QStringLiteral("/data-make.png")));
}

}  // namespace
