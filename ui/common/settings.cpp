// What the program remembers between runs, over QSettings in ini format.
#include "ui/common/settings.h"

#include <QCoreApplication>
#include <QSettings>
#include <string>
#include <vector>

#include "core/files/recent_files.h"
#include "core/tolerances/tolerance_table.h"

using namespace torsion;

namespace {

const QString kUnitKey = QStringLiteral("View/unit");
const QString kLanguageKey = QStringLiteral("View/language");
const QString kLastCaseFileKey = QStringLiteral("Files/lastCaseFile");
const QString kRecentFileKey = QStringLiteral("Files/recent%1");  // 1..kMaxRecentFiles
const QString kToleranceGradeKey = QStringLiteral("Characteristic/grade");
const QString kWindowXKey = QStringLiteral("Window/x");
const QString kWindowYKey = QStringLiteral("Window/y");
const QString kSiText = QStringLiteral("SI");
const QString kKgfText = QStringLiteral("kgf");

// A position far outside any desktop, yet far from overflowing when the window adds its size.
constexpr int kPositionLimit = 1000000;

}  // namespace

Settings::Settings()
    : store_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                         QCoreApplication::organizationName(),
                                         QCoreApplication::applicationName())) {}

Settings::Settings(const QString& filePath)
    : store_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

Settings::~Settings() = default;

QString Settings::fileName() const {
    return store_->fileName();
}

void Settings::sync() {
    store_->sync();
}

int Settings::intValue(const QString& key, int defaultValue, int min, int max) const {
    const QVariant value = store_->value(key);
    // Only a plain text counts: the file may hold anything under any key.
    if (value.typeId() != QMetaType::QString) return defaultValue;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 10);
    return ok && number >= min && number <= max ? number : defaultValue;
}

QString Settings::stringValue(const QString& key, const QString& defaultValue) const {
    const QVariant value = store_->value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

void Settings::setInt(const QString& key, int value) {
    store_->setValue(key, QString::number(value));
}

void Settings::setString(const QString& key, const QString& value) {
    store_->setValue(key, value);
}

void Settings::remove(const QString& key) {
    store_->remove(key);
}

UnitSystem Settings::unitSystem() const {
    return stringValue(kUnitKey) == kSiText ? UnitSystem::SI : UnitSystem::Kgf;
}

void Settings::setUnitSystem(UnitSystem unit) {
    setString(kUnitKey, unit == UnitSystem::SI ? kSiText : kKgfText);
}

int Settings::toleranceGrade() const {
    return intValue(kToleranceGradeKey, kDefaultToleranceGrade, 1, kToleranceGrades);
}

void Settings::setToleranceGrade(int grade) {
    setInt(kToleranceGradeKey, grade);
}

QString Settings::lastCaseFile() const {
    return stringValue(kLastCaseFileKey);
}

void Settings::setLastCaseFile(const QString& path) {
    setString(kLastCaseFileKey, path);
}

QStringList Settings::recentFiles() const {
    std::vector<std::string> stored;
    for (std::size_t i = 1; i <= kMaxRecentFiles; ++i)
        stored.push_back(stringValue(kRecentFileKey.arg(i)).toStdString());
    QStringList paths;
    for (const std::string& path : CleanRecentFiles(stored)) paths << QString::fromStdString(path);
    return paths;
}

void Settings::setRecentFiles(const QStringList& paths) {
    std::vector<std::string> list;
    for (const QString& path : paths) list.push_back(path.toStdString());
    list = CleanRecentFiles(list);
    for (std::size_t i = 1; i <= kMaxRecentFiles; ++i) {
        if (i <= list.size()) {
            setString(kRecentFileKey.arg(i), QString::fromStdString(list[i - 1]));
        } else {
            remove(kRecentFileKey.arg(i));
        }
    }
}

std::optional<QPoint> Settings::windowPosition() const {
    constexpr int kMissing = INT_MIN;
    const int x = intValue(kWindowXKey, kMissing, -kPositionLimit, kPositionLimit);
    const int y = intValue(kWindowYKey, kMissing, -kPositionLimit, kPositionLimit);
    if (x == kMissing || y == kMissing) return std::nullopt;
    return QPoint(x, y);
}

void Settings::setWindowPosition(const QPoint& position) {
    setInt(kWindowXKey, position.x());
    setInt(kWindowYKey, position.y());
}

std::optional<Language> Settings::language() const {
    return LanguageOfCode(stringValue(kLanguageKey));
}

void Settings::setLanguage(Language language) {
    setString(kLanguageKey, LanguageCode(language));
}
