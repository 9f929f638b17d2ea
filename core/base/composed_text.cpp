#include "core/base/composed_text.h"

#include <cstring>
#include <ostream>

#include "core/base/number_text.h"

namespace torsion {

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < arguments.size()) {
                out += arguments[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string ComposedText::verbatim() const {
    return precision_ > 0 ? FormatGeneral(number_, precision_) : verbatim_;
}

bool ComposedText::IsText(const char* pattern) const {
    return pattern_ != nullptr && !arguments_ && (pattern_ == pattern || std::strcmp(pattern_, pattern) == 0);
}

std::string ComposedText::Japanese() const {
    if (IsVerbatim()) return verbatim();
    if (!arguments_) return pattern_;
    std::vector<std::string> filled;
    filled.reserve(arguments_->size());
    for (const ComposedText& a : *arguments_) filled.push_back(a.Japanese());
    return FillPattern(pattern_, filled);
}

std::ostream& operator<<(std::ostream& out, const ComposedText& text) {
    return out << text.Japanese();
}

ComposedText Sequence(std::vector<ComposedText> parts) {
    // Patterns that are not in the catalogue: every language reads them as they are.
    static constexpr const char* kPatterns[] = {
        "",           "%1",           "%1%2",           "%1%2%3",           "%1%2%3%4",
        "%1%2%3%4%5", "%1%2%3%4%5%6", "%1%2%3%4%5%6%7", "%1%2%3%4%5%6%7%8", "%1%2%3%4%5%6%7%8%9"};
    if (parts.size() <= 9) {
        const char* pattern = kPatterns[parts.size()];
        return {pattern, std::move(parts)};
    }
    std::vector<ComposedText> rest(std::make_move_iterator(parts.begin() + 8),
                                   std::make_move_iterator(parts.end()));
    parts.resize(8);
    parts.push_back(Sequence(std::move(rest)));
    return {kPatterns[9], std::move(parts)};
}

std::string JoinedJapanese(const std::vector<ComposedText>& texts, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) out += separator;
        out += texts[i].Japanese();
    }
    return out;
}

}  // namespace torsion
