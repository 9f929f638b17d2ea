#include "ui/common/sjis.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

QString FromSjis(const std::string& sjis) {
    QStringDecoder decoder("windows-31j");
    return decoder.decode(QByteArrayView(sjis.data(), static_cast<qsizetype>(sjis.size())));
}

std::string ToSjis(const QString& text) {
    QStringEncoder encoder("windows-31j");
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::vector<std::string> MaterialSymbolsUtf8(const torsion::MaterialTable& table) {
    std::vector<std::string> symbols;
    for (const torsion::MaterialRecord& r : table)
        symbols.push_back(FromSjis(torsion::ShortStringValue(r.symbol)).toStdString());
    return symbols;
}
