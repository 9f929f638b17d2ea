// Reading written drawing files back in the tests, without the library that writes them:
// the group-code/value pairs of a DXF text file, its entities and table entries, the box
// a layer's figures cover, and the box the spring's sizes give.
#pragma once

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace dxf_reader {

struct Entity {
    std::string section;  // ENTITIES, TABLES, ...
    std::string type;     // LINE, ARC, CIRCLE, LAYER, ...
    std::vector<std::pair<int, std::string>> groups;

    std::string Text(int code) const {
        for (const auto& [c, value] : groups)
            if (c == code) return value;
        return std::string();
    }
    // The value of code as a number; NaN when it is absent or not a whole number text.
    double Number(int code) const {
        const std::string text = Text(code);
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        return text.empty() || *end != '\0' ? NAN : value;
    }
};

struct Drawing {
    bool complete = false;  // pairs well formed, every section ended, EOF at the end
    std::vector<Entity> objects;

    int Count(const std::string& type, const std::string& layer) const {
        int n = 0;
        for (const Entity& e : objects) n += e.section == "ENTITIES" && e.type == type && e.Text(8) == layer;
        return n;
    }
    std::string LayerLinetype(const std::string& layer) const {
        for (const Entity& e : objects)
            if (e.section == "TABLES" && e.type == "LAYER" && e.Text(2) == layer) return e.Text(6);
        return std::string();
    }
};

inline std::string Trimmed(std::string s) {
    const auto first = s.find_first_not_of(" \t\r");
    const auto last = s.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

inline Drawing ReadDxf(const std::string& path) {
    Drawing drawing;
    std::ifstream in(path, std::ios::binary);
    std::string codeLine, value, section;
    bool inSection = false, ended = false, wantName = false;
    while (std::getline(in, codeLine)) {
        if (!std::getline(in, value)) return drawing;  // a code without its value
        char* end = nullptr;
        const std::string codeText = Trimmed(codeLine);
        const long code = std::strtol(codeText.c_str(), &end, 10);
        if (codeText.empty() || *end != '\0') return drawing;
        value = Trimmed(value);
        if (ended) return drawing;  // pairs after EOF
        if (code == 0) {
            wantName = false;
            if (value == "SECTION") {
                if (inSection) return drawing;
                inSection = wantName = true;
            } else if (value == "ENDSEC") {
                if (!inSection) return drawing;
                inSection = false;
            } else if (value == "EOF") {
                ended = !inSection;
                if (!ended) return drawing;
            } else {
                drawing.objects.push_back({section, value, {}});
            }
        } else if (wantName && code == 2) {
            section = value;
            wantName = false;
        } else if (!drawing.objects.empty() && drawing.objects.back().section == section) {
            drawing.objects.back().groups.emplace_back(static_cast<int>(code), value);
        }
    }
    drawing.complete = ended;
    return drawing;
}

struct Box {
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    void Add(double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

// The box of a layer's lines, circles and arcs (an arc by its end points and the axis
// points it passes through; counter-clockwise from code 50 to code 51).
inline Box ExtentOf(const Drawing& drawing, const std::string& layer) {
    Box box;
    const auto at = [](double cx, double cy, double r, double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return std::pair{cx + r * std::cos(a), cy + r * std::sin(a)};
    };
    for (const Entity& e : drawing.objects) {
        if (e.section != "ENTITIES" || e.Text(8) != layer) continue;
        const double cx = e.Number(10), cy = e.Number(20), r = e.Number(40);
        if (e.type == "LINE") {
            box.Add(cx, cy);
            box.Add(e.Number(11), e.Number(21));
        } else if (e.type == "CIRCLE") {
            box.Add(cx - r, cy - r);
            box.Add(cx + r, cy + r);
        } else if (e.type == "ARC") {
            const double from = e.Number(50);
            double span = std::fmod(e.Number(51) - from, 360.0);
            if (span <= 0) span += 360.0;
            for (const double a : {from, from + span}) {
                const auto [x, y] = at(cx, cy, r, a);
                box.Add(x, y);
            }
            for (double axis = 90.0 * std::ceil(from / 90.0); axis < from + span; axis += 90.0) {
                const auto [x, y] = at(cx, cy, r, axis);
                box.Add(x, y);
            }
        }
    }
    return box;
}

// The outline's box that the wire diameter d, the mean diameter D, the turns N and the
// arms a1, a2 give. Side view: a row of wire sections d apart, the top of the first
// centred at the origin, the bottom ones D lower; one per whole turn, and one more for a
// remainder of a quarter turn or more. End view: the ring of outer radius (D + d)/2
// centred D + max(a1, a2, ring) left of the origin and D/2 down, arm 1 along its lower
// tangent to the left, arm 2 the same to the right turned by the remainder of a turn.
inline Box SpringOutlineBox(double d, double D, double N, double a1, double a2) {
    const double r = d / 2, ro = (D + d) / 2, ri = (D - d) / 2;
    const double whole = std::trunc(N), fraction = N - whole;
    const double loops = std::max(1.0, whole + (fraction >= 0.25 ? 1 : 0));
    Box box;
    box.Add(-r, r);
    box.Add(loops * d, -D - r);
    const double ex = -D - std::max({a1, a2, ro}), ey = -D / 2;
    box.Add(ex - ro, ey - ro);
    box.Add(ex + ro, ey + ro);
    if (a1 > 0) box.Add(ex - a1, ey - ro);
    const double theta = 2 * std::numbers::pi * fraction;
    for (const double y : {-ro, -ri})
        if (a2 > 0)
            box.Add(ex + a2 * std::cos(theta) - y * std::sin(theta),
                    ey + y * std::cos(theta) + a2 * std::sin(theta));
    return box;
}

// What in the drawing file at path disagrees with a spring of those sizes: the file's
// completeness, its layers, the number of figures (two arcs per side-view loop) and the
// outline's box; empty when everything agrees.
inline std::string SpringDxfDisagreements(const std::string& path, double d, double D, double N, double a1,
                                          double a2) {
    const Drawing drawing = ReadDxf(path);
    std::ostringstream out;
    if (!drawing.complete) out << "the file is not a complete drawing; ";
    if (drawing.LayerLinetype("CENTER") != "CENTER") out << "no centre-line layer; ";
    const double whole = std::trunc(N);
    const int loops = static_cast<int>(std::max(1.0, whole + (N - whole >= 0.25 ? 1 : 0)));
    const int arcs = drawing.Count("ARC", "OUTLINE");
    if (arcs != 2 * loops + (a2 > 0)) out << arcs << " arcs for " << loops << " loops; ";
    if (drawing.Count("LINE", "CENTER") != 3) out << drawing.Count("LINE", "CENTER") << " centre lines; ";
    const Box got = ExtentOf(drawing, "OUTLINE"), want = SpringOutlineBox(d, D, N, a1, a2);
    const double tolerance = 1e-9 * std::max({1.0, want.maxX - want.minX, want.maxY - want.minY});
    const std::pair<double, double> sides[] = {
        {got.minX, want.minX}, {got.maxX, want.maxX}, {got.minY, want.minY}, {got.maxY, want.maxY}};
    for (const auto& [g, w] : sides)
        if (!(std::abs(g - w) <= tolerance)) {
            out << "outline box " << got.minX << " " << got.minY << " " << got.maxX << " " << got.maxY
                << ", the sizes give " << want.minX << " " << want.minY << " " << want.maxX << " "
                << want.maxY;
            break;
        }
    return out.str();
}

}  // namespace dxf_reader
