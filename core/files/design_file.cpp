// The design file (.nbdx).
#include "core/files/design_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "core/base/command_error.h"
#include "core/base/file_io.h"
#include "core/base/number_text.h"
#include "core/files/case_file.h"

namespace torsion {

namespace {

using Json = nlohmann::ordered_json;

constexpr char kHexDigits[] = "0123456789abcdef";

std::string Hex(const std::uint8_t* bytes, std::size_t n) {
    std::string out;
    out.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        out += kHexDigits[bytes[i] >> 4];
        out += kHexDigits[bytes[i] & 15];
    }
    return out;
}

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// The deepest nesting of arrays and objects, counted outside strings, stopping at limit + 1.
int NestingDepth(std::string_view text, int limit) {
    int depth = 0, deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (inString) {
            if (ch == '\\')
                ++i;
            else if (ch == '"')
                inString = false;
        } else if (ch == '"') {
            inString = true;
        } else if (ch == '[' || ch == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit) return deepest;
        } else if (ch == ']' || ch == '}') {
            --depth;
        }
    }
    return deepest;
}

[[noreturn]] void Refuse(const std::string& path, ComposedText what) {
    throw CommandError({TS_TEXT("ファイル %1 は設計ファイルとして読めません: %2"), {path, std::move(what)}});
}

bool EndsWithNoCase(const std::string& path, std::string_view suffix) {
    if (path.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(path[path.size() - suffix.size() + i])) != suffix[i])
            return false;
    return true;
}

std::string SlotName(std::size_t slot) {
    return slot == 0 ? std::string("現在のケース") : "履歴 " + std::to_string(slot);
}

// "cases[n]" as the fault names it.
std::string CaseField(std::size_t slot, const char* field) {
    return "cases[" + std::to_string(slot) + "]" + (field[0] ? std::string(".") + field : std::string());
}

}  // namespace

std::string EncodeDesignFile(const CaseTable& cases, const DesignOptionsTable& options) {
    Json root;
    root["format"] = kDesignFileFormat;
    root["version"] = kDesignFileVersion;
    Json list = Json::array();
    std::uint8_t record[kDesignCaseSize];
    for (std::size_t slot = 0; slot < cases.size(); ++slot) {
        EncodeDesignCase(cases[slot], record);
        Json entry;
        entry["record"] = Hex(record, kDesignCaseSize);
        entry["practice"] = PracticeKey(options[slot].practice);
        entry["temperature_c"] = options[slot].temperature;
        // Legs and pitch only where they differ from the record's own straight legs and touching coils.
        for (std::size_t leg = 0; leg < 2; ++leg) {
            const LegEnd& end = options[slot].legs[leg];
            if (end == LegEnd{}) continue;
            Json l;
            l["shape"] = LegShapeKey(end.shape);
            l["straight_mm"] = end.straightLength;
            l["bend_r_mm"] = end.bendRadius;
            entry[leg == 0 ? "leg1" : "leg2"] = std::move(l);
        }
        if (options[slot].pitchGap != 0) entry["pitch_gap_mm"] = options[slot].pitchGap;
        list.push_back(std::move(entry));
    }
    root["cases"] = std::move(list);
    return root.dump(1) + "\n";
}

