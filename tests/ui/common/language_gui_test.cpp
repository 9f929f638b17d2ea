// The windows in both languages: every caption fits its control at the window's fixed
// sizes, the English catalogue is used when installed, and the menu remembers the choice.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTranslator>

#include "core/base/number_text.h"
#include "tests/support/test_cases.h"
#include "tests/support/vek_test_app.h"
#include "ui/common/language.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"
#include "ui/main_window/help_window.h"
#include "ui/main_window/history_grid.h"
#include "ui/main_window/title_block_dialog.h"
#include "ui/print/prin.h"
#include "ui/search/design_search_window.h"

namespace {

// The texts of a widget that must fit, with the room the widget gives them.
QStringList Overflows(const QWidget& window) {
    QStringList found;
    const auto report = [&](const QWidget* w, const QString& text, int need, int room) {
        if (need > room)
            found
                << QStringLiteral("%1 \"%2\": %3 px in %4 px").arg(w->objectName(), text).arg(need).arg(room);
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        const QFontMetrics metrics(w->font());
        const auto widest = [&](const QString& text) {
            int width = 0;
            for (const QString& line : text.split(QLatin1Char('\n')))
                width = std::max(width, metrics.horizontalAdvance(QString(line).remove(QLatin1Char('&'))));
            return width;
        };
        if (const auto* label = qobject_cast<const QLabel*>(w);
            label && !label->wordWrap() && label->pixmap().isNull() && w->parentWidget()) {
            const QRect used(label->pos(), QSize(widest(label->text()), label->height()));
            // Room: the label's own width (it paints nothing beyond), up to the parent's edge
            // and up to the next control it would run into.
            int room = std::min(label->width(), label->parentWidget()->width() - label->x());
            for (const QWidget* other :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == label || qobject_cast<const QLabel*>(other) || !other->isVisibleTo(&window))
                    continue;
                const QRect g = other->geometry();
                if (g.left() > label->x() && g.top() < used.bottom() && g.bottom() > used.top())
                    room = std::min(room, g.left() - label->x());
            }
            report(label, label->text(), used.width(), room);
        } else if (const auto* check = qobject_cast<const QCheckBox*>(w)) {
            report(check, check->text(), widest(check->text()) + 18, check->width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w);
                   button && !button->text().isEmpty()) {
            report(button, button->text(), widest(button->text()) + 4, button->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w); combo && !combo->isEditable()) {
            // Every item as the closed box shows it, beside its arrow.
            for (int i = 0; i < combo->count(); ++i)
                report(combo, combo->itemText(i), widest(combo->itemText(i)) + 24, combo->width());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            report(group, group->title(), widest(group->title()) + 16, group->width());
        } else if (const auto* grid = qobject_cast<const HistoryGrid*>(w)) {
            // Every cell, headings first, in its column (the cells draw on one line, clipped).
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c)
                    if (const QTableWidgetItem* cell = grid->item(r, c); cell && !cell->text().isEmpty())
                        report(grid, cell->text(), widest(cell->text()) + 4, grid->columnWidth(c));
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            const QRect last = tabs->tabBar()->tabRect(tabs->count() - 1);
            report(tabs, tabs->tabText(tabs->count() - 1), last.right(), tabs->width());
        }
    }
    return found;
}

// Every word a window shows or tips that is Japanese: texts, titles, tool tips, the items of
// lists, tables, boxes and menus. Material names (the user's own table) and typed boxes are
// data, not words of the program; so is the name of each language in its own words.
bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3001}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF64}]"));
    return text.contains(japanese) && text != QStringLiteral("日本語") &&
           !text.contains(QStringLiteral("言語 / Language"));
}

