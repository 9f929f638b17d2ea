// UTF-8 text in its Shift-JIS (code page 932) form, for the generators that write the
// program's data; a text without such a form stops the build.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <stdexcept>
#include <string>

inline std::string ToShiftJis(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert UTF-8 to CP932");
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("text has no Shift-JIS form: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}
