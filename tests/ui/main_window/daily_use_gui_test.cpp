// Everyday use of the main window beyond a single calculation: typing with the
// Japanese input method, reading every message line, a damaged material table.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "core/base/command_error.h"
#include "core/base/file_io.h"
#include "core/files/case_file.h"
#include "tests/support/vek_test_app.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"
#include "ui/main_window/tool_windows.h"
#include "ui/search/design_search_window.h"

using namespace torsion;

namespace {

// Each character one event, as the Japanese input method commits it after each
// conversion: the text stays in the typed order and the cursor after it.
TEST(NumberBoxes, FullWidthDigitsTypedKeyByKeyStayInOrderInEveryWindow) {
    MainWindowApp app;
    app.type("Edit18", QStringLiteral("１２．５"));  // 平均径
    EXPECT_EQ(app.text("Edit18"), QStringLiteral("12.5"));
    app.type("Edit19", QStringLiteral("2．５"));  // a key, then commits
    QTest::keyClick(app.find("Edit19"), Qt::Key_Return);
    EXPECT_EQ(app.text("Edit19"), QStringLiteral("2.5"));
    app.calculate();
    EXPECT_EQ(app.window->cases()[0].meanDia, 12.5);
    EXPECT_EQ(app.window->cases()[0].turns, 2.5);
    app.type("Edit4", QStringLiteral("－１Ｅ１"));
    EXPECT_EQ(app.text("Edit4"), QStringLiteral("-1E1"));
    // Text that is no number stays as typed and is refused when read, as before.
    app.type("Edit12", QStringLiteral("１５ｍｍ"));
    app.calculate();
    EXPECT_EQ(app.dialogs.errors.value(0), QStringLiteral("'15ｍｍ' は浮動小数点数ではありません"));

    auto* slot = app.find<QSpinBox>("SpinEdit1");
    slot->selectAll();
    TypeKeys(slot, QStringLiteral("１２"));
    EXPECT_EQ(slot->value(), 12);
    EXPECT_EQ(slot->findChild<QLineEdit*>()->cursorPosition(), 2);

    // The other windows' number boxes: coefficients, the material editor, the search.
    Tkeisuu_make coefficients(app.coefficients, app.dialogs, app.folder.path());
    Tdata_make materials(app.materials, app.dialogs, app.window.get());
    app.window->findChild<QAction*>(QStringLiteral("designSearchItem"))->trigger();
    for (QLineEdit* box :
         {coefficients.findChild<QLineEdit*>(QStringLiteral("Edit1")),
          materials.findChild<QLineEdit*>(QStringLiteral("Edit3")),
          app.window->toolWindows().designSearch()->findChild<QLineEdit*>(QStringLiteral("angle2Edit"))}) {
        TypeOver(box, QStringLiteral("０．８５"));
        EXPECT_EQ(box->text(), QStringLiteral("0.85")) << box->window()->objectName().toStdString();
    }
}

TEST(NumberBoxes, ANumberWrittenByTheProgramShowsItsBeginning) {
    MainWindowApp app;
    app.window->show();
    app.enter("Edit18", QStringLiteral("39.5823456"));
    app.click("BitBtn1");  // mean -> outer: the program writes the box
    QLineEdit* box = app.find("Edit18");
    EXPECT_GT(box->fontMetrics().horizontalAdvance(box->text()), box->width());
    EXPECT_EQ(box->cursorPosition(), 0);
    // A typed text keeps the cursor where typing left it.
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("1"));
    EXPECT_EQ(box->cursorPosition(), box->text().size());
}

