#include "core/base/composed_text.h"

#include <ostream>

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

std::string ComposedText::Japanese() const {
    if (IsVerbatim()) return verbatim_;
    if (arguments_.empty()) return pattern_;
    std::vector<std::string> filled;
    filled.reserve(arguments_.size());
    for (const ComposedText& a : arguments_) filled.push_back(a.Japanese());
    return FillPattern(pattern_, filled);
}

std::ostream& operator<<(std::ostream& out, const ComposedText& text) {
    return out << text.Japanese();
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
