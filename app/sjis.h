// Shift-JIS (code page 932) texts of the stored records, turned into window texts
// and back. Only the windows use this; the core keeps the raw bytes.
#pragma once

#include <QString>
#include <string>

QString FromSjis(const std::string& sjis);
std::string ToSjis(const QString& text);
