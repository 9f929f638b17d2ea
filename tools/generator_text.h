// What the data generators share: reading one record of a data file, writing a text as a
// C++ string literal, and the main of a generator.
#pragma once

#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

// One record: fields separated by commas, a field in double quotes may hold commas and
// doubled quotes. A quote left open stops the build.
inline std::vector<std::string> SplitCsvRecord(const std::string& line, int lineNo) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (quoted) {
            if (ch == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"' && field.empty()) {
            quoted = true;
        } else if (ch == ',') {
            fields.push_back(field);
            field.clear();
        } else {
            field += ch;
        }
    }
    if (quoted) throw std::runtime_error("line " + std::to_string(lineNo) + ": unterminated quote");
    fields.push_back(field);
    return fields;
}

// A C++ string literal; every byte outside printable ASCII as a three-digit octal escape.
inline std::string CppLiteral(const std::string& bytes) {
    std::string out = "\"";
    for (const unsigned char ch : bytes) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch >= 0x20 && ch < 0x7f) {
            out += static_cast<char>(ch);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", ch);
            out += buf;
        }
    }
    return out + "\"";
}

// The main of a generator `name` <input> <output>: generate(input) written whole to a
// temporary name first, so an interrupted build leaves no half table. Exit 1 with
// "name: reason" on a faulty input, 2 on a wrong command line.
template <typename Generate>
int RunGenerator(const char* name, const char* inputKind, int argc, char** argv, Generate generate) {
    if (argc != 3) {
        std::cerr << "usage: " << name << " <" << inputKind << "> <output .inc>\n";
        return 2;
    }
    try {
        const std::string text = generate(argv[1]);
        const std::string temporary = std::string(argv[2]) + ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << text;
            if (!out) throw std::runtime_error("cannot write " + temporary);
        }
        if (std::rename(temporary.c_str(), argv[2]) != 0) throw std::runtime_error("cannot rename to output");
    } catch (const std::exception& e) {
        std::cerr << name << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
