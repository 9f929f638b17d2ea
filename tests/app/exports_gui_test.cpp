// The export commands of the main window's file menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QSpinBox>
#include <QTimer>

#include "tests/support/dxf_reader.h"
#include "tests/support/pdf_tools.h"
#include "tests/support/printed_results.h"
#include "tests/support/reference_picture.h"
#include "tests/support/vek_test_app.h"
#include "ui/main_window/characteristic_page.h"
#include "ui/main_window/exports.h"
#include "ui/main_window/title_block_dialog.h"

using namespace torsion;

namespace {

class Exports : public ::testing::Test {
  protected:
    void choose(const char* item) {
        auto* action = app.window->menuBar()->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
    QByteArray bytes(const QString& name) {
        QFile f(app.path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    MainWindowApp app;
};

TEST_F(Exports, CsvHoldsTheStoredCasesAndDxfTheCurrentSpring) {
    app.calculate();
    app.find<QSpinBox>("SpinEdit1")->setValue(4);
    app.click("SpeedButton5");

    app.dialogs.saveNames = {app.path("out.csv")};
    choose("CsvExport");
    EXPECT_EQ(app.dialogs.saveFilters.last(), "CSV|*.csv");
    EXPECT_EQ(app.dialogs.saveInitialNames.last(), "履歴.csv");
    const QString csv = QString::fromUtf8(bytes("out.csv"));
    const QStringList lines = csv.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << csv.toStdString();
    EXPECT_TRUE(lines[2].startsWith("4,SWP-A,")) << lines[2].toStdString();

    app.dialogs.saveNames = {app.path("spring.dxf")};
    choose("DxfExport");
    const DesignCase& c = app.window->cases()[0];
    EXPECT_EQ(dxf_reader::SpringDxfDisagreements(app.path("spring.dxf").toStdString(), c.wireDia, c.meanDia,
                                                 c.turns, c.arm1, c.arm2),
              "");
    EXPECT_TRUE(app.dialogs.errors.isEmpty());

    // Cancelled: nothing is written; a name that cannot be written is reported.
    choose("CsvExport");
    app.dialogs.saveNames = {app.path("no/such/out.csv")};
    choose("CsvExport");
    ASSERT_EQ(app.dialogs.errors.size(), 1);
    EXPECT_EQ(app.dialogs.errors[0], "ファイル " + app.path("no/such/out.csv") + " を作成できません");
}

// A negative arm, and sizes past what a drawing file holds (an arm of 1e240 mm calculates).
TEST_F(Exports, DxfOfASpringThatCannotBeDrawnAsksForNoName) {
    struct Row {
        const char* box;
        const char* text;
    };
    for (const Row& row : {Row{"Edit12", "-5"}, Row{"Edit12", "1e240"}, Row{"Edit13", "2e10"}}) {
        SCOPED_TRACE(row.text);
        app.dialogs.errors.clear();
        app.type("Edit12", "15");
        app.type("Edit13", "20");
        app.type(row.box, row.text);
        choose("DxfExport");
        EXPECT_TRUE(app.dialogs.saveFilters.isEmpty());
        ASSERT_EQ(app.dialogs.errors.size(), 1);
        EXPECT_EQ(app.dialogs.errors[0], "この寸法のばねは図にできません");
    }
}

// Checks a written report: its A4 pages, the Japanese font embedded, and the title
// block, the checks and the trace's values as text.
void ExpectReport(const QString& pdf, const QStringList& texts) {
    EXPECT_EQ(pdf_tools::PageCount(pdf), pdf_tools::kReportPages);
    const QSizeF size = pdf_tools::PageSizePoints(pdf);
    EXPECT_NEAR(size.width(), 595.3, 0.5);
    EXPECT_NEAR(size.height(), 841.9, 0.5);
    const QString fonts = pdf_tools::PdfFonts(pdf);
    EXPECT_TRUE(fonts.contains("IPAPGothic")) << fonts.toStdString();
    // Every font embedded: the "emb" column (fifth from the end) says yes.
    for (const QString& line : fonts.split('\n', Qt::SkipEmptyParts).mid(2)) {
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 5);
        EXPECT_EQ(columns[columns.size() - 5], "yes") << line.toStdString();
    }
    const QString text = pdf_tools::PdfText(pdf);
    for (const QString& t : texts)
        EXPECT_TRUE(text.contains(t)) << t.toStdString() << "\n" << text.toStdString();
}

TEST_F(Exports, ReportAsPdfAndOnThePrinter) {
    app.calculate();
    app.window->characteristicPage()->setGrade(3);
    app.window->exports().setTitleBlock({"トーションばね A", "TS-0042", "山田", "2026-12-08"});
    app.dialogs.saveNames = {app.path("report.pdf")};
    choose("ReportPdf");
    EXPECT_EQ(app.dialogs.saveInitialNames.last(), "TS-0042.pdf");
    ASSERT_TRUE(app.dialogs.errors.isEmpty()) << app.dialogs.errors.join('\n').toStdString();
    const DesignCase& c = app.window->cases()[0];
    const QString last = QString::number(pdf_tools::kReportPages);
    ExpectReport(app.path("report.pdf"),
                 {"トーションばね A", "TS-0042", "山田", "2026-12-08", "計算書", "合格", "1/" + last,
                  last + "/" + last, "疲れ強さ線図", "k = E·d⁴ / (3667·D·N + 389·(a1 + a2)) × 1/9.80665",
                  "SWP-A", "予想寿命", "3級", "トルク–角度線図"});
    // Its numbers: the results of the case shown, each following from the printed inputs.
    EXPECT_EQ(printed::ReportFormulaDisagreements(app.path("report.pdf")), "");
    const QString page = pdf_tools::PdfLayoutText(app.path("report.pdf"), 1, 1);
    const std::pair<const char*, double> shown[] = {
        {"ばね定数 k", c.springConst}, {"モーメント M2", c.moment2}, {"曲げ応力 σ2", c.stress2},
        {"案内棒径", c.guideRodDia},   {"平均径 D", c.meanDia},      {"巻数 N", c.turns}};
    for (const auto& [label, value] : shown)
        EXPECT_TRUE(printed::InTable(page, label).Agrees(value)) << label << " " << value;
    // The first page as a picture: every box, text and drawing in its place.
    EXPECT_EQ(reference_picture::PictureDisagreement(pdf_tools::RenderFirstPage(app.path("report.pdf"), 96),
                                                     "report_first_page.png"),
              "");

    // The printer gets the same pages.
    app.window->exports().setPrinterChooser([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(app.path("printed.pdf"));
        return true;
    });
    choose("ReportPrint");
    ExpectReport(app.path("printed.pdf"),
                 {"TS-0042", "合格", "2/" + QString::number(pdf_tools::kReportPages)});
    EXPECT_EQ(printed::ReportFormulaDisagreements(app.path("printed.pdf")), "");
    // The verdict is in Japanese; the window's English line is the window's alone.
    EXPECT_FALSE(pdf_tools::PdfText(app.path("report.pdf")).contains("Calculation Success!"));
}

TEST_F(Exports, TitleBlockIsAskedOncePerRunAndItsFieldsKept) {
    // The dialog comes up modally: fill it in and confirm, as a user would. The report's
    // language, never chosen, is the window's; the one chosen is kept for the next run.
    app.settings.setLanguage(Language::English);
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TitleBlockDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        asked = true;
        auto* language = dialog->findChild<QComboBox*>("languageBox");
        EXPECT_EQ(language->currentText(), "English");
        language->setCurrentIndex(language->findText(QStringLiteral("日本語")));
        dialog->findChild<QLineEdit*>("productEdit")->setText("試作ばね");
        dialog->findChild<QLineEdit*>("drawingNoEdit")->clear();
        EXPECT_EQ(dialog->findChild<QLineEdit*>("dateEdit")->text(),
                  QDate::currentDate().toString(Qt::ISODate));
        dialog->findChild<QLineEdit*>("dateEdit")->setText("2001-02-03");
        dialog->accept();
    });
    choose("ReportPdf");  // the save dialog is then cancelled
    EXPECT_TRUE(asked);
    ASSERT_TRUE(app.window->exports().titleBlock().has_value());
    EXPECT_EQ(app.window->exports().titleBlock()->productName, "試作ばね");
    EXPECT_EQ(app.dialogs.saveInitialNames.last(), "試作ばね.pdf");
    // The next run asks again, proposing the kept fields and today's date.
    MainWindowApp next;
    app.settings.sync();
    Settings stored(app.settings.fileName());
    next.window->setSettings(stored);
    next.dialogs.saveNames = {next.path("next.pdf")};
    bool askedAgain = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TitleBlockDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        askedAgain = true;
        EXPECT_EQ(dialog->findChild<QLineEdit*>("productEdit")->text(), "試作ばね");
        EXPECT_EQ(dialog->findChild<QComboBox*>("languageBox")->currentText(), QStringLiteral("日本語"));
        EXPECT_EQ(dialog->findChild<QLineEdit*>("dateEdit")->text(),
                  QDate::currentDate().toString(Qt::ISODate));
        dialog->accept();
    });
    next.window->findChild<QAction*>(QStringLiteral("ReportPdf"))->trigger();
    EXPECT_TRUE(askedAgain);
    ASSERT_TRUE(next.window->exports().titleBlock().has_value());
    EXPECT_EQ(next.window->exports().titleBlock()->productName, "試作ばね");

    // Within the run the typed date stays; the second time nothing is asked: a dialog would be refused and
    // fail the test.
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget()) {
            ADD_FAILURE() << "asked again";
            QApplication::activeModalWidget()->close();
        }
    });
    app.dialogs.saveNames = {app.path("second.pdf")};
    choose("ReportPdf");
    EXPECT_EQ(pdf_tools::PageCount(app.path("second.pdf")), pdf_tools::kReportPages);
    EXPECT_TRUE(pdf_tools::PdfText(app.path("second.pdf")).contains("2001-02-03"));
}

}  // namespace
