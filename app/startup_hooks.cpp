#include "app/startup_hooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <iterator>

#include "core/base/command_error.h"
#include "core/base/file_io.h"
#include "core/model/design_case.h"
#include "ui/common/first_paint.h"
#include "ui/main_window/vek.h"

void EndOfStartup() {
    ReportStartupStep("tool-windows");
    if (qEnvironmentVariableIsSet("TS_QUIT_AFTER_START")) QCoreApplication::quit();
}

void TakeScreenshotsIfAsked(Tf_vek& window) {
    const QString screenshot = qEnvironmentVariable("TS_SCREENSHOT");
    if (screenshot.isEmpty()) return;
    Tf_vek* f_vek = &window;
    QTimer::singleShot(300, f_vek, [f_vek, screenshot] {
        if (auto* calculate = f_vek->findChild<QPushButton*>(QStringLiteral("BitBtn2"))) calculate->click();
        QTimer::singleShot(300, f_vek, [f_vek, screenshot] {
            bool saved = f_vek->grab().save(screenshot, "PNG");
            // Each page of the page control as well, beside the window's picture.
            if (auto* pages = f_vek->findChild<QTabWidget*>(QStringLiteral("PageControl1"))) {
                const QDir folder = QFileInfo(screenshot).absoluteDir();
                const QString names[] = {
                    QStringLiteral("history-page.png"), QStringLiteral("spring-page.png"),
                    QStringLiteral("characteristic-page.png"), QStringLiteral("spring-3d-page.png"),
                    QStringLiteral("practice-page.png")};
                for (int i = 0; i < pages->count() && i < static_cast<int>(std::size(names)); ++i) {
                    pages->setCurrentIndex(i);
                    saved = pages->grab().save(folder.filePath(names[i]), "PNG") && saved;
                }
                pages->setCurrentIndex(0);
            }
            // The calculated cases for the pictures of a report, when asked for.
            const QString cases = qEnvironmentVariable("TS_SCREENSHOT_CASES");
            if (!cases.isEmpty()) {
                try {
                    torsion::WriteFileReplacing(cases.toStdString(),
                                                torsion::EncodeCaseTable(f_vek->cases()));
                } catch (const torsion::CommandError&) {
                    saved = false;
                }
            }
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
}
