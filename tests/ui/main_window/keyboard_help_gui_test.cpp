// Qt's own texts in Japanese, the help window, the keyboard and small screens.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "tests/support/vek_test_app.h"
#include "ui/common/japanese_translation.h"
#include "ui/main_window/help_window.h"

namespace {

QStringList ActionTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) texts << action->text();
    return texts;
}

TEST(QtJapanese, StandardDialogsAndBoxMenusSpeakJapanese) {
    ASSERT_TRUE(InstallQtJapanese(*qApp));
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    const QString texts = ActionTexts(*menu).join(u'|');
    EXPECT_TRUE(texts.contains(QStringLiteral("元に戻す"))) << texts.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("貼り付け"))) << texts.toStdString();

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* look = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(look, nullptr);
    EXPECT_FALSE(look->text().contains(QStringLiteral("Look in"))) << look->text().toStdString();
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

TEST(Help, AMissingPageIsNamed) {
    MainWindowApp app;
    app.window->help2Click();
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_EQ(app.dialogs.errors[0], QStringLiteral("ヘルプファイル %1 が見つかりません")
                                         .arg(app.path(QStringLiteral("help/helphelp.htm"))));
}

// The offscreen desktop has no program to open documents with, as a Debian machine
// without xdg-open: the page opens in the program's own window.
TEST(Help, WithoutALauncherThePageOpensInItsOwnWindow) {
    MainWindowApp app;
    QDir(app.folder.path()).mkdir(QStringLiteral("help"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TS_SOURCE_DIR "/help/helphelp.htm"),
                            app.path(QStringLiteral("help/helphelp.htm"))));
    app.window->show();
    app.window->help2Click();
    EXPECT_TRUE(app.dialogs.errors.isEmpty());
    auto* help = app.window->findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("ヘルプ"));
    EXPECT_EQ(help->browser()->source(), QUrl::fromLocalFile(app.path(QStringLiteral("help/helphelp.htm"))));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("ねじりコイルばね設計計算")));
    // A second request shows the same window again.
    app.window->help2Click();
    EXPECT_EQ(app.window->findChildren<HelpWindow*>().size(), 1);
    // The page names what the window holds, in the order of the diameter button.
    const QString page = help->browser()->toPlainText();
    for (const char* topic : {"設計探索", "SI 単位", "特性・公差", "CSV 出力", "DXF 出力", "計算書 PDF 出力",
                              "復元", "--calc", "Ctrl+Return", "全角", "内径 → 平均径 → 外径"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(topic))) << topic;

    const QByteArray folder = qgetenv("TS_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(help->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/help-window.png")));
    }
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

// Alt and the letter of a menu open it; the captions stay without a mnemonic.
TEST(Keys, AltAndALetterOpenTheMenus) {
    MainWindowApp app;
    app.window->show();
    app.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.window.get()));
    const std::pair<Qt::Key, const char*> rows[] = {{Qt::Key_F, "File1"},
                                                    {Qt::Key_E, "Edit1"},
                                                    {Qt::Key_V, "View1"},
                                                    {Qt::Key_T, "Tool1"},
                                                    {Qt::Key_H, "Help1"}};
    for (const auto& [key, name] : rows) {
        auto* menu = app.window->findChild<QMenu*>(QString::fromLatin1(name));
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_FALSE(menu->title().contains(u'&')) << name;
        QTest::keyClick(app.window.get(), key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) << name;
        menu->close();
        EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000)) << name;
    }
}

class ActiveMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        app.window->show();
        app.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app.window.get()));
    }
    MainWindowApp app;
};

TEST_F(ActiveMainWindow, StandardShortcutsKeepTheCaptions) {
    struct Row {
        const char* action;
        const char* caption;
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    const Row rows[] = {
        {"Edit2", "読み取り", Qt::Key_O, Qt::ControlModifier},
        {"N3", "保存", Qt::Key_S, Qt::ControlModifier},
        {"N5", "要目表印刷", Qt::Key_P, Qt::ControlModifier},
        {"help2", "ヘルプ", Qt::Key_F1, Qt::NoModifier},
    };
    for (const Row& row : rows) {
        auto* action = app.window->findChild<QAction*>(QString::fromLatin1(row.action));
        ASSERT_NE(action, nullptr) << row.action;
        EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
        // Only watch: the handlers are tested elsewhere, and would open dialogs here.
        action->disconnect(app.window.get());
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(app.find("Edit19"), static_cast<Qt::Key>(row.key), row.modifiers);
        EXPECT_EQ(triggered.count(), 1) << row.action;
    }
}

TEST_F(ActiveMainWindow, ControlQClosesTheWindowAskingAboutAnUnsavedHistory) {
    auto* quit = app.window->findChild<QAction*>(QStringLiteral("QuitItem"));
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->text(), QStringLiteral("終了"));
    EXPECT_EQ(app.window->findChild<QMenu*>(QStringLiteral("File1"))->actions().last(), quit);
    app.calculate();
    app.click("SpeedButton5");
    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::Cancel};
    QTest::keyClick(app.find("Edit19"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(app.dialogs.questions.size(), 1);
    EXPECT_TRUE(app.window->isVisible());
    app.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
    QTest::keyClick(app.find("Edit19"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(app.window->isVisible());
}

TEST_F(ActiveMainWindow, ControlReturnCalculatesFromAnyBox) {
    for (const char* box : {"Edit12", "Edit18", "Edit4"}) {
        app.find("Edit8")->clear();
        app.find(box)->setFocus();
        QTest::keyClick(app.find(box), Qt::Key_Return, Qt::ControlModifier);
        EXPECT_FALSE(app.text("Edit8").isEmpty()) << box;
        EXPECT_FALSE(app.messages().isEmpty()) << box;
    }
}

TEST_F(ActiveMainWindow, TabFollowsTheReadingOrder) {
    app.find("Edit4")->setFocus();
    QStringList visited{QStringLiteral("Edit4")};
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // Angle mode: the moment boxes are disabled and skipped.
    const QStringList expected{"Edit4",   "Edit5",  "soto",        "Edit12",    "Edit13",
                               "BitBtn1", "Edit18", "ComboBox5",   "ComboBox7", "ComboBox6",
                               "Edit19",  "hidari", "SpeedButton7"};
    EXPECT_EQ(visited, expected);
}

TEST(SmallScreen, ContentScrollsOnALaptopAndNothingChangesOnALargeScreen) {
    MainWindowApp app;
    app.window->FitToScreen(QRect(0, 0, 1920, 1200));
    EXPECT_EQ(app.window->size(), QSize(823, 837));
    app.window->show();
    QApplication::processEvents();
    auto* scroll = qobject_cast<QScrollArea*>(app.window->centralWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());

    const QRect laptop(0, 0, 1366, 768);
    app.window->FitToScreen(laptop);
    QApplication::processEvents();
    EXPECT_TRUE(laptop.contains(app.window->frameGeometry()));
    ASSERT_TRUE(scroll->verticalScrollBar()->isVisible());
    // Scrolled to the end, the bottom of the page control is in view.
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    auto* pages = app.find<QTabWidget>("PageControl1");
    const QPoint bottom = pages->mapTo(scroll->viewport(), QPoint(0, pages->height()));
    EXPECT_LE(bottom.y(), scroll->viewport()->height());
}

}  // namespace
