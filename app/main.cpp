// Program start: the application, the shared data, the main window and its tool
// windows, then the event loop until the main window closes.
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QScreen>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/command_line.h"
#include "app/startup_hooks.h"
#include "core/materials/coefficients.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "drawing/japanese_font.h"
#include "ui/common/data_files.h"
#include "ui/common/dialogs.h"
#include "ui/common/first_paint.h"
#include "ui/common/language.h"
#include "ui/common/settings.h"
#include "ui/editors/u_data_make.h"
#include "ui/editors/u_keisuu_make.h"
#include "ui/main_window/history_recovery.h"
#include "ui/main_window/tool_windows.h"
#include "ui/main_window/vek.h"
#include "ui/print/prin.h"

using namespace torsion;

namespace {

// What Qt says while the window program connects to the screen, held back: when the
// connection fails, the user gets one line instead of the platform plugin's messages
// and an abort; when it works, the messages are passed on.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage> gHeldMessages;
QtMessageHandler gPassOn = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) ::_exit(RefuseWithoutScreen());
    gHeldMessages.push_back({type, text});
}

void PassHeldMessagesOn() {
    qInstallMessageHandler(gPassOn);
    for (const HeldMessage& m : gHeldMessages) {
        if (gPassOn != nullptr)
            gPassOn(m.type, QMessageLogContext(), m.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(m.text));
    }
    gHeldMessages.clear();
}

}  // namespace

int main(int argc, char** argv) {
    // Batch work and exports run without any window. Otherwise the window starts, with
    // no argument or with one case file to open; any other argument ends the program
    // before a display is touched.
    if (IsCommandLineRun(argc, argv)) return RunCommandLine(argc, argv);
    const std::optional<std::string> caseFile = CaseFileToOpen(argc, argv);
    if (argc > 1 && !caseFile) return RefuseUnknownArguments(argc, argv);
    if (!ScreenNamed()) return RefuseWithoutScreen();
    ReportStartupStep("process");
    // Reading the font configuration is one of the longest steps of the start-up and
    // the first text of the window waits for it; it runs beside the connection to the
    // display, which does not need it.
    std::thread fontConfiguration([] { FcInit(); });
    gPassOn = qInstallMessageHandler(HoldMessage);
    QApplication app(argc, argv);
    PassHeldMessagesOn();
    fontConfiguration.join();
    ReportStartupStep("application");
    // The settings file is <user configuration folder>/torsion-spring/torsion-spring.ini;
    // the user's own tables are in the user's data folder under the same names. The
    // settings decide the language before any window shows a word.
    SetProgramNames();
    Settings settings;
    InstallLanguage(app, settings.language().value_or(LanguageOfEnvironment()),
                    QCoreApplication::applicationDirPath());
    QApplication::setApplicationDisplayName(QCoreApplication::translate("main", "ねじりコイルばね設計計算"));
    QApplication::setFont(JapaneseFont(12));
    ReportStartupStep("fonts");

    MaterialTable materials{};
    KindIndex kinds{};
    CoefficientRecord coefficients{};
    QtDialogs dialogs;
    const QString appDir = QCoreApplication::applicationDirPath();

    // A relative name is taken from the working folder the program was started in.
    const QString caseFileName =
        caseFile ? QFileInfo(QString::fromLocal8Bit(*caseFile)).absoluteFilePath() : QString();
    Tf_vek f_vek(materials, kinds, coefficients, dialogs, appDir);
    f_vek.setSettings(settings);
    f_vek.FitToScreen(f_vek.screen()->availableGeometry());
    ReportStartupStep("main-window");
    // The tool windows stay hidden until their menu item shows them. They are created
    // once, after the main window has read the files and has first been painted, so
    // the user sees the main window without waiting for them; a menu item chosen
    // before that creates them first.
    std::unique_ptr<Tdata_make> data_make;
    std::unique_ptr<Tkeisuu_make> keisuu_make;
    std::unique_ptr<Tprinform> prinform;
    f_vek.toolWindows().setMaker([&] {
        data_make = std::make_unique<Tdata_make>(materials, dialogs, &f_vek);
        data_make->setProgramFolder(appDir);
        keisuu_make = std::make_unique<Tkeisuu_make>(coefficients, dialogs, appDir, &f_vek);
        prinform = std::make_unique<Tprinform>(materials, dialogs, &f_vek);
        f_vek.setToolWindows(data_make.get(), keisuu_make.get(), prinform.get());
    });
    WhenFirstPainted(&f_vek, [&f_vek, &caseFileName] {
        ReportStartupStep("first-paint");
        f_vek.toolWindows().Ensure();
        // The recovery folder is looked at once the window is on the screen, so a
        // question about a history left by a crash stands over the window it concerns.
        f_vek.EnableRecovery(HistoryRecovery::DefaultFolder());
        // The case file named on the command line (the file manager's "open with") is
        // read as "読み取り" reads it, with its questions, after any question about a
        // history left by a crash.
        if (!caseFileName.isEmpty()) f_vek.ReadCaseFileNamed(caseFileName);
        EndOfStartup();
    });
    f_vek.show();
    ReportStartupStep("shown");
    TakeScreenshotsIfAsked(f_vek);
    return app.exec();
}
