// A text of the core in two parts: a catalogue pattern ("バネ指数=%1", marked TS_TEXT) and its
// arguments (numbers, units, symbols, file names, or catalogue texts of their own). The core
// writes it in Japanese (Japanese()); the Qt layer looks the pattern up in the reader's
// language and fills in the same arguments (WindowText, ui/common/window_text.h), so the
// numbers and units stay as they are and only the words change.
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/catalogue_text.h"

namespace torsion {

class ComposedText {
  public:
    ComposedText() = default;
    // A catalogue text (marked TS_TEXT where it stands), possibly with %1..%9.
    ComposedText(const char* pattern) : pattern_(pattern) {}
    ComposedText(const char* pattern, std::initializer_list<ComposedText> arguments)
        : pattern_(pattern), arguments_(Share(arguments)) {}
    ComposedText(const char* pattern, std::vector<ComposedText> arguments)
        : pattern_(pattern), arguments_(Share(std::move(arguments))) {}
    // A catalogue text with the note that tells its reading apart (TS_TERM).
    ComposedText(CatalogueTerm term) : pattern_(term.text), note_(term.note) {}
    ComposedText(CatalogueTerm term, std::initializer_list<ComposedText> arguments)
        : pattern_(term.text), note_(term.note), arguments_(Share(arguments)) {}
    // A text the same in every language: a number, a unit, a symbol, a name the user typed.
    ComposedText(std::string verbatim) : verbatim_(std::move(verbatim)) {}
    // A number the same in every language, FormatGeneral(value, precision), written out only
    // when the text is read: a line nobody reads costs no number formatting.
    static ComposedText Number(double value, int precision) {
        ComposedText t;
        t.number_ = value;
        t.precision_ = precision;
        return t;
    }

    bool IsVerbatim() const { return pattern_ == nullptr; }
    const char* pattern() const { return pattern_; }
    // The disambiguation of the pattern's catalogue entry; null for most texts.
    const char* note() const { return note_; }
    // The text of a verbatim part (a number written out now).
    std::string verbatim() const;
    // True for the catalogue text pattern without arguments (compared by its characters).
    bool IsText(const char* pattern) const;
    const std::vector<ComposedText>& arguments() const {
        static const std::vector<ComposedText> kNone;
        return arguments_ ? *arguments_ : kNone;
    }

    // The text as the core writes it (the Japanese of the pattern, arguments filled in).
    std::string Japanese() const;
    bool empty() const { return Japanese().empty(); }

    // Texts are equal when they read the same in Japanese.
    friend bool operator==(const ComposedText& a, const ComposedText& b) {
        return a.Japanese() == b.Japanese();
    }
    friend bool operator==(const ComposedText& a, std::string_view b) { return a.Japanese() == b; }
    friend bool operator==(const ComposedText& a, const std::string& b) { return a.Japanese() == b; }
    friend bool operator==(const ComposedText& a, const char* b) { return a.Japanese() == b; }

  private:
    const char* pattern_ = nullptr;
    const char* note_ = nullptr;
    using Arguments = std::vector<ComposedText>;
    static std::shared_ptr<const Arguments> Share(Arguments arguments) {
        if (arguments.empty()) return nullptr;
        return std::make_shared<const Arguments>(std::move(arguments));
    }

    std::string verbatim_;
    // A text never changes once made: a copy shares the arguments instead of copying the tree.
    std::shared_ptr<const Arguments> arguments_;
    double number_ = 0;
    int precision_ = 0;  // a number when > 0
};

// The separator of a list of names ("線径・コイル径"), a word of its own in each language.
inline constexpr const char* kListSeparator = TS_TEXT("・");

// The Japanese text (for test messages).
std::ostream& operator<<(std::ostream& out, const ComposedText& text);

// The pattern with %1..%9 replaced by the arguments in one pass (an argument's own "%1" stays
// as it is); a "%" without the number of a given argument stays as it is.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments);

// The texts one after another, as one composed text (any number of them).
ComposedText Sequence(std::vector<ComposedText> parts);

// The texts one after another, each in Japanese, separated by separator.
std::string JoinedJapanese(const std::vector<ComposedText>& texts, std::string_view separator);

}  // namespace torsion
