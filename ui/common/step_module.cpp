#include "ui/common/step_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <string>

#include "core/base/command_error.h"

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
        throw CommandError("3D モデル出力の部品 " + path.toStdString() + " を読み込めません (" +
                           library.errorString().toStdString() + ")");
    return entry;
}

}  // namespace

void WriteSpringStepFile(const QString& path, const SpringShape& shape, const StepTitle& title) {
    const WriteSpringStepEntry write = LoadEntry();
    std::string message;
    if (!write(path.toStdString().c_str(), &shape, &title, &message)) throw CommandError(message);
}