void DecodeDesignFile(std::string_view text, const std::string& path, CaseTable& cases,
                      DesignOptionsTable& options) {
    auto fault = [&path](ComposedText what) { Refuse(path, std::move(what)); };
    if (text.size() > kMaxDesignFileBytes)
        fault("大きすぎます (" + std::to_string(kMaxDesignFileBytes) + " バイトまで)");
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (NestingDepth(text, kMaxDesignFileDepth) > kMaxDesignFileDepth) fault(TS_TEXT("入れ子が深すぎます"));
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& e) {
        const auto* parse = dynamic_cast<const Json::parse_error*>(&e);
        fault("JSON の誤り" + (parse ? " (" + std::to_string(parse->byte) + " バイト目)" : std::string()));
    }
    if (!root.is_object()) fault(TS_TEXT("全体がオブジェクトではありません"));
    for (const auto& [key, value] : root.items())
        if (key != "format" && key != "version" && key != "cases") fault("知らない項目 " + key);
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string() || format->get<std::string>() != kDesignFileFormat)
        fault("format が " + std::string(kDesignFileFormat) + " ではありません");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer())
        fault(TS_TEXT("version が整数ではありません"));
    if (version->get<std::int64_t>() != kDesignFileVersion)
        fault("版 " + version->dump() + " は読めません (版 " + std::to_string(kDesignFileVersion) + " まで)");
    const auto list = root.find("cases");
    if (list == root.end() || !list->is_array()) fault(TS_TEXT("cases が配列ではありません"));
    if (list->size() != static_cast<std::size_t>(kCaseSlots))
        fault("cases が " + std::to_string(list->size()) + " 件です (" + std::to_string(kCaseSlots) +
              " 件が必要)");

    // Everything is read into copies first, so a fault changes nothing.
    CaseTable newCases = cases;
    DesignOptionsTable newOptions{};
    std::uint8_t record[kDesignCaseSize];
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(kCaseSlots); ++slot) {
        const Json& entry = (*list)[slot];
        if (!entry.is_object()) fault(CaseField(slot, "") + " がオブジェクトではありません");
        for (const auto& [key, value] : entry.items())
            if (key != "record" && key != "practice" && key != "temperature_c" && key != "leg1" &&
                key != "leg2" && key != "pitch_gap_mm")
                fault(CaseField(slot, "") + " に知らない項目 " + key);
        const auto hex = entry.find("record");
        if (hex == entry.end() || !hex->is_string() ||
            hex->get_ref<const std::string&>().size() != 2 * kDesignCaseSize)
            fault(CaseField(slot, "record") + " が " + std::to_string(kDesignCaseSize) +
                  " バイトの16進数ではありません");
        const std::string& digits = hex->get_ref<const std::string&>();
        for (std::size_t i = 0; i < kDesignCaseSize; ++i) {
            const int high = HexValue(digits[2 * i]), low = HexValue(digits[2 * i + 1]);
            if (high < 0 || low < 0) fault(CaseField(slot, "record") + " に16進数でない文字があります");
            record[i] = static_cast<std::uint8_t>(high * 16 + low);
        }
        newCases[slot] = DecodeDesignCase(record);
        DesignOptions& o = newOptions[slot];
        if (const auto practice = entry.find("practice"); practice != entry.end()) {
            const auto p =
                practice->is_string() ? PracticeFromKey(practice->get<std::string>()) : std::nullopt;
            if (!p) fault(CaseField(slot, "practice") + " が jis, en, us のどれでもありません");
            o.practice = *p;
        }
        if (const auto t = entry.find("temperature_c"); t != entry.end()) {
            if (!t->is_number() || !TemperatureAllowed(t->get<double>()))
                fault(CaseField(slot, "temperature_c") + " が " + kTemperatureRangeText +
                      " の数ではありません");
            o.temperature = t->get<double>();
        }
        for (std::size_t leg = 0; leg < 2; ++leg) {
            const char* name = leg == 0 ? "leg1" : "leg2";
            const auto l = entry.find(name);
            if (l == entry.end()) continue;
            const std::string field = CaseField(slot, name);
            if (!l->is_object()) fault(field + " がオブジェクトではありません");
            LegEnd& end = o.legs[leg];
            for (const auto& [key, value] : l->items()) {
                if (key == "shape") {
                    const auto shape =
                        value.is_string() ? LegShapeFromKey(value.get<std::string>()) : std::nullopt;
                    if (!shape)
                        fault(field + ".shape が tangential, radial, axial, clamped のどれでもありません");
                    end.shape = *shape;
                } else if (key == "straight_mm" || key == "bend_r_mm") {
                    if (!value.is_number() || !std::isfinite(value.get<double>()) ||
                        value.get<double>() < 0 || value.get<double>() > kMaxLegLength)
                        fault(field + "." + key + " が 0〜" + FormatShort(kMaxLegLength) +
                              " の数ではありません");
                    (key == "straight_mm" ? end.straightLength : end.bendRadius) = value.get<double>();
                } else {
                    fault(field + " に知らない項目 " + key);
                }
            }
        }
        if (const auto g = entry.find("pitch_gap_mm"); g != entry.end()) {
            if (!g->is_number() || !std::isfinite(g->get<double>()) || g->get<double>() < 0 ||
                g->get<double>() > kMaxLegLength)
                fault(CaseField(slot, "pitch_gap_mm") + " が 0〜" + FormatShort(kMaxLegLength) +
                      " の数ではありません");
            o.pitchGap = g->get<double>();
        }
    }
    cases = newCases;
    options = newOptions;
}