QStringList JapaneseWords(const QWidget& window) {
    QStringList found;
    const auto check = [&](const QObject* o, const QString& what, const QString& text) {
        if (HasJapanese(text)) found << QStringLiteral("%1 %2: %3").arg(o->objectName(), what, text);
    };
    const auto data = [](const QObject* o) {
        static const QStringList names = {QStringLiteral("ComboBox5"), QStringLiteral("ComboBox7")};
        return names.contains(o->objectName());
    };
    check(&window, QStringLiteral("title"), window.windowTitle());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        check(w, QStringLiteral("tip"), w->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            check(w, QStringLiteral("text"), label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            check(w, QStringLiteral("text"), button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            check(w, QStringLiteral("title"), group->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) check(w, QStringLiteral("tab"), tabs->tabText(i));
        if (const auto* combo = qobject_cast<const QComboBox*>(w); combo && !data(combo))
            for (int i = 0; i < combo->count(); ++i) check(w, QStringLiteral("item"), combo->itemText(i));
        if (const auto* list = qobject_cast<const QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) check(w, QStringLiteral("line"), list->item(i)->text());
        if (const auto* table = qobject_cast<const QTableWidget*>(w))
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    if (const QTableWidgetItem* cell = table->item(r, c)) {
                        check(w, QStringLiteral("cell tip"), cell->toolTip());
                        if (!qobject_cast<const HistoryGrid*>(w) || c != 1)
                            check(w, QStringLiteral("cell"), cell->text());
                    }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        check(action, QStringLiteral("action"), action->text());
        check(action, QStringLiteral("action tip"), action->toolTip());
    }
    for (const QMenu* menu : window.findChildren<QMenu*>())
        check(menu, QStringLiteral("menu"), menu->title());
    return found;
}

class Languages : public ::testing::TestWithParam<Language> {
  protected:
    void SetUp() override {
        catalogue_ = LoadCatalogue(GetParam(), QStringLiteral(TS_DATA_DIR));
        if (GetParam() == Language::English) {
            ASSERT_NE(catalogue_, nullptr) << "torsion-spring_en.qm beside the program";
            QCoreApplication::installTranslator(catalogue_.get());
        }
        app_ = std::make_unique<MainWindowApp>();
    }
    void TearDown() override {
        app_.reset();
        if (catalogue_) QCoreApplication::removeTranslator(catalogue_.get());
    }
    std::unique_ptr<QTranslator> catalogue_;
    std::unique_ptr<MainWindowApp> app_;
};

TEST_P(Languages, EveryCaptionFitsItsControl) {
    MainWindowApp& app = *app_;
    Tf_vek& main = *app.window;
    main.show();
    app.calculate();
    app.click("SpeedButton5");  // the result stored in the history grid
    Tdata_make materials(app.materials, app.dialogs);
    Tkeisuu_make coefficients(app.coefficients, app.dialogs, app.folder.path());
    Tprinform dataSheet(app.materials, app.dialogs);
    const torsion::DesignCase current = SampleCase();
    DesignSearchWindow search(app.materials, app.kinds, current, torsion::UnitSystem::Kgf, app.dialogs);
    auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 1; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        EXPECT_EQ(Overflows(main).join(QLatin1Char('\n')).toStdString(), "") << "page " << page;
    }
    pages->setCurrentIndex(0);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&main, &materials, &coefficients, &dataSheet, &search}) {
        window->show();
        EXPECT_EQ(Overflows(*window).join(QLatin1Char('\n')).toStdString(), "")
            << window->objectName().toStdString();
    }
}

// In English no Japanese word is left: the main window on every page after a calculation
// stored in the history (the page of tolerances with the tips of its table rows), the
// editors, the data sheet and the search.
using EnglishWindows = Languages;
TEST_P(EnglishWindows, LeaveNoJapaneseWord) {
    MainWindowApp& app = *app_;
    Tf_vek& main = *app.window;
    main.show();
    app.calculate();
    app.click("SpeedButton5");
    auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        EXPECT_EQ(JapaneseWords(main).join(QLatin1Char('\n')).toStdString(), "") << "page " << page;
    }
    Tdata_make materials(app.materials, app.dialogs);
    Tkeisuu_make coefficients(app.coefficients, app.dialogs, app.folder.path());
    Tprinform dataSheet(app.materials, app.dialogs);
    DesignSearchWindow search(app.materials, app.kinds, SampleCase(), torsion::UnitSystem::Kgf, app.dialogs);
    TitleBlockDialog title({}, Language::English);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&materials, &coefficients, &dataSheet, &search, &title}) {
        window->show();
        EXPECT_EQ(JapaneseWords(*window).join(QLatin1Char('\n')).toStdString(), "")
            << window->objectName().toStdString();
    }
    // The messages: an overwritten history slot, a text that is no number, an export of
    // inputs changed since the results, and the file name the save dialog proposes.
    main.activateWindow();
    app.click("SpeedButton5");
    app.type("Edit19", QStringLiteral("12"));
    main.findChild<QAction*>(QStringLiteral("DxfExport"))->trigger();
    app.type("Edit19", QStringLiteral("1O"));
    app.calculate();
    const FakeDialogs& d = app.dialogs;
    EXPECT_EQ(d.confirmations.size() + d.questions.size(), 1);
    EXPECT_EQ(d.informations.size(), 1);
    EXPECT_EQ(d.errors.size(), 1) << d.errors.join(QLatin1Char('\n')).toStdString();
    for (const QStringList* said : {&d.errors, &d.warnings, &d.informations, &d.confirmations, &d.questions,
                                    &d.saveInitialNames, &d.saveFilters})
        for (const QString& text : *said) EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
}
INSTANTIATE_TEST_SUITE_P(English, EnglishWindows, ::testing::Values(Language::English));

