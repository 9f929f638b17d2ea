// Printing a window picture into a PDF file: its size on the page under both rules,
// what part of a main window is printed, the printer choice without a configured
// printer, and failures that reach the user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/support/fake_dialogs.h"
#include "tests/support/pdf_tools.h"
#include "tests/support/reference_picture.h"
#include "tests/support/test_cases.h"
#include "ui/print/prin.h"
#include "ui/print/window_print.h"

using namespace torsion;

namespace {

constexpr int kDpi = 96;  // the page pictures are read back at screen resolution

// A window that is black all over, so its printed picture is the ink box.
class SolidWindow : public QWidget {
  public:
    SolidWindow(int w, int h) {
        setFixedSize(w, h);
        setAttribute(Qt::WA_DontShowOnScreen);
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

class PdfPrintTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer{QPrinter::HighResolution};

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }

    // The printable area in page pixels at kDpi.
    QRect PrintableAtDpi() const {
        const QRectF in = printer.pageLayout().paintRect(QPageLayout::Inch);
        return QRectF(in.x() * kDpi, in.y() * kDpi, in.width() * kDpi, in.height() * kDpi).toRect();
    }

    QRect PrintedInk() {
        EXPECT_EQ(pdf_tools::PageCount(pdf), 1);
        const QImage page = pdf_tools::RenderFirstPage(pdf, kDpi);
        EXPECT_FALSE(page.isNull());
        return pdf_tools::InkBox(page, 128);
    }
};

TEST_F(PdfPrintTest, ProportionalPictureKeepsItsScreenSizeAtTheTopLeftOfThePrintableArea) {
    SolidWindow window(192, 96);
    FakeDialogs dialogs;
    RunCommand(dialogs, &window, [&] { PrintWindowImage(window, ScaleMode::Proportional, printer); });
    EXPECT_EQ(dialogs.errors, QStringList());

    const QRect ink = PrintedInk();
    const QRect area = PrintableAtDpi();
    EXPECT_NEAR(ink.left(), area.left(), 2);
    EXPECT_NEAR(ink.top(), area.top(), 2);
    EXPECT_NEAR(ink.width(), 192, 2);  // two inches
    EXPECT_NEAR(ink.height(), 96, 2);  // one inch
}

TEST_F(PdfPrintTest, FitToPageFillsTheWidthWithAWidePicture) {
    SolidWindow window(400, 100);
    PrintWindowImage(window, ScaleMode::FitToPage, printer);
    const QRect ink = PrintedInk();
    const QRect area = PrintableAtDpi();
    EXPECT_NEAR(ink.left(), area.left(), 2);
    EXPECT_NEAR(ink.top(), area.top(), 2);
    EXPECT_NEAR(ink.width(), area.width(), 2);
    EXPECT_NEAR(ink.height(), area.width() / 4.0, 2);  // lower part of the page stays empty
}

TEST_F(PdfPrintTest, FitToPageFillsTheHeightWithATallPicture) {
    SolidWindow window(100, 400);
    PrintWindowImage(window, ScaleMode::FitToPage, printer);
    const QRect ink = PrintedInk();
    const QRect area = PrintableAtDpi();
    EXPECT_NEAR(ink.top(), area.top(), 2);
    EXPECT_NEAR(ink.height(), area.height(), 2);
    EXPECT_NEAR(ink.width(), area.height() / 4.0, 2);  // right part stays empty
}

TEST_F(PdfPrintTest, MainWindowIsPrintedWithoutItsMenuBar) {
    QMainWindow main;
    main.setAttribute(Qt::WA_DontShowOnScreen);
    main.menuBar()->addMenu(QStringLiteral("ファイル"));
    auto* central = new SolidWindow(300, 200);
    main.setCentralWidget(central);
    main.show();
    QApplication::processEvents();
    ASSERT_GT(main.menuBar()->height(), 0);
    EXPECT_EQ(&ClientArea(main), central);

    PrintWindowImage(main, ScaleMode::FitToPage, printer);
    const QRect ink = PrintedInk();
    const QRect area = PrintableAtDpi();
    EXPECT_NEAR(ink.width(), area.width(), 2);
    EXPECT_NEAR(ink.height(), area.width() * 200.0 / 300.0, 2);  // the central widget's shape
}

TEST_F(PdfPrintTest, PrintPageIsPrintedWithItsButtonEvenForAFaultyCase) {
    MaterialTable materials{};
    SetShortString(materials[3].symbol, "\x83\x73\x83\x41\x83\x6D\x90\xFC");  // "ピアノ線"
    FakeDialogs dialogs;
    Tprinform page(materials, dialogs);
    DesignCase c = DataSheetCase();
    c.springIndex = 1.5;  // CheckCase would list an error for this case
    page.fillFrom(c);
    page.setAttribute(Qt::WA_DontShowOnScreen);
    page.show();
    QApplication::processEvents();

    RunCommand(dialogs, &page, [&] { PrintWindowImage(page, ScaleMode::Proportional, printer); });
    EXPECT_EQ(dialogs.messageCount(), 0);
    ASSERT_EQ(pdf_tools::PageCount(pdf), 1);
    // The page's picture at its screen size from the top left of the printable area,
    // button and all: the picture of the page on screen.
    // The page is wider than the paper: what falls off its edge is white on screen.
    const QImage printed = pdf_tools::RenderFirstPage(pdf, kDpi);
    const QRect area = PrintableAtDpi();
    QImage onPaper(807, 904, QImage::Format_RGB32);
    onPaper.fill(Qt::white);
    QPainter(&onPaper).drawImage(QPoint(0, 0), printed, QRect(area.topLeft(), onPaper.size()));
    // The print is resampled: compared more coarsely than the screen.
    EXPECT_EQ(reference_picture::PictureDisagreement(onPaper, "data_sheet_page.png",
                                                     {.share = 0.0001, .factor = 4}),
              "");
}

TEST(PrinterChoice, WithoutAPrinterTheUserMayWriteAPdfFile) {
    FakeDialogs dialogs;
    dialogs.confirmAnswers = {true};
    dialogs.saveNames = {QStringLiteral("/tmp/page.pdf")};
    QPrinter printer;
    EXPECT_TRUE(UsePrinterOrPdf(printer, QPrinterInfo(), dialogs, nullptr));
    EXPECT_EQ(dialogs.confirmations,
              QStringList{QStringLiteral("プリンターが設定されていません。PDF ファイルに保存しますか？")});
    EXPECT_EQ(dialogs.saveFilters, QStringList{QStringLiteral("PDF|*.pdf")});
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/page.pdf"));
}

TEST(PrinterChoice, DecliningEitherQuestionPrintsNothing) {
    FakeDialogs dialogs;
    dialogs.confirmAnswers = {false, true};
    QPrinter printer;
    EXPECT_FALSE(UsePrinterOrPdf(printer, QPrinterInfo(), dialogs, nullptr));
    EXPECT_TRUE(dialogs.saveFilters.isEmpty());                                // no file dialog after "no"
    EXPECT_FALSE(UsePrinterOrPdf(printer, QPrinterInfo(), dialogs, nullptr));  // file dialog cancelled
    EXPECT_EQ(dialogs.saveFilters.size(), 1);
    EXPECT_EQ(dialogs.confirmations.size(), 2);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PdfPrintTest, FailuresReachTheUserAsErrors) {
    FakeDialogs dialogs;
    const QString unwritable = dir.filePath(QStringLiteral("missing/folder/out.pdf"));
    printer.setOutputFileName(unwritable);
    SolidWindow window(50, 50);
    RunCommand(dialogs, &window, [&] { PrintWindowImage(window, ScaleMode::Proportional, printer); });
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(unwritable)) << dialogs.errors[0].toStdString();

    printer.setOutputFileName(pdf);
    QWidget empty;
    empty.resize(0, 0);
    RunCommand(dialogs, &empty, [&] { PrintWindowImage(empty, ScaleMode::FitToPage, printer); });
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_EQ(dialogs.errors[1], QStringLiteral("ウィンドウの画像を取得できません"));
    // The job was ended all the same: the file is a complete PDF.
    EXPECT_EQ(pdf_tools::PageCount(pdf), 1);
}

}  // namespace
