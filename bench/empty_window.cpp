// Reference program for the start-up benchmark: an empty main window of the same size
// as the calculator's. It reports when it was first painted, as the
// calculator does, and ends.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>

#include "drawing/japanese_font.h"
#include "ui/common/first_paint.h"

int main(int argc, char** argv) {
    ReportStartupStep("process");
    QApplication app(argc, argv);
    ReportStartupStep("application");
    QMainWindow window;
    window.resize(823, 837);
    window.move(301, 76);
    // With TS_EMPTY_WITH_TEXT the window carries one Japanese caption in the
    // calculator's font, so the fonts are loaded as in any window that shows text.
    if (qEnvironmentVariableIsSet("TS_EMPTY_WITH_TEXT")) {
        QApplication::setFont(JapaneseFont(12));
        window.setCentralWidget(new QLabel(QStringLiteral("ねじりコイルばね設計計算")));
    }
    WhenFirstPainted(&window, [] {
        ReportStartupStep("first-paint");
        QCoreApplication::quit();
    });
    window.show();
    return app.exec();
}
