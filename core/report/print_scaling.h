// The two rules that size a window picture on the printed page: proportional to the
// printer's resolution, or as large as the page allows while keeping the shape.
// Plain integer arithmetic, so that the printed size is the same on every machine.
#pragma once

#include <cstdint>
#include <limits>

#include "core/base/command_error.h"

// The size of a picture or a page in pixels.
struct PixelSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// a * b / c rounded to the nearest integer, halves away from zero, computed without
// losing the product. A zero divisor or a result beyond 64 bits throws the matching
// arithmetic CommandError.
inline std::int64_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) torsion::ThrowDivisionByZero();
    __extension__ typedef __int128 Wide;
    const Wide product = static_cast<Wide>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const Wide num = product < 0 ? -product : product;
    const Wide den = c < 0 ? -static_cast<Wide>(c) : static_cast<Wide>(c);
    Wide q = num / den;
    if ((num % den) * 2 >= den) ++q;
    if (negative) q = -q;
    if (q > std::numeric_limits<std::int64_t>::max() || q < std::numeric_limits<std::int64_t>::min()) {
        torsion::ThrowOverflow();
    }
    return static_cast<std::int64_t>(q);
}

// Screen pixels are taken as 1/96 inch: the picture keeps its size on paper.
inline constexpr std::int64_t kScreenDpi = 96;

inline PixelSize ProportionalPrintSize(PixelSize picture, std::int64_t dpiX, std::int64_t dpiY) {
    return {MulDivRound(picture.width, dpiX, kScreenDpi), MulDivRound(picture.height, dpiY, kScreenDpi)};
}

// Fills the page height, unless that would make the picture at least as wide as the
// page; then it fills the page width instead.
inline PixelSize FitToPageSize(PixelSize picture, PixelSize page) {
    PixelSize printed{MulDivRound(picture.width, page.height, picture.height), page.height};
    if (printed.width >= page.width) {
        printed = {page.width, MulDivRound(picture.height, page.width, picture.width)};
    }
    return printed;
}
