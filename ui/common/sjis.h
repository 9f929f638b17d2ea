// Shift-JIS (code page 932) texts of the stored records, turned into window texts
// and back. Only the windows use this; the core keeps the raw bytes.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/materials/material_table.h"

QString FromSjis(const std::string& sjis);
std::string ToSjis(const QString& text);
// The symbol of every record as the symbol list shows it, in UTF-8, by record number.
std::vector<std::string> MaterialSymbolsUtf8(const torsion::MaterialTable& table);