TEST_P(Languages, TheWindowSpeaksTheLanguageOfTheCatalogue) {
    const bool english = GetParam() == Language::English;
    EXPECT_EQ(app_->window->windowTitle(),
              english ? QStringLiteral("Torsion Spring Design") : QStringLiteral("ねじりコイルばね設計計算"));
    EXPECT_EQ(app_->find<QPushButton>("BitBtn2")->text(),
              english ? QStringLiteral("Calculate") : QStringLiteral("計算"));
    // Texts of the core, through the same catalogue: a caption, a composed caption whose
    // number stays as the core wrote it, and a command's error with the typed text in it.
    app_->calculate();
    EXPECT_EQ(app_->caption("Label48"), english ? QStringLiteral("Mean D") : QStringLiteral("平均径"));
    const QString angle = QString::fromStdString(torsion::FormatShort(app_->window->cases()[0].maxAngle));
    EXPECT_EQ(app_->caption("Label30"),
              (english ? QStringLiteral("Max. angle=%1°") : QStringLiteral("最大角度=%1度")).arg(angle));
    app_->enter("Edit19", QStringLiteral("1O"));
    app_->calculate();
    EXPECT_EQ(app_->dialogs.errors.value(0), english
                                                 ? QStringLiteral("'1O' is not a valid floating-point number")
                                                 : QStringLiteral("'1O' は浮動小数点数ではありません"));
    // Help opens the page of the language.
    QDir(app_->folder.path()).mkdir(QStringLiteral("help"));
    for (const char* page : {"help/helphelp.htm", "help/helphelp_en.htm"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(TS_SOURCE_DIR "/") + page, app_->path(page)));
    app_->window->help2Click();
    const auto* help = app_->window->findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source().toLocalFile(),
              app_->path(english ? "help/helphelp_en.htm" : "help/helphelp.htm"));
    EXPECT_TRUE(help->browser()->toPlainText().startsWith(english ? "Torsion Spring Design"
                                                                  : "ねじりコイルばね設計計算"));
}

// The English help page has every section of the Japanese one, under the same anchors.
TEST(HelpPages, TheEnglishPageHasTheSectionsOfTheJapanese) {
    const auto anchors = [](const char* name) {
        QFile page(QStringLiteral(TS_SOURCE_DIR "/help/") + name);
        EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << name;
        QStringList found;
        for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("<h2 id=\"([a-z0-9]+)\""))
                                                    .globalMatch(QString::fromUtf8(page.readAll())))
            found << m.captured(1);
        return found;
    };
    const QStringList japanese = anchors("helphelp.htm");
    EXPECT_GT(japanese.size(), 20);
    EXPECT_EQ(anchors("helphelp_en.htm"), japanese);
}

INSTANTIATE_TEST_SUITE_P(JapaneseAndEnglish, Languages,
                         ::testing::Values(Language::Japanese, Language::English));

TEST(LanguageChoice, LocaleDecidesUnlessTheMenuChose) {
    EXPECT_EQ(LanguageOfLocaleName(QStringLiteral("en_GB.UTF-8")), Language::English);
    EXPECT_EQ(LanguageOfLocaleName(QStringLiteral("ja_JP.UTF-8")), Language::Japanese);
    EXPECT_EQ(LanguageOfLocaleName(QStringLiteral("C.UTF-8")), Language::Japanese);

    MainWindowApp app;
    EXPECT_FALSE(app.settings.language());
    app.find<QAction>("LanguageEnglish")->trigger();
    EXPECT_EQ(app.settings.language(), Language::English);
    EXPECT_EQ(app.dialogs.informations.size(), 1);  // takes effect at the next start
    // The next window shows the stored choice checked.
    Tf_vek next(app.materials, app.kinds, app.coefficients, app.dialogs, app.folder.path());
    next.setSettings(app.settings);
    EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("LanguageEnglish"))->isChecked());
    app.settings.setString(QStringLiteral("View/language"), QStringLiteral("fr"));
    EXPECT_FALSE(app.settings.language());  // an unknown code: the locale decides
}

}  // namespace