// Index below 4, angles in the wrong order and the stress over the limit: three lines.
TEST(MessageList, GrowsOverTheWindowWhileItHasMoreLinesThanFit) {
    MainWindowApp app;
    app.window->show();
    app.enter("Edit18", QStringLiteral("3"));
    app.type("Edit4", QStringLiteral("80"));
    app.type("Edit5", QStringLiteral("60"));
    app.calculate();
    ASSERT_EQ(app.messages().size(), 3);
    ASSERT_EQ(app.messages()[2], QStringLiteral("エラー:ねじり応力オーバー"));

    auto* list = app.find<QListWidget>("ListBox1");
    auto* results = app.find<QGroupBox>("GroupBox2");
    const QRect home(results->mapTo(app.window.get(), QPoint(8, 88)), QSize(265, 25));
    const QRect shown(list->mapTo(app.window.get(), QPoint(0, 0)), list->size());
    EXPECT_EQ(shown.topLeft(), home.topLeft());
    EXPECT_EQ(shown.width(), 265);
    EXPECT_TRUE(list->isVisible());
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(row)))) << row;
    }
    // Nothing lies on top of it.
    const QPoint lastLine =
        list->viewport()->mapTo(app.window.get(), list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(app.window->childAt(lastLine), list->viewport());
    const QByteArray folder = qgetenv("TS_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(
            app.window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/message-list.png")));
    }

    // One line fits again: back in its place and size.
    app.enter("Edit18", QStringLiteral("10"));
    app.type("Edit4", QStringLiteral("30"));
    app.type("Edit5", QStringLiteral("35"));
    app.calculate();
    EXPECT_EQ(app.messages(), QStringList{QStringLiteral("Calculation Success!")});
    EXPECT_EQ(list->parentWidget(), results);
    EXPECT_EQ(list->geometry(), QRect(8, 88, 265, 25));
}

TEST(DamagedMaterialTable, IsNamedOnceAndStartUpGoesOn) {
    struct Row {
        void (*damage)(std::vector<std::uint8_t>&);
        const char* problem;
    };
    const Row rows[] = {
        {[](std::vector<std::uint8_t>& b) { b.resize(1736); },
         "大きさが 1736 バイトです（正しくは 52080 バイト）"},
        {[](std::vector<std::uint8_t>& b) { b[1736 * 2 + 116] = 42; },
         "データーNo 2 の種類番号 42 が 0～10 の範囲外です"},
    };
    for (const Row& row : rows) {
        MainWindowApp app(false);
        std::vector<std::uint8_t> bytes = EncodeMaterialTable(TestMaterialTable());
        row.damage(bytes);
        WriteFileReplacing(app.path("zaidat.dst").toStdString(), bytes);
        app.window = std::make_unique<Tf_vek>(app.materials, app.kinds, app.coefficients, app.dialogs,
                                              app.folder.path());
        ASSERT_EQ(app.dialogs.warnings.size(), 1);
        EXPECT_EQ(app.dialogs.warnings[0],
                  QStringLiteral("ファイル %1 は材料データーとして正しくありません。\n%2。\n"
                                 "読み取れた内容で続けます。")
                      .arg(app.path("zaidat.dst"), QString::fromUtf8(row.problem)));
        // What was read is used: record 0 is whole in both files.
        EXPECT_EQ(app.find<QComboBox>("ComboBox7")->currentText(), QStringLiteral("SWP-A"));
    }
}

// A record of garbage among sound ones: named, left out of the lists, and every
// calculation with the others works as before, from the start on.
TEST(DamagedMaterialTable, BrokenRecordsAreLeftOutAndTheRestCalculate) {
    MainWindowApp app(false);
    MaterialTable table = TestMaterialTable();
    std::vector<std::uint8_t> bytes = EncodeMaterialTable(table);
    std::uint32_t x = 99;
    // Record 0 keeps its kind, names and moduli; its rows are noise.
    for (std::size_t i = 136; i < 1736; ++i)
        bytes[i] = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
    WriteFileReplacing(app.path("zaidat.dst").toStdString(), bytes);
    app.dialogs.errors.clear();  // the first window found no table
    app.window =
        std::make_unique<Tf_vek>(app.materials, app.kinds, app.coefficients, app.dialogs, app.folder.path());
    app.window->setSettings(app.settings);
    ASSERT_EQ(app.dialogs.warnings.size(), 1);
    EXPECT_TRUE(app.dialogs.warnings[0].contains(QStringLiteral("データーNo 0 の")));
    EXPECT_TRUE(
        app.dialogs.warnings[0].contains(QStringLiteral("データーNo 0 は材料の一覧から外しました。")));
    EXPECT_TRUE(app.dialogs.errors.isEmpty()) << app.dialogs.errors.join(u'|').toStdString();
    const auto items = [&](const char* name) {
        QStringList texts;
        auto* box = app.find<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
        return texts;
    };
    EXPECT_EQ(items("ComboBox7"), QStringList{QStringLiteral("SWP-B")});
    EXPECT_EQ(items("ComboBox6"), (QStringList{"0.6", "1", "1.6"}));
    for (int i = 0; i < 3; ++i) {
        app.calculate();
        EXPECT_TRUE(app.dialogs.errors.isEmpty()) << app.dialogs.errors.join(u'|').toStdString();
        // k = 210000 / (3667·10·1.3 + 389·35) / 9.80665 of SWP-B, 1 mm.
        EXPECT_EQ(app.text("Edit8"), QStringLiteral("0.3494"));
    }
}

