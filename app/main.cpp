// Program start: the application, the shared data, the main window and its tool
// windows, then the event loop until the main window closes.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <memory>
#include <thread>

#include "app/dialogs.h"
#include "app/first_paint.h"
#include "app/vek.h"
#include "graphics/japanese_font.h"
#include "history/u_data_make.h"
#include "materials/coefficients.h"
#include "materials/material_selection.h"
#include "materials/material_table.h"
#include "materials/u_keisuu_make.h"
#include "print/prin.h"

using namespace torsion;

int main(int argc, char** argv) {
    ReportStartupStep("process");
    // Reading the font configuration is one of the longest steps of the start-up and
    // the first text of the window waits for it; it runs beside the connection to the
    // display, which does not need it.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfiguration.join();
    ReportStartupStep("application");
    QApplication::setApplicationDisplayName(QStringLiteral("ねじりコイルばね設計計算"));
    QApplication::setFont(JapaneseFont(12));
    ReportStartupStep("fonts");

    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    QtDialogs dialogs;
    const QString appDir = QCoreApplication::applicationDirPath();

    Tf_vek f_vek(materials, kinds, coefficients, dialogs, appDir);
    ReportStartupStep("main-window");
    // The tool windows stay hidden until their menu item shows them. They are created
    // once, after the main window has read the files and has first been painted, so
    // the user sees the main window without waiting for them; a menu item chosen
    // before that creates them first.
    std::unique_ptr<Tdata_make> data_make;
    std::unique_ptr<Tkeisuu_make> keisuu_make;
    std::unique_ptr<Tprinform> prinform;
    f_vek.setToolWindowMaker([&] {
        data_make = std::make_unique<Tdata_make>(materials, dialogs, &f_vek);
        keisuu_make = std::make_unique<Tkeisuu_make>(coefficients, dialogs, appDir, &f_vek);
        prinform = std::make_unique<Tprinform>(materials, dialogs, &f_vek);
        f_vek.setToolWindows(data_make.get(), keisuu_make.get(), prinform.get());
    });
    // For the start-up benchmark: report the steps and end once the start-up has finished.
    const bool quitAfterStart = qEnvironmentVariableIsSet("TS_QUIT_AFTER_START");
    WhenFirstPainted(&f_vek, [&f_vek, quitAfterStart] {
        ReportStartupStep("first-paint");
        f_vek.EnsureToolWindows();
        ReportStartupStep("tool-windows");
        if (quitAfterStart) QCoreApplication::quit();
    });
    f_vek.show();
    ReportStartupStep("shown");

    // For the documentation picture: calculate once, save the window as PNG, quit.
    const QString screenshot = qEnvironmentVariable("TS_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(300, &f_vek, [&f_vek, screenshot] {
            if (auto* calculate = f_vek.findChild<QPushButton*>(QStringLiteral("BitBtn2")))
                calculate->click();
            QTimer::singleShot(300, &f_vek, [&f_vek, screenshot] {
                bool saved = f_vek.grab().save(screenshot, "PNG");
                // Each page of the page control as well, beside the window's picture.
                if (auto* pages = f_vek.findChild<QTabWidget*>(QStringLiteral("PageControl1"))) {
                    const QDir folder = QFileInfo(screenshot).absoluteDir();
                    const QString names[] = {QStringLiteral("history-page.png"),
                                             QStringLiteral("spring-page.png")};
                    for (int i = 0; i < pages->count() && i < 2; ++i) {
                        pages->setCurrentIndex(i);
                        saved = pages->grab().save(folder.filePath(names[i]), "PNG") && saved;
                    }
                    pages->setCurrentIndex(0);
                }
                QCoreApplication::exit(saved ? 0 : 1);
            });
        });
    }
    return app.exec();
}
