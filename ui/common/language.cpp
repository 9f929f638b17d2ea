#include "ui/common/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include "drawing/report_words.h"
#include "ui/common/japanese_translation.h"

namespace {
const char* const kCoreContext = "torsion";
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> LanguageOfCode(const QString& code) {
    if (code == QLatin1String("en")) return Language::English;
    if (code == QLatin1String("ja")) return Language::Japanese;
    return std::nullopt;
}

Language LanguageOfLocaleName(const QString& localeName) {
    return localeName.startsWith(QLatin1String("en")) ? Language::English : Language::Japanese;
}

Language LanguageOfEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return LanguageOfLocaleName(value);
    }
    return Language::Japanese;
}

QString CatalogueFileName(Language language) {
    return language == Language::English ? QStringLiteral("torsion-spring_en.qm") : QString();
}

std::unique_ptr<QTranslator> LoadCatalogue(Language language, const QString& folder) {
    if (language == Language::Japanese) return nullptr;
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(QDir(folder).filePath(CatalogueFileName(language)))) return nullptr;
    return catalogue;
}

bool InstallLanguage(QCoreApplication& app, Language language, const QString& folder) {
    if (language == Language::Japanese) {
        InstallQtJapanese(app);
        return true;
    }
    std::unique_ptr<QTranslator> catalogue = LoadCatalogue(language, folder);
    if (!catalogue) return false;
    QTranslator* installed = catalogue.release();
    installed->setParent(&app);
    return QCoreApplication::installTranslator(installed);
}

QString CoreText(const char* utf8) {
    return QCoreApplication::translate(kCoreContext, utf8);
}

QString CoreTextIn(const QTranslator* catalogue, const char* utf8) {
    if (catalogue != nullptr) {
        const QString text = catalogue->translate(kCoreContext, utf8);
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(utf8);
}

QString CoreTextIn(const QTranslator* catalogue, const torsion::ComposedText& text) {
    return FilledText(text, [catalogue](const char* pattern, const char* note) {
        if (catalogue != nullptr) {
            const QString found = catalogue->translate(kCoreContext, pattern, note);
            if (!found.isEmpty()) return found;
        }
        return QString::fromUtf8(pattern);
    });
}
