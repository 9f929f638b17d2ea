// Reference program for the start-up benchmark: an empty main window of the same size
// and font as the calculator's, shown and painted once, then the program ends.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include "graphics/japanese_font.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(JapaneseFont(12));
    QMainWindow window;
    window.resize(823, 837);
    window.move(301, 76);
    // With TS_EMPTY_WITH_TEXT the window carries one Japanese caption, so the font
    // database is loaded as in any window that shows text.
    if (qEnvironmentVariableIsSet("TS_EMPTY_WITH_TEXT"))
        window.setCentralWidget(new QLabel(QStringLiteral("ねじりコイルばね設計計算")));
    window.show();
    QTimer::singleShot(0, &app, [&window] {
        window.repaint();
        QCoreApplication::quit();
    });
    return app.exec();
}
