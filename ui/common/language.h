// The language of the words the user reads: Japanese (the texts as written in the code)
// or English (the catalogue torsion-spring_en.qm beside the program). The program follows
// the locale unless the user chose a language in the menu "表示".
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "core/base/composed_text.h"

class QCoreApplication;
class QTranslator;

enum class Language { Japanese, English };

// "ja" or "en", as the settings file and the command line write it.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// The language of a locale name such as "en_GB.UTF-8": English for "en…", Japanese otherwise.
Language LanguageOfLocaleName(const QString& localeName);
// The language of the environment (LC_ALL, LC_MESSAGES, LANG, the first one set).
Language LanguageOfEnvironment();

// The file name of a language's catalogue; empty for Japanese, which needs none.
QString CatalogueFileName(Language language);

// The catalogue of a language read from the folder; null for Japanese or when the file
// is missing or unreadable (the words then stay Japanese).
std::unique_ptr<QTranslator> LoadCatalogue(Language language, const QString& folder);

// Installs the catalogue for the whole program (and Qt's own Japanese texts for
// Japanese); false when English was asked for and its catalogue could not be read.
bool InstallLanguage(QCoreApplication& app, Language language, const QString& folder);

// A text of the core (UTF-8, Japanese) in the program's language. The core marks such texts
// with TS_TEXT (core/base/catalogue_text.h); they belong to the catalogue's context "torsion".
QString CoreText(const char* utf8);

// A text of the core in the language of a catalogue of its own (the report's choice):
// the text itself when the catalogue is null.
QString CoreTextIn(const QTranslator* catalogue, const char* utf8);
// A composed text of the core (core/base/composed_text.h) in that language.
QString CoreTextIn(const QTranslator* catalogue, const torsion::ComposedText& text);