TEST(DamagedMaterialTable, RandomBytesStillGiveTheHistoryGridItsHeadings) {
    MainWindowApp app(false);
    std::vector<std::uint8_t> noise(52080);
    std::uint32_t x = 12345;
    for (auto& b : noise) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
    WriteFileReplacing(app.path("zaidat.dst").toStdString(), noise);
    app.window =
        std::make_unique<Tf_vek>(app.materials, app.kinds, app.coefficients, app.dialogs, app.folder.path());
    EXPECT_EQ(app.dialogs.warnings.size(), 1);
    auto* grid = app.find<QTableWidget>("sg1");
    ASSERT_EQ(grid->rowCount(), 32);
    EXPECT_FALSE(grid->item(0, 1)->text().isEmpty());
    EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->item(31, 0)->text(), QStringLiteral("30"));
    // No record of noise is offered, and "計算" names no invalid operation.
    EXPECT_EQ(app.find<QComboBox>("ComboBox6")->count(), 0);
    app.calculate();
    EXPECT_FALSE(app.dialogs.errors.contains(QString::fromUtf8(kInvalidOperationMessage)))
        << app.dialogs.errors.join(u'|').toStdString();
}

}  // namespace

// Reading a case file asks before unsaved history is replaced, and asks before a file
// that cannot be a case file is read.
TEST(ReadingCaseFiles, AsksBeforeUnsavedHistoryOrAStrangeFileIsRead) {
    MainWindowApp app;
    app.calculate();
    app.click("SpeedButton5");  // slot 1, not saved
    const QString file = app.path(QStringLiteral("cases.nbd"));
    WriteCaseFile(app.window->cases(), file.toStdString());

    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::Cancel};
    app.dialogs.openNames = {file};
    app.window->Edit2Click();
    EXPECT_EQ(app.dialogs.questions, QStringList{QStringLiteral("履歴が保存されていません。保存しますか？")});
    EXPECT_EQ(app.dialogs.openFilters.size(), 0);  // cancelled before the dialog

    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
    app.window->Edit2Click();
    EXPECT_EQ(app.dialogs.openFilters.size(), 1);
    EXPECT_TRUE(app.dialogs.confirmations.isEmpty());  // a sound case file: no question

    struct Row {
        const char* name;
        void (*spoil)(std::vector<std::uint8_t>&);
    };
    const Row rows[] = {
        {"short", [](std::vector<std::uint8_t>& b) { b.resize(224); }},
        {"material", [](std::vector<std::uint8_t>& b) { b[224 + 4] = 77; }},
        {"diameter", [](std::vector<std::uint8_t>& b) { b[224 + 8] = 9; }},
        {"number", [](std::vector<std::uint8_t>& b) { std::fill_n(b.begin() + 224 + 12, 8, 0xFF); }},
    };
    for (const Row& row : rows) {
        std::vector<std::uint8_t> bytes = EncodeCaseTable(app.window->cases());
        row.spoil(bytes);
        const QString strange = app.path(QString::fromLatin1(row.name));
        WriteFileReplacing(strange.toStdString(), bytes);
        const std::vector<std::uint8_t> before = EncodeCaseTable(app.window->cases());
        app.dialogs.confirmations.clear();
        app.dialogs.confirmAnswers = {false};
        app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
        app.dialogs.openNames = {strange};
        app.window->Edit2Click();
        ASSERT_EQ(app.dialogs.confirmations.size(), 1) << row.name;
        EXPECT_EQ(app.dialogs.confirmations[0],
                  QStringLiteral("ファイル %1 は履歴ファイルではない可能性があります。読み込みますか？")
                      .arg(strange));
        EXPECT_EQ(EncodeCaseTable(app.window->cases()), before) << "no changes nothing: " << row.name;
    }
    // Yes reads it as before.
    app.dialogs.confirmAnswers = {true};
    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
    app.dialogs.openNames = {app.path(QStringLiteral("material"))};
    app.window->Edit2Click();
    EXPECT_EQ(app.window->cases()[1].materialNo, 77);
}