bool IsDesignFileName(const std::string& path) {
    return EndsWithNoCase(path, ".nbdx");
}

bool IsDesignFileContent(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (IsDesignFileName(path)) return true;
    if (EndsWithNoCase(path, ".nbd") || bytes.size() == kCaseTableSize) return false;
    std::string_view start(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (start.starts_with("\xEF\xBB\xBF")) start.remove_prefix(3);
    while (!start.empty() &&
           (start.front() == ' ' || start.front() == '\n' || start.front() == '\r' || start.front() == '\t'))
        start.remove_prefix(1);
    return start.starts_with("{");
}

void OverlayAnyCaseFile(const std::string& path, std::span<const std::uint8_t> bytes, CaseTable& cases,
                        DesignOptionsTable& options) {
    if (IsDesignFileContent(path, bytes)) {
        DecodeDesignFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path,
                         cases, options);
        return;
    }
    OverlayCaseTable(cases, bytes);
    // The slots the bytes reach are the file's, with the options a case file implies.
    const std::size_t reached =
        (std::min(bytes.size(), kCaseTableSize) + kDesignCaseSize - 1) / kDesignCaseSize;
    for (std::size_t slot = 0; slot < reached; ++slot) options[slot] = DesignOptions{};
}

void ReadAnyCaseFile(const std::string& path, CaseTable& cases, DesignOptionsTable& options) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxDesignFileBytes && IsDesignFileName(path))
        Refuse(path, "大きすぎます (" + std::to_string(kMaxDesignFileBytes) + " バイトまで)");
    OverlayAnyCaseFile(path, ReadWholeFile(path), cases, options);
}

void WriteDesignFile(const std::string& path, const CaseTable& cases, const DesignOptionsTable& options) {
    ReplacingFile file(path);
    file.Write(EncodeDesignFile(cases, options));
    file.Commit();
}

std::vector<std::string> OptionsLostInCaseFile(const DesignOptionsTable& options) {
    std::vector<std::string> lines;
    const DesignOptions defaults;
    for (std::size_t slot = 0; slot < options.size(); ++slot) {
        const DesignOptions& o = options[slot];
        if (IsDefault(o)) continue;
        std::string line = SlotName(slot) + ":";
        if (o.practice != defaults.practice) line += " 設計基準 " + std::string(PracticeName(o.practice));
        if (o.temperature != defaults.temperature) line += " 使用温度 " + FormatShort(o.temperature) + "℃";
        for (std::size_t leg = 0; leg < 2; ++leg)
            if (o.legs[leg] != LegEnd{})
                line += " 脚" + std::to_string(leg + 1) + " " + std::string(LegShapeName(o.legs[leg].shape));
        if (o.pitchGap != defaults.pitchGap) line += " コイルのすき間 " + FormatShort(o.pitchGap) + "mm";
        lines.push_back(line);
    }
    return lines;
}

}  // namespace torsion
