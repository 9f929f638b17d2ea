#include "ui/common/step_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <string>

#include "core/base/command_error.h"
#include "core/base/file_io.h"

using namespace torsion;

namespace {

constexpr const char* kLibraryName = "libtorsion_step.so";

// Beside the program as installed, or one folder up for the build tree's test programs.
WriteSpringStepEntry LoadEntry() {
    static WriteSpringStepEntry entry = nullptr;
    if (entry != nullptr) return entry;
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QString path = programFolder.filePath(QString::fromLatin1(kLibraryName));
    if (!QFileInfo::exists(path)) {
        const QString above =
            programFolder.filePath(QStringLiteral("../") + QString::fromLatin1(kLibraryName));
        if (QFileInfo::exists(above)) path = QFileInfo(above).canonicalFilePath();
    }
    QLibrary library(path);
    if (library.load())
        entry = reinterpret_cast<WriteSpringStepEntry>(library.resolve(kWriteSpringStepEntry));
    if (entry == nullptr)
        throw CommandError(
            QCoreApplication::translate("step_module", "3D モデル出力の部品 %1 を読み込めません (%2)")
                .arg(path, library.errorString())
                .toStdString());
    return entry;
}

}  // namespace

void WriteSpringStepFile(const QString& path, const SpringShape& shape, const StepTitle& title) {
    const WriteSpringStepEntry write = LoadEntry();
    // The one replacing write of every file: the kernel writes the temporary file, which
    // replaces the old one once complete and goes when the command is interrupted.
    ReplacingFile file(path.toStdString());
    std::string message;
    if (!write(file.temporaryPath().c_str(), &shape, &title, &message)) {
        // The temporary name means nothing to the user: the file asked for is named.
        if (message == ComposedText(kCannotCreateMessage, {file.temporaryPath()}).Japanese())
            ThrowCannotCreate(path.toStdString());
        // The kernel's own message comes back as its Japanese words: the catalogue's text.
        if (message == kCannotModelMessage) throw CommandError(kCannotModelMessage);
        throw CommandError(message);
    }
    file.Commit();
}
