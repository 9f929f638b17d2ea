// Comma-separated text.
#include "core/base/csv_text.h"

#include <charconv>
#include <cmath>

namespace torsion {

void SplitCsvLine(std::string_view line, std::vector<std::string_view>& fields, std::string& scratch) {
    fields.clear();
    scratch.clear();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // Unquoted fields point into line; quoted ones are copied into scratch, whose
    // storage must not move while views into it are kept.
    scratch.reserve(line.size());
    std::size_t i = 0;
    for (;;) {
        if (i < line.size() && line[i] == '"') {
            const std::size_t start = scratch.size();
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        scratch += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                scratch += line[i++];
            }
            // Text after the closing quote up to the comma belongs to the field too.
            while (i < line.size() && line[i] != ',') scratch += line[i++];
            fields.emplace_back(scratch.data() + start, scratch.size() - start);
        } else {
            const std::size_t comma = line.find(',', i);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            fields.push_back(line.substr(i, end - i));
            i = end;
        }
        if (i >= line.size()) break;
        ++i;  // the comma
        if (i == line.size()) {
            fields.emplace_back();  // a line ending in a comma has an empty last field
            break;
        }
    }
}

std::vector<std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string_view> views;
    std::string scratch;
    SplitCsvLine(line, views, scratch);
    return std::vector<std::string>(views.begin(), views.end());
}

void AppendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char ch : field) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

void AppendRoundTrip(std::string& out, double value) {
    if (!std::isfinite(value)) return;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string FifteenDigitText(double value) {
    if (!std::isfinite(value)) return {};
    char buffer[32];
    // General format drops trailing zeros, as %g does.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

bool IsUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p != end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        unsigned lowest = 0x80, highest = 0xBF;  // range of the second byte
        if (*p >= 0xC2 && *p <= 0xDF) {
            more = 1;
        } else if (*p >= 0xE0 && *p <= 0xEF) {
            more = 2;
            if (*p == 0xE0) lowest = 0xA0;   // overlong
            if (*p == 0xED) highest = 0x9F;  // surrogates
        } else if (*p >= 0xF0 && *p <= 0xF4) {
            more = 3;
            if (*p == 0xF0) lowest = 0x90;   // overlong
            if (*p == 0xF4) highest = 0x8F;  // past U+10FFFF
        } else {
            return false;
        }
        if (end - p <= more) return false;
        if (p[1] < lowest || p[1] > highest) return false;
        for (int i = 2; i <= more; ++i)
            if ((p[i] & 0xC0) != 0x80) return false;
        p += more + 1;
    }
    return true;
}

std::string RoundTripText(double value) {
    std::string text;
    AppendRoundTrip(text, value);
    return text;
}

}  // namespace torsion
