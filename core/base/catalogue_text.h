// Marks a Japanese text of the core that the windows, the report and the command line
// show in the reader's language: the core keeps the text as it is, lupdate collects it
// into the catalogues (context "torsion") and the Qt layer looks it up (ui/common/language.h).
#pragma once

#define TS_TEXT(text) text

// The same mark with a note that tells two readings of one Japanese word apart: the short
// word of a grid and the full term of the report ("ばね定数" as "Rate" and as "Spring rate").
// The note is the catalogue entry's disambiguation; the core keeps the text as it is.
#define TS_TERM(text, note)    \
    ::torsion::CatalogueTerm { \
        text, note             \
    }

namespace torsion {

struct CatalogueTerm {
    const char* text;
    const char* note;
};

}  // namespace torsion
