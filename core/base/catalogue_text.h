// Marks a Japanese text of the core that the windows, the report and the command line
// show in the reader's language: the core keeps the text as it is, lupdate collects it
// into the catalogues (context "torsion") and the Qt layer looks it up (ui/common/language.h).
#pragma once

#define TS_TEXT(text) text
