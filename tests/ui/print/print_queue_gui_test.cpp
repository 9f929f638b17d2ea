// Printing on the real default printer: the PDF printer queue that
// scripts/start-print-queue.sh sets up. The print page and the main window are
// printed through the program's own menu commands and button, and the PDF files the
// queue writes are read back.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "core/base/number_text.h"
#include "tests/support/pdf_tools.h"
#include "tests/support/vek_test_app.h"
#include "ui/print/prin.h"
#include "ui/print/window_print.h"

using namespace torsion;

namespace {

constexpr int kDpi = 50;
constexpr int kScreenDpi = 96;
constexpr qint64 kWaitMs = 60000;

QString OutputFolder() {
    const QString env = qEnvironmentVariable("TS_PRINT_OUT_DIR");
    return env.isEmpty() ? QStringLiteral("/var/spool/cups-pdf/torsion") : env;
}

QSet<QString> PdfFiles() {
    const QStringList names = QDir(OutputFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

// Waits (bounded) for a PDF that was not there before and that is complete.
QString WaitForNewPdf(const QSet<QString>& before) {
    QElapsedTimer clock;
    clock.start();
    QString candidate;
    qint64 lastSize = -1;
    while (clock.elapsed() < kWaitMs) {
        const QSet<QString> now = PdfFiles();
        for (const QString& name : now) {
            if (!before.contains(name)) candidate = QDir(OutputFolder()).filePath(name);
        }
        if (!candidate.isEmpty()) {
            const qint64 size = QFileInfo(candidate).size();
            if (size > 0 && size == lastSize && pdf_tools::PageCount(candidate) >= 1) return candidate;
            lastSize = size;
        }
        QTest::qWait(250);
    }
    return QString();
}

// Printable area of the default printer, in page pixels at kDpi.
QRectF PrintableArea() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    const QRectF in = printer.pageLayout().paintRect(QPageLayout::Inch);
    return {in.x() * kDpi, in.y() * kDpi, in.width() * kDpi, in.height() * kDpi};
}

QRectF ScreenToPage(const QRect& screen, const QRectF& area) {
    const double s = double(kDpi) / kScreenDpi;
    return {area.x() + screen.x() * s, area.y() + screen.y() * s, screen.width() * s, screen.height() * s};
}

class PrintQueueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull())
            << "no default printer: run scripts/start-print-queue.sh first";
        ASSERT_TRUE(QDir(OutputFolder()).exists()) << OutputFolder().toStdString();
        app.window->show();
        QApplication::processEvents();
    }

    void CheckPage(const QString& pdf) {
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF within " << kWaitMs / 1000 << " s in "
                                    << OutputFolder().toStdString();
        EXPECT_EQ(pdf_tools::PageCount(pdf), 1);
        const QSizeF points = pdf_tools::PageSizePoints(pdf);
        EXPECT_NEAR(points.width(), 595, 1);  // A4 portrait
        EXPECT_NEAR(points.height(), 842, 1);
    }

    MainWindowApp app;
};

TEST_F(PrintQueueTest, PrintPageComesOutAtItsScreenSize) {
    Tprinform page(app.materials, app.dialogs, app.window.get());
    app.window->setToolWindows(nullptr, nullptr, &page);
    app.calculate();
    const QSet<QString> before = PdfFiles();

    QImage screen;
    QString moment;
    bool pressed = false;
    QTimer::singleShot(0, &page, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&page));
        auto* grid = page.findChild<QTableWidget*>(QStringLiteral("sg1"));
        moment = grid->item(8, 3)->text();
        grid->setFocus();
        grid->setCurrentCell(3, 3);  // a selected cell must not show on paper
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        pressed = true;
        screen = page.grab().toImage();
        page.accept();
    });
    app.window->findChild<QAction*>(QStringLiteral("N5"))->trigger();  // N5Click: fill, exec
    ASSERT_TRUE(pressed);
    EXPECT_EQ(app.dialogs.errors, QStringList());
    EXPECT_EQ(moment, QString::fromStdString(FormatShort(app.window->cases()[0].moment1 * 9.80665)));

    const QString pdf = WaitForNewPdf(before);
    CheckPage(pdf);
    const QImage printed = pdf_tools::RenderFirstPage(pdf, kDpi);
    ASSERT_FALSE(printed.isNull());
    // Pictures for the documentation, when asked for: the page and its print.
    const QString docs = qEnvironmentVariable("TS_PRINT_DOCS_DIR");
    if (!docs.isEmpty()) {
        EXPECT_TRUE(screen.save(QDir(docs).filePath(QStringLiteral("print-page.png")), "PNG"));
        EXPECT_TRUE(pdf_tools::RenderFirstPage(pdf, 100).save(
            QDir(docs).filePath(QStringLiteral("printed-page.png")), "PNG"));
    }

    // Proportional: every screen pixel is 1/96 inch on paper, from the top left of the
    // printable area. The ink of the page and of the screen picture must coincide.
    const QRectF expected = ScreenToPage(pdf_tools::InkBox(screen, 160), PrintableArea());
    const QRect ink = pdf_tools::InkBox(printed, 160);
    EXPECT_NEAR(ink.left(), expected.left(), 3);
    EXPECT_NEAR(ink.top(), expected.top(), 3);
    EXPECT_NEAR(ink.right(), expected.right(), 3);
    EXPECT_NEAR(ink.bottom(), expected.bottom(), 3);
    // The table's light frame ends 779 px (8.1 inches) down the printable area.
    const QRect frame = pdf_tools::InkBox(printed, 250);
    EXPECT_NEAR(frame.bottom() + 1 - PrintableArea().top(), 779.0 * kDpi / kScreenDpi, 2);
    QFile::remove(pdf);
}

TEST_F(PrintQueueTest, MainWindowFillsThePageWidth) {
    app.calculate();
    const QSet<QString> before = PdfFiles();
    app.window->findChild<QAction*>(QStringLiteral("N1"))->trigger();  // N1Click
    EXPECT_EQ(app.dialogs.errors, QStringList());

    const QString pdf = WaitForNewPdf(before);
    CheckPage(pdf);
    const QImage printed = pdf_tools::RenderFirstPage(pdf, kDpi);
    ASSERT_FALSE(printed.isNull());

    // The window's background is not white, so the ink box is the whole picture.
    const QRectF area = PrintableArea();
    const QSize client = ClientArea(*app.window).size();
    const QRect ink = pdf_tools::InkBox(printed, 252);
    EXPECT_NEAR(ink.left(), area.left(), 2);
    EXPECT_NEAR(ink.top(), area.top(), 2);
    EXPECT_NEAR(ink.width(), area.width(), 3);
    EXPECT_NEAR(ink.height(), area.width() * client.height() / client.width(), 3);
    EXPECT_LT(ink.bottom(), area.bottom() - 10);  // the lower part of the page stays empty
    QFile::remove(pdf);
}

}  // namespace
