// Printing a window: its client area as one picture on one page, and the one place
// where the program chooses the printer.
#pragma once

#include <QPrinter>
#include <QPrinterInfo>
#include <QSize>
#include <QWidget>

#include "core/report/print_scaling.h"
#include "ui/common/dialogs.h"

enum class ScaleMode { Proportional, FitToPage };

// The printed size of a picture of `picture` pixels on `printer` (its resolution and
// printable area in device pixels).
QSize PrintedSize(QSize picture, ScaleMode mode, const QPrinter& printer);

// The part of the window that is printed: the central widget of a main window (menu
// bar and frame excluded), otherwise the window itself.
QWidget& ClientArea(QWidget& window);

// Grabs the client area as the window paints it now and draws it stretched to the
// printed size at the top left of the printable area of one page, then ends the job.
// The job is ended also when a step fails; failures throw CommandError.
void PrintWindowImage(QWidget& window, ScaleMode mode, QPrinter& printer);

// Points printer at defaultPrinter. Without a configured printer the user is asked
// whether to write a PDF file instead and for its name. Returns false when the user
// declines either question: nothing is to be printed then.
bool UsePrinterOrPdf(QPrinter& printer, const QPrinterInfo& defaultPrinter, Dialogs& dialogs,
                     QWidget* parent);

// The print commands: the window on the system's default printer (or a PDF file the
// user names), errors shown through the standard error dialog.
void PrintWindowOnDefaultPrinter(QWidget& window, ScaleMode mode, Dialogs& dialogs);

inline const char* const kNoPrinterQuestion =
    QT_TRANSLATE_NOOP("window_print", "プリンターが設定されていません。PDF ファイルに保存しますか？");
inline constexpr const char* kPdfFilter = "PDF|*.pdf";
