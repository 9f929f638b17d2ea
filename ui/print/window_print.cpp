#include "ui/print/window_print.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>

#include "core/base/command_error.h"

using namespace torsion;

namespace {

constexpr const char* kCannotStart =
    QT_TRANSLATE_NOOP("window_print", "プリンター %1 で印刷を開始できません");
constexpr const char* kCannotGrab = QT_TRANSLATE_NOOP("window_print", "ウィンドウの画像を取得できません");
constexpr const char* kCannotFinish =
    QT_TRANSLATE_NOOP("window_print", "プリンター %1 の印刷を完了できません");

QString PrinterLabel(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return printer.outputFileName();
    return printer.printerName();
}

[[noreturn]] void ThrowPrinterError(const char* pattern, const QPrinter& printer) {
    throw CommandError(
        QCoreApplication::translate("window_print", pattern).arg(PrinterLabel(printer)).toStdString());
}

int ToPixels(std::int64_t v) {
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) ThrowOverflow();
    return static_cast<int>(v);
}

// Ends the painter's job on every path out of PrintWindowImage.
class JobGuard {
  public:
    explicit JobGuard(QPainter& painter) : painter_(painter) {}
    ~JobGuard() {
        if (painter_.isActive()) painter_.end();
    }
    bool finish() { return painter_.end(); }
    JobGuard(const JobGuard&) = delete;
    JobGuard& operator=(const JobGuard&) = delete;

  private:
    QPainter& painter_;
};

}  // namespace

QSize PrintedSize(QSize picture, ScaleMode mode, const QPrinter& printer) {
    const PixelSize pic{picture.width(), picture.height()};
    PixelSize printed;
    if (mode == ScaleMode::Proportional) {
        printed = ProportionalPrintSize(pic, printer.logicalDpiX(), printer.logicalDpiY());
    } else {
        // With full-page off the device metrics are the printable area.
        printed = FitToPageSize(pic, {printer.width(), printer.height()});
    }
    return {ToPixels(printed.width), ToPixels(printed.height)};
}

QWidget& ClientArea(QWidget& window) {
    if (auto* main = qobject_cast<QMainWindow*>(&window); main && main->centralWidget()) {
        // Content that scrolls on a small screen is printed whole.
        if (auto* scroll = qobject_cast<QScrollArea*>(main->centralWidget()); scroll && scroll->widget())
            return *scroll->widget();
        return *main->centralWidget();
    }
    return window;
}

void PrintWindowImage(QWidget& window, ScaleMode mode, QPrinter& printer) {
    printer.setFullPage(false);
    if (printer.docName().isEmpty()) printer.setDocName(window.windowTitle());

    QPainter painter;
    if (!painter.begin(&printer)) ThrowPrinterError(kCannotStart, printer);
    JobGuard job(painter);

    // Taken after the job is open so that the picture shows the window as it is when
    // the page is drawn (a pressed button has already taken the focus by then).
    const QPixmap picture = ClientArea(window).grab();
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        throw CommandError(QCoreApplication::translate("window_print", kCannotGrab).toStdString());

    // A grab on a high-density screen has more pixels than the window: size by the
    // window's own pixels.
    const QSize logical = picture.deviceIndependentSize().toSize();
    const QSize printed = PrintedSize(logical, mode, printer);
    painter.drawPixmap(QRect(QPoint(0, 0), printed), picture);

    if (!job.finish()) ThrowPrinterError(kCannotFinish, printer);
}

bool UsePrinterOrPdf(QPrinter& printer, const QPrinterInfo& defaultPrinter, Dialogs& dialogs,
                     QWidget* parent) {
    if (!defaultPrinter.isNull()) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(defaultPrinter.printerName());
        return true;
    }
    if (!dialogs.confirm(parent, QCoreApplication::translate("window_print", kNoPrinterQuestion)))
        return false;
    const QString path = dialogs.saveFileName(parent, QString::fromUtf8(kPdfFilter), QString());
    if (path.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return true;
}

void PrintWindowOnDefaultPrinter(QWidget& window, ScaleMode mode, Dialogs& dialogs) {
    RunCommand(dialogs, &window, [&] {
        QPrinter printer(QPrinter::HighResolution);
        if (!UsePrinterOrPdf(printer, QPrinterInfo::defaultPrinter(), dialogs, &window)) return;
        PrintWindowImage(window, mode, printer);
    });
}
